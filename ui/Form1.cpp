#include "Form1.h"

#include "BoardCursor.h"
#include "CaptionFrame.h"
#include "CellTarget.h"
#include "ComputerPlayer.h"
#include "Controls.h"
#include "GameFiles.h"
#include "GameKeeper.h"
#include "GameMenu.h"
#include "GameReviewer.h"
#include "HintPlayer.h"
#include "ReplayStopper.h"
#include "ResultCounter.h"
#include "WindowSurface.h"
#include "widgets/Colors.h"
#include "widgets/Fonts.h"
#include "widgets/PictureBox.h"
#include "widgets/Twips.h"
#include "dialogs/Form2.h"
#include "dialogs/frmAbout.h"

#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <memory>

namespace kesto::ui {

using namespace widgets;

namespace {

// Timer intervals in milliseconds.
constexpr int kClockInterval = 1000;
constexpr int kBlinkInterval = 500;
constexpr int kReplayInterval = 500; // a stone of the replay

// Label sizes in points.
constexpr double kLabelPoints = 12.0;
constexpr double kMakerPoints = 13.5;

const QString kWindowIcon = QStringLiteral(":/assets/icon.svg");
const std::array<QString, 3> kFaces{QStringLiteral(":/assets/face-neutral.svg"),
                                    QStringLiteral(":/assets/face-smiling.svg"),
                                    QStringLiteral(":/assets/face-laughing.svg")};

const QString kModeCaption = QStringLiteral("Mode");
const QString kMenuCaption = QStringLiteral("Menu");

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      game_(*this),
      rings_(*this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kesto"));
    setAccessibleName(QStringLiteral("Kesto"));
    setWindowIcon(QIcon(kWindowIcon));
    setFixedSize(kClientSize);
    setFont(controlFont()); // labels carry their own

    createBoard();
    createLabels();
    createWindowedControls();
    createTimers();
    createMenu();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Form_Load();
}

Form1::~Form1()
{
    computer_->stop();
    // The dialogs belong to no window while the game runs; those still open
    // go with the main window when the program ends.
    const std::unique_ptr<dialogs::Form2> winner(winnerDialog_.data());
    const std::unique_ptr<dialogs::frmAbout> about(aboutDialog_.data());
}

QRect Form1::cellRect(CellIndex cell)
{
    return WindowSurface::cellRect(cell);
}

void Form1::createBoard()
{
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const auto index = static_cast<CellIndex>(cell);
        auto* target = new CellTarget(index, this);
        target->setObjectName(arrayName("Image2", cell));
        target->setGeometry(cellRect(index));
        connect(target, &CellTarget::clicked, this, &Form1::Image2_Click);
        connect(target, &CellTarget::mouseMoved, this, &Form1::Image2_MouseMove);
        Image2.at(cell) = target;
        describeCell(index);
    }
    board_ = new BoardCursor(surface_.boardBounds(), this);
    connect(board_, &BoardCursor::moved, this, &Form1::Board_CursorMove);
    connect(board_, &BoardCursor::chosen, this, &Form1::Image2_Click);
    describeCell(board_->cell());
}

void Form1::createLabels()
{
    Label1 = makeLabel(this, QStringLiteral("Label1"), twipsPoint(7080, 2400),
                       QStringLiteral("Turn :"), kGreen, kLabelPoints);
    Label2 = makeLabel(this, QStringLiteral("Label2"), twipsPoint(7080, 2760),
                       QStringLiteral("Time :"), kGreen, kLabelPoints);
    giliranlbl = makeLabel(this, QStringLiteral("giliranlbl"), twipsPoint(7920, 2400),
                           QStringLiteral("None"), kWhite, kLabelPoints);
    timelbl = makeLabel(this, QStringLiteral("timelbl"), twipsPoint(7920, 2760),
                        QStringLiteral("00:00:00"), kRed, kLabelPoints);
    Label3 = makeLabel(this, QStringLiteral("Label3"), twipsPoint(7005, 5880),
                       QStringLiteral("Five in a row"), kGrey, kMakerPoints);
}

void Form1::createWindowedControls()
{
    // Created back to front: later siblings lie in front of earlier ones.
    Frame1 = new CaptionFrame(kModeCaption, twipsRect(6720, 3360, 2295, 1095), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    fillWithButtonFace(Frame1);
    Option1[0] = makeOption(Frame1, 0, QStringLiteral("Player 1 vs Player 2"),
                            twipsRect(120, 240, 1815, 375));
    Option1[1] = makeOption(Frame1, 1, QStringLiteral("Player 1 vs Computer"),
                            twipsRect(120, 600, 1815, 375));
    Option1[0]->setChecked(true);
    for (int index = 0; index < 2; ++index) {
        connect(Option1.at(static_cast<std::size_t>(index)), &QRadioButton::clicked, this,
                [this, index] { Option1_Click(index); });
    }

    Frame2 = new CaptionFrame(kMenuCaption, twipsRect(6720, 4560, 2295, 1215), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    fillWithButtonFace(Frame2);
    Command1 = makeButton(Frame2, "Command1", QStringLiteral("&Reset"),
                          QStringLiteral("Let's Play.."), twipsRect(960, 240, 1215, 375));
    Command2 = makeButton(Frame2, "Command2", QStringLiteral("&About"),
                          QStringLiteral("Who make me ?"), twipsRect(960, 720, 1215, 375));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);

    // The three banner faces sit hidden on the window; the banner box in the
    // menu frame shows a copy of one of them at a time.
    for (int face = 1; face <= 3; ++face) {
        auto* box = new PictureBox(Picture(kFaces.at(static_cast<std::size_t>(face - 1))), this);
        box->setObjectName(arrayName("Picture2", face));
        box->move(twipsPoint(6360 + 240 * (face - 1), 360 + 120 * (face - 1)));
        box->setAccessibleName(QStringLiteral("Banner face %1").arg(face));
        box->hide();
        Picture2.at(face) = box;
    }
    Picture1 = new PictureBox(Picture2.at(1)->picture(), Frame2);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(QStringLiteral("Banner"));
    Picture1->move(twipsPoint(240, 360));

    setTabOrder(Option1[0], Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Picture1);
    setTabOrder(Picture1, board_); // the board last, after the laid-out controls
    Option1[0]->setFocus();
}

void Form1::createTimers()
{
    const auto makeTimer = [this](const char* name, int interval, Qt::TimerType type) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(interval);
        timer->setTimerType(type);
        return timer;
    };
    Timer3 = makeTimer("Timer3", kBlinkInterval, Qt::CoarseTimer);
    Timer2 = makeTimer("Timer2", kClockInterval, Qt::PreciseTimer); // the clock must not drift
    Timer1 = makeTimer("Timer1", kBannerInterval, Qt::CoarseTimer);
    TimerReplay = makeTimer("TimerReplay", kReplayInterval, Qt::CoarseTimer);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer);
    connect(TimerReplay, &QTimer::timeout, this, &Form1::TimerReplay_Timer);
    Timer1->start();
}

