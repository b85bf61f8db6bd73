// Long random games checked, event by event, against a model written from
// the rules: first on the game itself, then through the real window with
// real clicks, pointer moves, key presses, timer ticks and dialogs.

#include "GameModel.h"
#include "RandomPlay.h"
#include "WindowTest.h"
#include "dialogs/Form2.h"
#include "dialogs/frmAbout.h"
#include "game/Game.h"

#include <QGroupBox>
#include <QPushButton>

#include <memory>
#include <optional>

using kesto::dialogs::Form2;
using kesto::dialogs::frmAbout;
using kesto::ui::Form1;
using randomplay::Event;
using randomplay::EventSource;
using randomplay::Kind;
using namespace windowtest;

namespace {

// Keeps what the window would be showing, as the game tells it.
class ShownView : public kesto::GameView {
public:
    QString turn = QStringLiteral("None");
    QString time = QStringLiteral("00:00:00");
    bool clockOn = false;
    bool blinkOn = false;
    bool dialogOpen = false;
    QString dialogName;

    void circleChanged(kesto::CellIndex /*cell*/) override {}
    void setTurnCaption(const std::string& name) override { turn = QString::fromStdString(name); }
    void setTimeCaption(const std::string& text) override { time = QString::fromStdString(text); }
    void switchClockTimer(bool on) override { clockOn = on; }
    void switchBlinkTimer(bool on) override { blinkOn = on; }
    void showWinner(const std::string& name) override
    {
        dialogOpen = true;
        dialogName = QString::fromStdString(name);
    }
    void closeWinner() override { dialogOpen = false; }
    void stoneChanged(kesto::CellIndex /*cell*/) override {}
    void markComputerStone(kesto::CellIndex /*cell*/) override {}
    void setUndoPossible(bool /*possible*/) override {}
    void computerToMove() override {}
    void recordChanged() override {}
    void switchReplayTimer(bool /*on*/) override {}
};

// The first difference between what is shown and what the model expects.
template <typename T>
QString differs(const char* what, const T& shown, const T& expected)
{
    if (shown == expected) {
        return {};
    }
    QString text;
    QDebug(&text) << what << "shows" << shown << "instead of" << expected;
    return text;
}

QString firstDifference(const kesto::Game& game, const ShownView& view, const GameModel& model)
{
    for (int cell = 1; cell <= GameModel::kCells; ++cell) {
        const auto index = static_cast<kesto::CellIndex>(cell);
        QString found = differs(qPrintable(QStringLiteral("cell %1").arg(cell)),
                                static_cast<int>(game.state().board.at(cell)), model.owner(cell));
        if (found.isEmpty()) {
            found = differs(qPrintable(QStringLiteral("circle %1").arg(cell)),
                            game.boxColor(index), model.circle(cell));
        }
        if (!found.isEmpty()) {
            return found;
        }
    }
    QString found = differs("turn", view.turn, model.turnCaption());
    if (found.isEmpty()) found = differs("time", view.time, model.timeCaption());
    if (found.isEmpty()) found = differs("clock timer", view.clockOn, model.clockRunning());
    if (found.isEmpty()) found = differs("blink timer", view.blinkOn, model.blinking());
    if (found.isEmpty()) found = differs("winner dialog", view.dialogOpen, model.winnerDialogOpen());
    if (found.isEmpty() && model.winnerDialogOpen()) {
        found = differs("winner's name", view.dialogName, model.winnerShown());
    }
    if (found.isEmpty() && model.phase() == GameModel::Phase::Won) {
        QList<int> line;
        for (int slot = 1; slot <= kesto::kLineLength; ++slot) {
            line << game.state().winLine.at(slot);
        }
        found = differs("winning line", line, model.winningCells());
    }
    if (found.isEmpty()) found = differs("banner step", static_cast<int>(game.state().bannerStep), model.bannerStep());
    return found;
}

} // namespace

class TestRandom : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void gameAgreesWithTheModel();
    void windowAgreesWithTheModel();

private:
    QString windowDifference(Form1& window, const GameModel& model) const;
};

void TestRandom::gameAgreesWithTheModel()
{
    constexpr std::array<unsigned, 4> kSeeds{1, 2026, 777, 4242};
    constexpr int kEventsPerSeed = 30000;
    int wins = 0;
    for (unsigned seed : kSeeds) {
        ShownView view;
        kesto::Game game(view);
        game.Form_Load();
        GameModel model;
        EventSource source(seed, false);
        QStringList prefix;
        for (int n = 0; n < kEventsPerSeed; ++n) {
            const Event event = source.next();
            prefix << event.text();
            switch (event.kind) {
            case Kind::Click:
                game.Image2_Click(static_cast<kesto::CellIndex>(event.cell));
                model.click(event.cell);
                break;
            case Kind::Point:
                game.Image2_MouseMove(static_cast<kesto::CellIndex>(event.cell));
                model.point(event.cell);
                break;
            case Kind::Reset:
                game.NewGame();
                model.reset();
                break;
            case Kind::ClockTick: // a stopped timer does not tick
                if (view.clockOn) {
                    game.Timer2_Timer();
                    model.clockTick();
                }
                break;
            case Kind::BlinkTick:
                if (view.blinkOn) {
                    game.Timer3_Timer();
                    model.blinkTick();
                }
                break;
            case Kind::BannerTick:
                game.advanceBanner();
                model.bannerTick();
                break;
            case Kind::About:
            case Kind::CloseDialog:
                break;
            }
            const QString found = firstDifference(game, view, model);
            if (!found.isEmpty()) {
                QFAIL(qPrintable(randomplay::report(seed, prefix, found)));
            }
        }
        wins += model.wins();
    }
    qInfo("%d events, %d games won", static_cast<int>(kSeeds.size()) * kEventsPerSeed, wins);
    QVERIFY2(wins >= 100, "the random games must reach enough wins to mean something");
}

