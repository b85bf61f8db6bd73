#pragma once

#include "BoardRings.h"
#include "WindowSurface.h"
#include "widgets/Twips.h"
#include "game/Game.h"
#include "game/OneBasedArray.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace kesto {

namespace widgets {
class PictureBox;
} // namespace widgets

namespace dialogs {
class Form2;
class frmAbout;
} // namespace dialogs

namespace ui {

class BoardCursor;
class CaptionFrame;
class CellTarget;
class ComputerPlayer;
class GameFiles;
class GameKeeper;
class GameMenu;
class GameReviewer;
class HintPlayer;
class ReplayStopper;
class ResultCounter;

// The main window: the board on the left, the side panel with the turn, the
// clock, the play mode, the banner and the buttons on the right. It owns the
// game for the whole life of the program.
class Form1 : public QWidget, private GameView {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The size of the window's inside.
    static constexpr QSize kClientSize = widgets::twipsSize(9630, 6570);
    // How often the banner moves on, in milliseconds.
    static constexpr int kBannerInterval = 500;

    const Game& game() const { return game_; }

    // Opens the game record at `path`, as Open game does (the file named on
    // the command line).
    void openFile(const QString& path);

    // Where the circle of `cell` lies in the window.
    static QRect cellRect(CellIndex cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Event handlers.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Image2_Click(CellIndex index);
    void Image2_MouseMove(CellIndex index);
    void Board_CursorMove(CellIndex index);
    void Option1_Click(int index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Undo_Click();
    void Continue_Click();
    void Open_Click();
    void Save_Click();
    void Replay_Click();
    void Hint_Click();
    void Review_Click();
    void TimerReplay_Timer();

    void NewGame();

    // What the game asks the window to show.
    void circleChanged(CellIndex cell) override;
    void setTurnCaption(const std::string& name) override;
    void setTimeCaption(const std::string& time) override;
    void switchClockTimer(bool on) override;
    void switchBlinkTimer(bool on) override;
    void showWinner(const std::string& name) override;
    void closeWinner() override;
    void stoneChanged(CellIndex cell) override;
    void markComputerStone(CellIndex cell) override;
    void setUndoPossible(bool possible) override;
    void computerToMove() override;
    void recordChanged() override;
    void switchReplayTimer(bool on) override;

    void createWindowedControls();
    void createLabels();
    void createBoard();
    void createTimers();
    void createMenu();
    void describeCell(CellIndex cell);
    void playComputerMove(CellIndex cell);
    // Sets `record` on the board, the computer stopped first.
    void setGame(const GameRecord& record);
    // Rings the hint's cell in `player`'s colour; a hint dropped, or none.
    void showHint(CellIndex cell, std::int16_t player);
    void clearHint();
    // Whether the game on the board can be reviewed: won, on a full board,
    // or opened from a file.
    bool reviewable() const;


    // Which of the menu's game actions can be taken now.
    void updateMenu();

    Game game_;

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
    QTimer* TimerReplay = nullptr;

    OneBasedArray<widgets::PictureBox*, 3> Picture2{};
    CaptionFrame* Frame1 = nullptr;
    CaptionFrame* Frame2 = nullptr;
    widgets::PictureBox* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    std::array<QRadioButton*, 2> Option1{};

    OneBasedArray<CellTarget*, kCellCount> Image2{};
    QLabel* Label3 = nullptr;
    QLabel* timelbl = nullptr;
    QLabel* giliranlbl = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;

    WindowSurface surface_;

    BoardCursor* board_ = nullptr;
    ComputerPlayer* computer_ = nullptr;
    GameMenu* menu_ = nullptr;
    GameKeeper* keeper_ = nullptr;
    GameFiles* files_ = nullptr;
    ReplayStopper* replayStopper_ = nullptr;
    HintPlayer* hint_ = nullptr;
    GameReviewer* reviewer_ = nullptr;
    bool openedFromFile_ = false; // the game on the board came from a file
    BoardRings rings_;
    bool boardIsKept_ = false;  // the game on the board is the one kept
    std::unique_ptr<ResultCounter> results_; // the player's results against the computer

    QPointer<dialogs::Form2> winnerDialog_;
    QPointer<dialogs::frmAbout> aboutDialog_;
};

} // namespace ui
} // namespace kesto
