// The computer player's tactics: it wins when it can, blocks what must be
// blocked, finds a forced win by fours and plays it out.

#include "BoardOf.h"
#include "engine/Engine.h"
#include "engine/Score.h"
#include "game/LineTest.h"

#include <QtTest>

#include <random>

using kesto::Board;
using kesto::CellIndex;
using kesto::engine::Engine;
using kesto::engine::Limits;

Q_DECLARE_METATYPE(kesto::engine::Limits)

namespace {

// About what a move's time buys on a quiet machine, counted in positions so
// that the verdicts are the same on a busy one and under the sanitizers.
const Limits kBudget = Limits::ofNodes(150'000);
// What a move at 300 ms buys, for the positions where that is the question.
const Limits kMoveAt300Ms = Limits::ofNodes(400'000);

Board position(const QList<int>& computer, const QList<int>& human)
{
    return boardOf(kComputer, computer, kHuman, human);
}

bool wins(Board& board, CellIndex cell, std::int16_t player)
{
    board.at(cell) = player;
    kesto::WinLine line;
    return kesto::completesLine(board, cell, player, line);
}

// Whether `player` would complete five on the empty `cell`, leaving the
// board as it was.
bool wouldWin(Board board, CellIndex cell, std::int16_t player)
{
    return board.at(cell) == kesto::kEmpty && wins(board, cell, player);
}

// Plays on from the computer's `first` move, the human answering as the
// engine itself would (so every four is blocked on the only cell that
// stops it); true once the computer completes five within six moves and
// the human never does.
bool playsOut(Board& board, Engine& engine, CellIndex first)
{
    Engine human(4);
    CellIndex move = first;
    for (int turn = 0; turn < 6; ++turn) {
        if (wins(board, move, kComputer)) {
            return true;
        }
        const CellIndex answer = human.chooseMove(board, kHuman, kBudget);
        if (wins(board, answer, kHuman)) {
            qWarning("the human won at %d", answer);
            return false;
        }
        move = engine.chooseMove(board, kComputer, kBudget);
    }
    qWarning("the forced win was not carried through");
    return false;
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

private slots:
    void followsTheGameThroughTakebacks();
    void takesAWinInOne_data();
    void takesAWinInOne();
    void blocks_data();
    void blocks();
    void findsAForcedWinByFoursAndPlaysItOut();
    void findsAForcedWinByThreesAndPlaysItOut();
    void stopsAForcedWinByThreesBeforeItStarts();
    void delaysAForcedLoss();
    void findsTheQuietDefence_data();
    void findsTheQuietDefence();
    void saysWhatItsSearchFound();
    void winsAndBlocksOnRandomBoards();
    void opensInTheMiddleAndVaries();
    void answersLegallyUnderATightBudget_data();
    void answersLegallyUnderATightBudget();
    void limitsEndTheThinkingWhereTheySay();
};

void TestEngine::followsTheGameThroughTakebacks()
{
    // One engine through a game whose stones come and go: each answer must
    // fit the board it is given, not the one it remembers.
    Engine engine(9);
    Board board = position({}, {44, 45, 46});
    const CellIndex first = engine.chooseMove(board, kComputer, kBudget);
    QVERIFY2(first == 43 || first == 47, qPrintable(QString::number(first)));
    board.at(first) = kComputer;
    board.at(first == 43 ? 47 : 43) = kHuman; // now four in a row, one end shut
    const CellIndex block = first == 43 ? 48 : 42;
    QCOMPARE(engine.chooseMove(board, kComputer, kBudget), block);
    // Both stones are taken back and the human plays elsewhere: the four
    // is gone, the old three must be stopped again.
    board.at(first) = kesto::kEmpty;
    board.at(first == 43 ? 47 : 43) = kesto::kEmpty;
    board.at(91) = kHuman;
    const CellIndex again = engine.chooseMove(board, kComputer, kBudget);
    QVERIFY2(again == 43 || again == 47, qPrintable(QString::number(again)));
    // A stone of the human's becomes the computer's: read afresh.
    board.at(45) = kComputer;
    const CellIndex fresh = engine.chooseMove(board, kComputer, kBudget);
    QVERIFY(fresh >= 1 && fresh <= kesto::kCellCount);
    QCOMPARE(board.at(fresh), kesto::kEmpty);
}

void TestEngine::takesAWinInOne_data()
{
    QTest::addColumn<QList<int>>("computer");
    QTest::addColumn<QList<int>>("human");
    QTest::addColumn<QList<int>>("winning");
    QTest::newRow("across, open") << QList<int>{43, 44, 45, 46} << QList<int>{13, 14, 15, 16}
                                  << QList<int>{42, 47};
    QTest::newRow("across, ending on the left edge") << QList<int>{1, 2, 3, 4} << QList<int>{11, 12, 13, 14}
                                                      << QList<int>{5};
    QTest::newRow("down, ending on the bottom edge") << QList<int>{60, 70, 80, 90} << QList<int>{1, 3, 5, 7}
                                                      << QList<int>{50, 100};
    QTest::newRow("down, a gap") << QList<int>{17, 27, 47, 57} << QList<int>{1, 3, 5, 91}
                                 << QList<int>{37};
    QTest::newRow("falling into the corner") << QList<int>{56, 67, 78, 89} << QList<int>{2, 4, 6, 8}
                                             << QList<int>{45, 100};
    QTest::newRow("rising from the corner") << QList<int>{82, 73, 64, 55} << QList<int>{2, 4, 6, 8}
                                            << QList<int>{91, 46};
    QTest::newRow("win rather than block") << QList<int>{31, 32, 33, 34} << QList<int>{61, 62, 63, 64}
                                           << QList<int>{35};
}

void TestEngine::takesAWinInOne()
{
    QFETCH(QList<int>, computer);
    QFETCH(QList<int>, human);
    QFETCH(QList<int>, winning);
    Engine engine(1);
    const CellIndex move = engine.chooseMove(position(computer, human), kComputer, kBudget);
    QVERIFY2(winning.contains(move), qPrintable(QString::number(move)));
}

void TestEngine::blocks_data()
{
    QTest::addColumn<QList<int>>("computer");
    QTest::addColumn<QList<int>>("human");
    QTest::addColumn<QList<int>>("blocks");
    QTest::newRow("a four with one end open") << QList<int>{41, 12, 88} << QList<int>{42, 43, 44, 45}
                                              << QList<int>{46};
    QTest::newRow("a broken four") << QList<int>{1, 99, 50} << QList<int>{22, 33, 55, 66}
                                   << QList<int>{44};
    QTest::newRow("a four on the edge column") << QList<int>{9, 19, 98} << QList<int>{30, 40, 50, 60}
                                               << QList<int>{20, 70};
    QTest::newRow("an open three") << QList<int>{91, 100} << QList<int>{44, 45, 46}
                                   << QList<int>{43, 47};
    QTest::newRow("an open three down a diagonal") << QList<int>{1, 10} << QList<int>{34, 45, 56}
                                                   << QList<int>{23, 67};
}

void TestEngine::blocks()
{
    QFETCH(QList<int>, computer);
    QFETCH(QList<int>, human);
    QFETCH(QList<int>, blocks);
    Engine engine(2);
    const CellIndex move = engine.chooseMove(position(computer, human), kComputer, kBudget);
    QVERIFY2(blocks.contains(move), qPrintable(QString::number(move)));
}

void TestEngine::findsAForcedWinByFoursAndPlaysItOut()
{
    // 15 makes a four across and forces 16; then 45 makes two fours at once
    // (down column 5 and across row 5). Or the same the other way round.
    // Nothing wins at once, and the human threatens nothing.
    Board board = position({12, 13, 14, 25, 35, 42, 43, 44}, {11, 5, 41, 6, 99, 97, 79, 77});
    Engine engine(3);
    const CellIndex first = engine.chooseMove(board, kComputer, kBudget);
    QVERIFY2(first == 15 || first == 45, qPrintable(QString::number(first)));

    QVERIFY(playsOut(board, engine, first));
}

void TestEngine::findsAForcedWinByThreesAndPlaysItOut()
{
    // 45 makes two open threes at once, across row 5 (43, 44) and down
    // column 5 (25, 35): the human can stop only one, and the other becomes
    // an open four. No four is possible before that, so fours alone cannot
    // find it.
    Board board = position({43, 44, 25, 35}, {1, 10, 91, 100});
    Engine engine(7);
    const CellIndex first = engine.chooseMove(board, kComputer, kBudget);
    QVERIFY(playsOut(board, engine, first));
}

void TestEngine::stopsAForcedWinByThreesBeforeItStarts()
{
    // The same cross, the human's this time, and the computer holds the
    // diagonal between its arms: it has nothing to press with, so it must
    // take 45, where both lines meet. Anywhere else leaves a three on one
    // line and a four in the making on the other.
    const Board board = position({34, 10, 91, 100}, {43, 44, 25, 35});
    Engine engine(8);
    const CellIndex move = engine.chooseMove(board, kComputer, kBudget);
    QCOMPARE(move, CellIndex{45});
}

void TestEngine::delaysAForcedLoss()
{
    // An open four cannot be stopped, but the engine still blocks one end
    // rather than let it finish at once.
    Engine engine(5);
    const CellIndex move = engine.chooseMove(position({1, 2, 91}, {44, 45, 46, 47}), kComputer, kBudget);
    QVERIFY2(move == 43 || move == 48, qPrintable(QString::number(move)));
}

void TestEngine::findsTheQuietDefence_data()
{
    // Positions from self-play games at 50 ms a move where the side to move
    // played on quietly and lost: every move but those given leaves the
    // opponent a forced win by threes and fours (game_review, 200,000
    // positions a move; each holding move checked to nine threats, each
    // move played to lose within them). Nothing is forced yet; the defence
    // is a quiet stone that spoils the build-up before it threatens.
    QTest::addColumn<QList<int>>("computer");
    QTest::addColumn<QList<int>>("human");
    QTest::addColumn<QList<int>>("holding");
    QTest::newRow("game 13, move 14") << QList<int>{36, 47, 55, 56, 5, 53} << QList<int>{35, 44, 25, 45, 15, 26, 54}
                                      << QList<int>{29, 38, 74};
    QTest::newRow("game 40, move 8") << QList<int>{56, 47, 75} << QList<int>{45, 55, 65, 36}
                                     << QList<int>{25, 27, 34, 35, 37, 63};
    QTest::newRow("game 26, move 6") << QList<int>{45, 65} << QList<int>{37, 35, 26} << QList<int>{34, 36, 38, 47, 56};
    QTest::newRow("game 29, move 6") << QList<int>{47, 45} << QList<int>{35, 44, 34} << QList<int>{33, 36, 54};
    QTest::newRow("game 7, move 10") << QList<int>{56, 34, 77, 37} << QList<int>{54, 67, 57, 47, 76}
                                     << QList<int>{16, 35, 36, 65, 66, 68};
}

void TestEngine::findsTheQuietDefence()
{
    QFETCH(QList<int>, computer);
    QFETCH(QList<int>, human);
    QFETCH(QList<int>, holding);
    Engine engine(12);
    const CellIndex move = engine.chooseMove(position(computer, human), kComputer, kMoveAt300Ms);
    QVERIFY2(holding.contains(move), qPrintable(QString::number(move)));
}

void TestEngine::saysWhatItsSearchFound()
{
    using kesto::engine::kDecided;
    Engine engine(6);
    // Two open threes far apart: one stone stops only one of them, so the
    // search proves every move lost.
    engine.chooseMove(position({1, 10, 91, 100}, {13, 14, 15, 73, 74, 75}), kComputer, kBudget);
    QVERIFY2(engine.lastScore() < -kDecided, qPrintable(QString::number(engine.lastScore())));
    // A four to block needs no search, and says nothing of the last one.
    engine.chooseMove(position({43, 1}, {44, 45, 46, 47}), kComputer, kBudget);
    QCOMPARE(engine.lastScore(), 0);
    // A quiet opening is searched and nothing is decided.
    engine.chooseMove(position({45, 56}, {44, 55}), kComputer, kBudget);
    QVERIFY(engine.lastDepth() > 0);
    QVERIFY2(engine.lastScore() >= -kDecided && engine.lastScore() <= kDecided,
             qPrintable(QString::number(engine.lastScore())));
}

void TestEngine::winsAndBlocksOnRandomBoards()
{
    // Random positions without a five, either side to move: the engine must
    // take a five when it has one, else stop the opponent's when there is
    // exactly one, and always answer with an empty cell. Both are checked
    // against the rules' line test, cell by cell.
    std::mt19937 random(20261208);
    int wonOrBlocked = 0;
    for (int trial = 0; trial < 400; ++trial) {
        Board board;
        const int stones = 10 + static_cast<int>(random() % 50);
        for (int stone = 0; stone < stones; ++stone) {
            const auto cell = static_cast<CellIndex>(1 + random() % kesto::kCellCount);
            const std::int16_t player = stone % 2 == 0 ? kHuman : kComputer;
            if (board.at(cell) == kesto::kEmpty && !wouldWin(board, cell, player)) {
                board.at(cell) = player;
            }
        }
        const std::int16_t mover = trial % 2 == 0 ? kComputer : kHuman;
        const std::int16_t other = mover == kComputer ? kHuman : kComputer;
        QList<int> ownWins;
        QList<int> theirWins;
        for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
            if (wouldWin(board, static_cast<CellIndex>(cell), mover)) {
                ownWins << cell;
            }
            if (wouldWin(board, static_cast<CellIndex>(cell), other)) {
                theirWins << cell;
            }
        }
        Engine engine(static_cast<unsigned>(trial));
        const CellIndex move = engine.chooseMove(board, mover, Limits::ofNodes(2'000));
        QVERIFY2(move >= 1 && move <= kesto::kCellCount && board.at(move) == kesto::kEmpty,
                 qPrintable(QString("trial %1: %2").arg(trial).arg(move)));
        if (!ownWins.isEmpty()) {
            QVERIFY2(ownWins.contains(move), qPrintable(QString("trial %1 missed a win").arg(trial)));
            ++wonOrBlocked;
        } else if (theirWins.size() == 1) {
            QVERIFY2(move == theirWins.front(), qPrintable(QString("trial %1 did not block").arg(trial)));
            ++wonOrBlocked;
        }
    }
    // The boards must really have put both rules to the test.
    QVERIFY2(wonOrBlocked > 50, qPrintable(QString::number(wonOrBlocked)));
}

void TestEngine::opensInTheMiddleAndVaries()
{
    QSet<int> openings;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Engine engine(seed);
        const CellIndex move = engine.chooseMove(Board{}, kComputer, kBudget);
        QVERIFY(QList<int>({45, 46, 55, 56}).contains(move));
        openings << move;
    }
    QVERIFY(openings.size() > 1);
}

void TestEngine::answersLegallyUnderATightBudget_data()
{
    QTest::addColumn<Limits>("limits");
    QTest::newRow("no time at all") << Limits::ofTime(std::chrono::milliseconds(0));
    QTest::newRow("one position") << Limits::ofNodes(1);
    QTest::newRow("a few positions") << Limits::ofNodes(40);
    QTest::newRow("one ply") << Limits::ofDepth(1);
}

void TestEngine::answersLegallyUnderATightBudget()
{
    // A crowded middle game and almost nothing to think with: still a move,
    // on an empty cell. (How fast it plays is the benchmark's business.)
    QFETCH(Limits, limits);
    const Board board = position({34, 45, 46, 57, 63, 66, 24, 75}, {35, 44, 55, 56, 65, 54, 36, 67});
    Engine engine(6);
    const CellIndex move = engine.chooseMove(board, kComputer, limits);
    QVERIFY(move >= 1 && move <= 100);
    QCOMPARE(board.at(move), kesto::kEmpty);
}

void TestEngine::limitsEndTheThinkingWhereTheySay()
{
    // Bounded by work, the same question gets the same answer and the same
    // count of positions, however busy the machine; a depth bound caps the
    // search's depth.
    const Board board = position({45, 56}, {44, 55});
    Engine first(11);
    Engine second(11);
    const Limits work = Limits::ofNodes(30'000);
    QCOMPARE(first.chooseMove(board, kComputer, work), second.chooseMove(board, kComputer, work));
    QCOMPARE(first.lastNodes(), second.lastNodes());
    QVERIFY2(first.lastNodes() > 0 && first.lastNodes() <= 30'000, qPrintable(QString::number(first.lastNodes())));
    for (int plies : {1, 2, 4}) {
        Engine engine(11);
        engine.chooseMove(board, kComputer, Limits::ofDepth(plies));
        QCOMPARE(engine.lastDepth(), plies);
    }
}

QTEST_APPLESS_MAIN(TestEngine)
#include "tst_engine.moc"