QString TestRandom::windowDifference(Form1& window, const GameModel& model) const
{
    for (int cell = 1; cell <= GameModel::kCells; ++cell) {
        const QString found = differs(qPrintable(QStringLiteral("circle %1").arg(cell)),
                                      window.game().boxColor(static_cast<kesto::CellIndex>(cell)),
                                      model.circle(cell));
        if (!found.isEmpty()) {
            return found;
        }
    }
    QString found = differs("turn label", caption(&window, "giliranlbl"), model.turnCaption());
    if (found.isEmpty()) found = differs("time label", caption(&window, "timelbl"), model.timeCaption());
    if (found.isEmpty()) found = differs("Timer2", timer(&window, "Timer2")->isActive(), model.clockRunning());
    if (found.isEmpty()) found = differs("Timer3", timer(&window, "Timer3")->isActive(), model.blinking());
    const QList<Form2*> winners = openDialogs<Form2>();
    if (found.isEmpty()) found = differs("winner dialogs", static_cast<int>(winners.size()), model.winnerDialogOpen() ? 1 : 0);
    if (found.isEmpty() && !winners.isEmpty()) {
        found = differs("winner's name", control<QLabel>(winners.first(), QStringLiteral("Label1"))->text(),
                        model.winnerShown());
    }
    if (found.isEmpty()) found = differs("Frame1", control<QGroupBox>(&window, QStringLiteral("Frame1"))->title(), model.modeCaption());
    if (found.isEmpty()) found = differs("Frame2", control<QGroupBox>(&window, QStringLiteral("Frame2"))->title(), model.menuCaption());
    return found;
}

void TestRandom::windowAgreesWithTheModel()
{
    constexpr unsigned kSeed = 99;
    constexpr int kEvents = 4000;
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Every tick reaches the model too, whether the test gives it or the
    // timer fires on its own.
    GameModel model;
    connect(timer(&window, "Timer1"), &QTimer::timeout, this, [&model] { model.bannerTick(); });
    connect(timer(&window, "Timer2"), &QTimer::timeout, this, [&model] { model.clockTick(); });
    connect(timer(&window, "Timer3"), &QTimer::timeout, this, [&model] { model.blinkTick(); });

    EventSource source(kSeed, true);
    QStringList prefix;
    // A spot in a cell's square, corners included, never the very spot the
    // pointer is on: the window system drops a move that goes nowhere.
    std::optional<QPoint> pointer;
    const auto spotIn = [&](const QRect& square) {
        QPoint spot;
        do {
            spot = square.topLeft() + QPoint(source.pick(square.width()), source.pick(square.height()));
        } while (spot == pointer);
        pointer = spot;
        return spot;
    };
    for (int n = 0; n < kEvents; ++n) {
        const Event event = source.next();
        prefix << event.text();
        const QRect square = Form1::cellRect(static_cast<kesto::CellIndex>(event.cell));
        switch (event.kind) {
        case Kind::Click:
            // The pointer goes to the cell before it clicks.
            clickAt(&window, spotIn(square));
            model.point(event.cell);
            model.click(event.cell);
            break;
        case Kind::Point:
            pointAt(&window, spotIn(square));
            model.point(event.cell);
            break;
        case Kind::Reset:
            if (source.pick(2) == 0) {
                QTest::mouseClick(control<QPushButton>(&window, QStringLiteral("Command1")), Qt::LeftButton);
            } else {
                window.activateWindow();
                QTest::keyClick(window.windowHandle(), Qt::Key_R, Qt::AltModifier);
                // The button acts once it has shown itself pressed.
                auto* button = control<QPushButton>(&window, QStringLiteral("Command1"));
                QVERIFY(QTest::qWaitFor([button] { return !button->isDown(); }));
            }
            model.reset();
            break;
        case Kind::ClockTick:
            if (timer(&window, "Timer2")->isActive()) {
                tick(timer(&window, "Timer2"));
            }
            break;
        case Kind::BlinkTick:
            if (timer(&window, "Timer3")->isActive()) {
                tick(timer(&window, "Timer3"));
            }
            break;
        case Kind::BannerTick:
            tick(timer(&window, "Timer1"));
            break;
        case Kind::About:
            QTest::mouseClick(control<QPushButton>(&window, QStringLiteral("Command2")), Qt::LeftButton);
            break;
        case Kind::CloseDialog: {
            QList<QWidget*> open;
            for (Form2* dialog : openDialogs<Form2>()) open << dialog;
            for (frmAbout* dialog : openDialogs<frmAbout>()) open << dialog;
            if (!open.isEmpty()) {
                QWidget* dialog = open.at(source.pick(static_cast<int>(open.size())));
                if (qobject_cast<Form2*>(dialog) != nullptr) {
                    model.closeWinnerDialog();
                }
                QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
                pointer.reset();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            break;
        }
        }
        const QString found = windowDifference(window, model);
        if (!found.isEmpty()) {
            QFAIL(qPrintable(randomplay::report(kSeed, prefix, found)));
        }
    }
    qInfo("%d window events, %d games won", kEvents, model.wins());
    QVERIFY(model.wins() >= 5);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != &window) {
            widget->close();
        }
    }
}

QTEST_MAIN(TestRandom)
#include "tst_random.moc"
