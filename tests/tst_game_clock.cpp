// The game's clock and the banner, tick by tick, driven directly.

#include "ClockTable.h"
#include "RecordingTable.h"
#include "game/Game.h"

#include <QtTest>

#include <cstdint>
#include <string>

using recording::Table;

class TestGameClock : public QObject {
    Q_OBJECT

private slots:
    void clock_data();
    void clock();
    void clockOutlivesSixteenBitHours();
    void clockCaptionWaitsForTheFirstTick();
    void bannerCyclesThroughThreeSteps();
};

void TestGameClock::clock_data()
{
    clocktable::addRows();
}

void TestGameClock::clock()
{
    QFETCH(int, ticks);
    QFETCH(QString, shown);
    Table table;
    table.game.NewGame();
    for (int tick = 0; tick < ticks; ++tick) {
        table.game.Timer2_Timer();
    }
    QCOMPARE(QString::fromStdString(table.view.timeCaption), shown);
}

void TestGameClock::clockOutlivesSixteenBitHours()
{
    // 32,768 hours and a second: more hours than a 16-bit counter holds.
    constexpr std::int64_t kTicks = 32768LL * 3600 + 1;
    Table table;
    table.game.NewGame();
    for (std::int64_t tick = 0; tick < kTicks; ++tick) {
        table.game.Timer2_Timer();
    }
    QCOMPARE(table.view.timeCaption, std::string("32768:00:01"));
    QCOMPARE(table.game.state().clockHours, 32768);
}

void TestGameClock::clockCaptionWaitsForTheFirstTick()
{
    Table table;
    table.game.NewGame();
    for (int tick = 0; tick < 83; ++tick) {
        table.game.Timer2_Timer();
    }
    QCOMPARE(table.view.timeCaption, std::string("00:01:23"));
    table.game.NewGame();
    QCOMPARE(table.view.timeCaption, std::string("00:01:23"));
    table.game.Timer2_Timer();
    QCOMPARE(table.view.timeCaption, std::string("00:00:01"));
}

void TestGameClock::bannerCyclesThroughThreeSteps()
{
    Table table;
    const QList<int> steps{2, 3, 1, 2, 3, 1, 2};
    for (int expected : steps) {
        const bool wrapped = table.game.advanceBanner();
        QCOMPARE(table.game.state().bannerStep, expected);
        QCOMPARE(wrapped, expected == 1);
    }
}

QTEST_APPLESS_MAIN(TestGameClock)
#include "tst_game_clock.moc"
