// The computer player's parts, each on its own: the forced-win solver, the
// evaluation's even-handedness, the check of the search's choice against
// forced losses, and the time keeper's plan.

#include "BoardOf.h"
#include "engine/FirstSafe.h"
#include "engine/ForcedWin.h"
#include "engine/Position.h"
#include "engine/TimeKeeper.h"

#include <QtTest>

using kesto::Board;
using kesto::CellIndex;

namespace {

// Work enough for every forced win of the tables, on any machine.
constexpr long kForcedWinNodes = 2'000'000;

} // namespace

class TestEngineParts : public QObject {
    Q_OBJECT

private slots:
    void forcedWins_data();
    void forcedWins();
    void countsTheMoveItsDue();
    void checksItsChoice_data();
    void checksItsChoice();
    void plansItsTime_data();
    void plansItsTime();
    void sharesWork_data();
    void sharesWork();
};

void TestEngineParts::forcedWins_data()
{
    using kesto::engine::Attack;
    QTest::addColumn<QList<int>>("computer");
    QTest::addColumn<QList<int>>("human");
    QTest::addColumn<Attack>("kind");
    QTest::addColumn<QList<int>>("firstMoves"); // empty: there is no forced win

    // 15 is a four across row 2 that forces 16; then 45 makes two fours at
    // once (down column 5, across row 5). Or 45 first, then 15.
    const QList<int> attacker{12, 13, 14, 25, 35, 42, 43, 44};
    const QList<int> defender{11, 5, 41, 6, 99, 97, 79, 77, 34};
    QTest::newRow("by fours, either order") << attacker << defender << Attack::Fours << QList<int>{15, 45};
    // The forced block on 16 now makes a four for the human down the
    // diagonal 5-16-27-38, which must be answered on 49 first; the human
    // then takes 45. Only 45 first still wins.
    QTest::newRow("a counter-four refutes one order")
        << attacker << defender + QList<int>{27, 38} << Attack::Fours << QList<int>{45};
    // With 46 taken, row 5 is dead: one four at a time is all there is.
    QTest::newRow("no second four") << attacker << defender + QList<int>{46} << Attack::Fours << QList<int>{};
    // Two open twos crossing at 45: 45 makes two threes, which fours alone
    // cannot see.
    const QList<int> cross{43, 44, 25, 35};
    const QList<int> corners{1, 10, 91, 100};
    QTest::newRow("a cross, by fours") << cross << corners << Attack::Fours << QList<int>{};
    QTest::newRow("a cross, by threes") << cross << corners << Attack::ThreesAndFours << QList<int>{45};
    // An open three of the human's across row 8: the two threes at 45 are
    // answered by an open four, which comes first.
    QTest::newRow("a cross, outpaced by a four")
        << cross << QList<int>{72, 73, 74, 1} << Attack::ThreesAndFours << QList<int>{};
}

void TestEngineParts::forcedWins()
{
    QFETCH(QList<int>, computer);
    QFETCH(QList<int>, human);
    QFETCH(kesto::engine::Attack, kind);
    QFETCH(QList<int>, firstMoves);
    kesto::engine::Position stones;
    stones.load(boardOf(kComputer, computer, kHuman, human), kComputer);
    kesto::engine::ForcedWin solver;
    kesto::engine::Deadline deadline(kesto::engine::Limits::ofNodes(kForcedWinNodes), nullptr);
    const CellIndex first = solver.find(stones, kesto::engine::Side::Own, kind, 10, deadline);
    QVERIFY2(firstMoves.isEmpty() ? first == 0 : firstMoves.contains(first), qPrintable(QString::number(first)));
}

void TestEngineParts::countsTheMoveItsDue()
{
    // The same open three for each, mirrored top and bottom, too far apart
    // to share a window.
    using kesto::cellAt;
    const QList<int> top{cellAt(3, 4), cellAt(3, 5), cellAt(3, 6)};
    const QList<int> bottom{cellAt(8, 4), cellAt(8, 5), cellAt(8, 6)};
    using kesto::engine::Side;
    kesto::engine::Position computerOnTop;
    computerOnTop.load(boardOf(kComputer, top, kHuman, bottom), kComputer);
    kesto::engine::Position computerBelow;
    computerBelow.load(boardOf(kComputer, bottom, kHuman, top), kComputer);
    QCOMPARE(computerOnTop.evaluate(Side::Own), computerBelow.evaluate(Side::Own));
    // Whoever is to move is ahead, by as much for either side: the
    // computer judges the opponent's lines as it judges its own.
    QVERIFY(computerOnTop.evaluate(Side::Own) > 0);
    QCOMPARE(computerOnTop.evaluate(Side::Opponent), computerOnTop.evaluate(Side::Own));
}

