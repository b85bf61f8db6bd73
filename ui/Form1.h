#pragma once

#include "WindowSurface.h"
#include "widgets/Twips.h"
#include "game/Game.h"
#include "game/OneBasedArray.h"

#include <QPointer>
#include <QWidget>

#include <array>

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
class GameMenu;

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

    // Where the circle of `cell` lies in the window.
    static QRect cellRect(CellIndex cell);

protected:
    void paintEvent(QPaintEvent* event) override;
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

    void NewGame();

    // What the game asks the window to show.
    void circleChanged(CellIndex cell) override;
    void setTurnCaption(const std::string& name) override;
    void setTimeCaption(const std::string& time) override;
    void switchClockTimer(bool on) override;
    void switchBlinkTimer(bool on) override;
    void showWinner(const std::string& name) override;
    void closeWinner() override;

    void createWindowedControls();
    void createLabels();
    void createBoard();
    void createTimers();
    void createMenu();
    void describeCell(CellIndex cell);
    void playComputerMove(CellIndex cell);
    // After any change to the board: the accessible names, the computer's
    // marker, Undo, and the computer's turn if it has come.
    void boardChanged();
    void moveChanged(CellIndex cell);
    void updateUndo();

    Game game_;

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;

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
    CellIndex markedStone_ = 0; // the computer's last stone, ringed

    QPointer<dialogs::Form2> winnerDialog_;
    QPointer<dialogs::frmAbout> aboutDialog_;
};

} // namespace ui
} // namespace kesto
