// The game's clock and the banner, tick by tick, driven directly. The clock
// is checked here, once: the window only shows what the rules say.

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
    void clockCaptionWaitsForTheFirstTick();
    void bannerCyclesThroughThreeSteps();
};

void TestGameClock::clock_data()
{
    // The clock set to `from` seconds (a game continued at that time), then
    // ticked `ticks` times.
    QTest::addColumn<qint64>("from");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("shown");
    constexpr qint64 kMinute = 60;
    constexpr qint64 kHour = 60 * kMinute;
    QTest::newRow("1 s") << qint64(0) << 1 << "00:00:01";
    QTest::newRow("9 s") << qint64(0) << 9 << "00:00:09";
    QTest::newRow("10 s") << qint64(0) << 10 << "00:00:10";
    QTest::newRow("59 s") << qint64(0) << 59 << "00:00:59";
    QTest::newRow("60 s") << qint64(0) << 60 << "00:01:00";
    QTest::newRow("61 s") << qint64(0) << 61 << "00:01:01";
    QTest::newRow("10 min") << qint64(0) << 600 << "00:10:00";
    QTest::newRow("1 h less 1 s") << qint64(0) << 3599 << "00:59:59";
    QTest::newRow("1 h") << qint64(0) << 3600 << "01:00:00";
    QTest::newRow("1:01:01") << qint64(0) << 3661 << "01:01:01";
    QTest::newRow("10 h, the last second") << 10 * kHour - 1 << 1 << "10:00:00";
    QTest::newRow("100 h, the last second") << 100 * kHour - 1 << 1 << "100:00:00";
    // More hours than a 16-bit counter holds.
    QTest::newRow("32,768 h and a second") << 32768 * kHour - 1 << 2 << "32768:00:01";
}

void TestGameClock::clock()
{
    QFETCH(qint64, from);
    QFETCH(int, ticks);
    QFETCH(QString, shown);
    Table table;
    table.game.NewGame();
    if (from > 0) {
        kesto::GameRecord record;
        record.clockSeconds = from;
        QVERIFY(!table.game.load(record));
    }
    for (int tick = 0; tick < ticks; ++tick) {
        table.game.Timer2_Timer();
    }
    QCOMPARE(QString::fromStdString(table.view.timeCaption), shown);
    QCOMPARE(table.game.record().clockSeconds, from + ticks);
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