void Form1::createMenu()
{
    computer_ = new ComputerPlayer(this);
    connect(computer_, &ComputerPlayer::moved, this, &Form1::playComputerMove);
    menu_ = new GameMenu(this);
    results_ = std::make_unique<ResultCounter>(*menu_);
    keeper_ = new GameKeeper(this);
    files_ = new GameFiles(this);
    replayStopper_ = new ReplayStopper(Command1, [this] { game_.stopReplay(); }, this);
    hint_ = new HintPlayer(this);
    connect(hint_, &HintPlayer::found, this, &Form1::showHint);
    reviewer_ = new GameReviewer(this);
    connect(reviewer_, &GameReviewer::ringsChanged, this,
            [this](CellIndex turned, CellIndex wouldHaveHeld) { rings_.showReview(turned, wouldHaveHeld); });
    // The menu's keys work with the menu closed too.
    addActions(menu_->keyedActions());
    connect(menu_->undoAction(), &QAction::triggered, this, &Form1::Undo_Click);
    connect(menu_->continueAction(), &QAction::triggered, this, &Form1::Continue_Click);
    connect(menu_->openAction(), &QAction::triggered, this, &Form1::Open_Click);
    connect(menu_->saveAction(), &QAction::triggered, this, &Form1::Save_Click);
    connect(menu_->replayAction(), &QAction::triggered, this, &Form1::Replay_Click);
    connect(menu_->hintAction(), &QAction::triggered, this, &Form1::Hint_Click);
    connect(menu_->reviewAction(), &QAction::triggered, this, &Form1::Review_Click);
    menu_->openByKeyboardOn(this, surface_.boardBounds().center());
}