void TestEngineParts::checksItsChoice_data()
{
    // The candidates are cells 11, 12 and 13, best first.
    QTest::addColumn<QList<int>>("losing");
    QTest::addColumn<int>("outOfTimeAt");
    QTest::addColumn<int>("chosen");
    QTest::newRow("the best, when it holds") << QList<int>{} << 0 << 11;
    QTest::newRow("past the moves that lose") << QList<int>{11, 12} << 0 << 13;
    QTest::newRow("all lose: the best holds out longest") << QList<int>{11, 12, 13} << 0 << 11;
    QTest::newRow("out of time on the best") << QList<int>{} << 11 << 11;
    QTest::newRow("out of time after the best lost") << QList<int>{11} << 12 << 12;
}

void TestEngineParts::checksItsChoice()
{
    QFETCH(QList<int>, losing);
    QFETCH(int, outOfTimeAt);
    QFETCH(int, chosen);
    kesto::MoveList candidates;
    for (CellIndex cell : {11, 12, 13}) {
        candidates.push(cell);
    }
    const CellIndex answer = kesto::engine::firstSafe(candidates, [&](CellIndex move) {
        if (move == outOfTimeAt) {
            throw kesto::engine::TimeUp();
        }
        return losing.contains(move);
    });
    QCOMPARE(answer, CellIndex(chosen));
}

void TestEngineParts::plansItsTime_data()
{
    QTest::addColumn<long long>("turn");
    QTest::addColumn<long long>("match");
    QTest::addColumn<long long>("left");
    QTest::addColumn<int>("stones");
    QTest::addColumn<long long>("planned");
    QTest::newRow("a move's time, less an eighth") << 300LL << 0LL << -1LL << 0 << 263LL;
    QTest::newRow("at least 30 ms kept back") << 100LL << 0LL << -1LL << 0 << 70LL;
    QTest::newRow("at most 100 ms kept back") << 5000LL << 0LL << -1LL << 0 << 4900LL;
    QTest::newRow("as fast as it can") << 0LL << 0LL << -1LL << 0 << 0LL;
    QTest::newRow("the game's time over 20 moves") << 5000LL << 0LL << 10000LL << 0 << 438LL;
    QTest::newRow("the game's time before time_left") << 5000LL << 10000LL << -1LL << 0 << 438LL;
    QTest::newRow("late: over fewer moves") << 5000LL << 0LL << 10000LL << 80 << 900LL;
    QTest::newRow("almost out of time") << 300LL << 0LL << 100LL << 0 << 0LL;
}

void TestEngineParts::plansItsTime()
{
    QFETCH(long long, turn);
    QFETCH(long long, match);
    QFETCH(long long, left);
    QFETCH(int, stones);
    QFETCH(long long, planned);
    Board board;
    for (int cell = 1; cell <= stones; ++cell) {
        board.at(cell) = kHuman;
    }
    QCOMPARE(kesto::engine::TimeKeeper::plan({turn, match, left}, board).count(), planned);
}

void TestEngineParts::sharesWork_data()
{
    // Bounded by work, a share of the thinking is a share of the positions:
    // the part ends at its share, counted from the start, and what is left
    // after it is the rest of the whole.
    QTest::addColumn<long>("nodes");
    QTest::addColumn<int>("percent");
    QTest::addColumn<long>("spentBefore"); // ticks already gone when the share begins
    QTest::addColumn<long>("shareEndsAt");
    QTest::newRow("a fifth") << 1000L << 20 << 0L << 200L;
    QTest::newRow("begun part-way") << 1000L << 40 << 150L << 400L;
    QTest::newRow("already spent: one more") << 1000L << 30 << 500L << 501L;
    QTest::newRow("all of it") << 1000L << 100 << 0L << 1000L;
    QTest::newRow("fewer than a hundred") << 7L << 50 << 0L << 3L;
}

void TestEngineParts::sharesWork()
{
    QFETCH(long, nodes);
    QFETCH(int, percent);
    QFETCH(long, spentBefore);
    QFETCH(long, shareEndsAt);
    using kesto::engine::Deadline;
    Deadline deadline(kesto::engine::Limits::ofNodes(nodes), nullptr);
    // Ticks until the bound in force throws, counting them all.
    const auto tickUntilDone = [&deadline] {
        try {
            for (;;) {
                deadline.tick();
            }
        } catch (const kesto::engine::TimeUp&) {
        }
        return deadline.ticks();
    };
    for (long tick = 0; tick < spentBefore; ++tick) {
        deadline.tick();
    }
    {
        const Deadline::Share share(deadline, percent);
        QCOMPARE(tickUntilDone(), shareEndsAt);
    }
    QVERIFY(deadline.spent(percent));
    QCOMPARE(tickUntilDone(), std::max(nodes, shareEndsAt + 1));
}

QTEST_APPLESS_MAIN(TestEngineParts)
#include "tst_engine_parts.moc"
