#pragma once

#include "Picture.h"
#include "Shape.h"
#include "engine/SharedEngine.h"
#include "game/Game.h"
#include "game/OneBasedArray.h"

#include <QFuture>
#include <QPointer>
#include <QWidget>

#include <array>
#include <atomic>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace kesto {

namespace dialogs {
class Form2;
class frmAbout;
} // namespace dialogs

namespace ui {

class CellTarget;
class PictureBox;

// The main window: the board on the left, the side panel with the turn, the
// clock, the play mode, the banner and the buttons on the right. It owns the
// game for the whole life of the program.
class Form1 : public QWidget, private GameView {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const Game& game() const { return game_; }

    // Where the circle of `cell` lies in the window.
    static QRect cellRect(CellIndex cell);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Event handlers.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Image2_Click(CellIndex index);
    void Image2_MouseMove(CellIndex index);
    void Option1_Click(int index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    void NewGame();

    // What the game asks the window to show.
    void circleChanged(CellIndex cell) override;
    void setTurnCaption(const std::string& name) override;
    void setTimeCaption(const std::string& time) override;
    void switchClockTimer(bool on) override;
    void switchBlinkTimer(bool on) override;
    void showWinner(const std::string& name) override;

    void createWindowedControls();
    void createLabels();
    void createBoard();
    void createTimers();
    void paintBoard(QPainter& painter, const QRect& dirty) const;
    void paintPanel(QPainter& painter, const QRect& dirty) const;
    Shape circle(CellIndex cell) const;
    void describeCell(CellIndex cell);
    void startThinking();
    void stopThinking();
    void playComputerMove(int thought, CellIndex cell);

    Game game_;

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;

    OneBasedArray<PictureBox*, 3> Picture2{};
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    PictureBox* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    std::array<QRadioButton*, 2> Option1{};

    OneBasedArray<CellTarget*, kCellCount> Image2{};
    QLabel* Label3 = nullptr;
    QLabel* timelbl = nullptr;
    QLabel* giliranlbl = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;

    std::array<Shape, 10> Shape1{};
    Shape Shape2;
    Shape Shape3;

    Picture Image1;

    // The computer's thinking runs off the window's thread; each thought is
    // numbered, so that one meant for an earlier game never lands.
    QFuture<CellIndex> thinking_;
    std::shared_ptr<std::atomic<bool>> stopThought_;
    int thought_ = 0;
    // What the computer learns lives on from move to move of a game.
    std::shared_ptr<engine::SharedEngine> engine_ = std::make_shared<engine::SharedEngine>();

    QPointer<dialogs::Form2> winnerDialog_;
    QPointer<dialogs::frmAbout> aboutDialog_;
};

} // namespace ui
} // namespace kesto