void Form1::Form_Load()
{
    game_.Form_Load();
    // The menu as the locked board has it: nothing to take back or hint.
    setUndoPossible(game_.canUndo());
}

void Form1::Command1_Click()
{
    NewGame();
}

void Form1::NewGame()
{
    results_->givenUp(game_, computer_->strength());
    const Preferences& chosen = menu_->preferences();
    computer_->newGame(chosen.strength);
    game_.chooseComputerOpens(chosen.computerOpens);
    // The kept game stays until this game's first stone replaces it.
    boardIsKept_ = false;
    openedFromFile_ = false;
    clearHint();
    reviewer_->end();
    game_.NewGame();
}

void Form1::Undo_Click()
{
    computer_->stop();
    game_.undo();
}

void Form1::Continue_Click()
{
    const std::optional<KeptGame>& kept = keeper_->kept();
    if (!kept || !kept->unfinished() || game_.replaying()) {
        return;
    }
    results_->givenUp(game_, computer_->strength());
    computer_->newGame(kept->strength);
    setGame(kept->record);
    openedFromFile_ = false;
}

void Form1::Open_Click()
{
    if (game_.replaying()) {
        return;
    }
    if (const auto record = files_->open()) {
        results_->givenUp(game_, computer_->strength());
        setGame(*record);
        openedFromFile_ = true;
        updateMenu();
    }
}

void Form1::openFile(const QString& path)
{
    if (const auto record = files_->read(path)) {
        results_->givenUp(game_, computer_->strength());
        setGame(*record);
        openedFromFile_ = true;
        updateMenu();
    }
}

void Form1::setGame(const GameRecord& record)
{
    computer_->stop();
    game_.load(record);
}

void Form1::Save_Click()
{
    const GameRecord record = game_.record();
    if (!game_.replaying() && !record.moves.empty()) {
        files_->save(record);
    }
}

void Form1::Replay_Click()
{
    if (game_.canReplay()) {
        computer_->stop(); // it is asked again when the replay ends
        game_.startReplay();
    }
}

void Form1::Hint_Click()
{
    if (game_.playerToMove()) {
        hint_->ask(game_.state().board, game_.state().currentPlayer);
    }
}

void Form1::showHint(CellIndex cell, std::int16_t player)
{
    rings_.showHint(cell, game_.state().playerColor.at(player));
}

void Form1::clearHint()
{
    hint_->drop();
    rings_.clearHint();
}

void Form1::TimerReplay_Timer()
{
    game_.replayStep();
}

void Form1::updateMenu()
{
    const std::optional<KeptGame>& kept = keeper_->kept();
    menu_->showWhatCanBeDone(game_, !boardIsKept_ && kept && kept->unfinished(), reviewable());
}

bool Form1::reviewable() const
{
    const std::size_t stones = game_.moves().size();
    const bool won = game_.state().inputLocked != kFalse16 && stones > 0;
    return stones > 0 && (won || stones == static_cast<std::size_t>(kCellCount) || openedFromFile_);
}

void Form1::Review_Click()
{
    if (!game_.replaying() && reviewable()) {
        reviewer_->start(game_, this);
    }
}

void Form1::Command2_Click()
{
    if (!aboutDialog_) {
        aboutDialog_ = new dialogs::frmAbout();
        aboutDialog_->centreOn(frameGeometry());
    }
    aboutDialog_->showInFront();
}

void Form1::Image2_Click(CellIndex index)
{
    game_.Image2_Click(index);
}

void Form1::Option1_Click(int index)
{
    game_.choosePlayMode(static_cast<std::int16_t>(index + 1));
}

void Form1::playComputerMove(CellIndex cell)
{
    game_.computerMove(cell);
}

void Form1::describeCell(CellIndex cell)
{
    Image2.at(cell)->describe(game_.state());
    if (board_ != nullptr && cell == board_->cell()) {
        board_->setAccessibleName(Image2.at(cell)->accessibleName());
    }
}

void Form1::Image2_MouseMove(CellIndex index)
{
    game_.Image2_MouseMove(index);
}

void Form1::Board_CursorMove(CellIndex index)
{
    // The cursor previews the mover's stone as the pointer does, and the
    // screen reader hears where it is.
    game_.Image2_MouseMove(index);
    board_->setAccessibleName(Image2.at(index)->accessibleName());
}

void Form1::Timer1_Timer()
{
    // The dots live only in the frame captions: each tick reads them back.
    const bool wrapped = game_.advanceBanner();
    Frame1->setCaption((wrapped ? kModeCaption : Frame1->title().trimmed()) + QLatin1Char('.'));
    Frame2->setCaption((wrapped ? kMenuCaption : Frame2->title().trimmed()) + QLatin1Char('.'));
    Picture1->setPicture(Picture2.at(game_.state().bannerStep)->picture());
}

void Form1::Timer2_Timer()
{
    game_.Timer2_Timer();
}

void Form1::Timer3_Timer()
{
    game_.Timer3_Timer();
}

void Form1::circleChanged(CellIndex cell)
{
    update(cellRect(cell));
}

void Form1::setTurnCaption(const std::string& name)
{
    setCaption(giliranlbl, QString::fromStdString(name));
}

void Form1::setTimeCaption(const std::string& time)
{
    setCaption(timelbl, QString::fromStdString(time));
}

void Form1::switchClockTimer(bool on)
{
    switchTimer(Timer2, on);
}

void Form1::switchBlinkTimer(bool on)
{
    switchTimer(Timer3, on);
}

void Form1::showWinner(const std::string& name)
{
    if (!winnerDialog_) {
        winnerDialog_ = new dialogs::Form2();
        winnerDialog_->centreOn(frameGeometry());
    }
    winnerDialog_->setName(QString::fromStdString(name));
    winnerDialog_->showInFront();
}

void Form1::closeWinner()
{
    if (winnerDialog_) {
        winnerDialog_->close();
    }
}

void Form1::stoneChanged(CellIndex cell)
{
    describeCell(cell);
}

void Form1::markComputerStone(CellIndex cell)
{
    rings_.markComputersLast(cell);
}

void Form1::setUndoPossible(bool possible)
{
    menu_->undoAction()->setEnabled(possible);
    updateMenu();
}

void Form1::computerToMove()
{
    computer_->think(game_.state().board, Game::kComputer);
}

void Form1::recordChanged()
{
    // A stone, an undo or another game: the hint and the review are for no
    // longer.
    clearHint();
    reviewer_->end();
    results_->decided(game_, computer_->strength());
    const bool won = game_.state().inputLocked != kFalse16;
    keeper_->keep(KeptGame{game_.record(), computer_->strength(), won});
    boardIsKept_ = true;
    updateMenu();
}

void Form1::switchReplayTimer(bool on)
{
    clearHint();
    switchTimer(TimerReplay, on);
    replayStopper_->watch(on);
    updateMenu();
}

void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu belongs to the board and to the Mode frame, whose controls
    // pass the request on to the window.
    if (surface_.boardBounds().contains(event->pos()) || Frame1->geometry().contains(event->pos())) {
        menu_->popup(event->globalPos());
    }
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The program runs on while a dialog is open: the player sees which one,
    // in front, with the focus, rather than a program that seems to hang on.
    QWidget::closeEvent(event);
    const std::initializer_list<dialogs::PictureDialog*> shown{aboutDialog_.data(), winnerDialog_.data()};
    for (dialogs::PictureDialog* dialog : shown) {
        if (dialog != nullptr && dialog->isVisible()) {
            dialog->showInFront();
        }
    }
}

void Form1::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    surface_.paint(painter, event->rect(), game_, rings_.rings());
}

} // namespace kesto::ui
