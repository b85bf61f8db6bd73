// The computer's four strengths: what every level still sees, the mistake
// the weakest makes and the next does not, and kesto-brain's --level.

#include "BoardOf.h"
#include "engine/Engine.h"

#include <QProcess>
#include <QtTest>

#include <cstdlib>

using kesto::Board;
using kesto::CellIndex;
using kesto::engine::Engine;
using kesto::engine::Strength;

Q_DECLARE_METATYPE(Strength)

namespace {

constexpr std::int16_t kMe = 1;
constexpr std::int16_t kThem = 2;
const kesto::engine::Limits kBudget = kesto::engine::Limits::ofNodes(150'000);

// The engine follows the game stone by stone, as the window and the brain
// let it: the stones of `moves` go down one at a time, sides alternating
// from `first`, and the engine is asked after each of its opponent's.
CellIndex playUpTo(Engine& engine, Board& board, const QList<int>& moves, std::int16_t first)
{
    std::int16_t side = first;
    CellIndex answer = 0;
    for (int cell : moves) {
        board.at(cell) = side;
        if (side == kThem) {
            answer = engine.chooseMove(board, kMe, kBudget);
        }
        side = side == kMe ? kThem : kMe;
    }
    return answer;
}

} // namespace

class TestStrength : public QObject {
    Q_OBJECT

private slots:
    void everyLevelTakesAFiveAndStopsAFour_data();
    void everyLevelTakesAFiveAndStopsAFour();
    void everyLevelPlaysNearTheStones_data();
    void everyLevelPlaysNearTheStones();
    void theWeakestOverlooksAFarFour();
    void namesReadBack();
    void brainCommandLine_data();
    void brainCommandLine();
};

void TestStrength::everyLevelTakesAFiveAndStopsAFour_data()
{
    QTest::addColumn<Strength>("strength");
    for (Strength strength : kesto::engine::kStrengths) {
        QTest::newRow(kesto::engine::strengthName(strength).data()) << strength;
    }
}

void TestStrength::everyLevelTakesAFiveAndStopsAFour()
{
    QFETCH(Strength, strength);
    Engine engine(7);
    engine.setStrength(strength);
    // Four of its own on row 5 and a four of theirs on row 8: its five first.
    Board board = boardOf(kMe, {41, 42, 43, 44}, kThem, {71, 72, 73, 74});
    QCOMPARE(engine.chooseMove(board, kMe, kBudget), CellIndex{45});

    // No four of its own: the opponent's four, just made, is stopped.
    engine.newGame();
    board = Board();
    const CellIndex answer = playUpTo(engine, board, {45, 71, 56, 72, 67, 73, 33, 74}, kMe);
    QCOMPARE(answer, CellIndex{75});
}

void TestStrength::everyLevelPlaysNearTheStones_data()
{
    everyLevelTakesAFiveAndStopsAFour_data();
}

void TestStrength::everyLevelPlaysNearTheStones()
{
    QFETCH(Strength, strength);
    // Mistakes are a person's, not stones thrown anywhere: across many
    // games, every move lands next to a stone already on the board.
    for (unsigned game = 0; game < 20; ++game) {
        Engine engine(game);
        engine.setStrength(strength);
        Board board;
        board.at(45) = kThem;
        for (int move = 0; move < 6; ++move) {
            const CellIndex cell = engine.chooseMove(board, kMe, kesto::engine::Limits::ofNodes(20'000));
            QVERIFY(board.at(cell) == kesto::kEmpty);
            bool near = false;
            for (int other = 1; other <= kesto::kCellCount; ++other) {
                near = near || (board.at(other) != kesto::kEmpty
                                && std::abs(kesto::rowOf(other) - kesto::rowOf(cell)) <= 2
                                && std::abs(kesto::columnOf(other) - kesto::columnOf(cell)) <= 2);
            }
            QVERIFY2(near, qPrintable(QStringLiteral("game %1 move %2 at %3").arg(game).arg(move).arg(cell)));
            board.at(cell) = kMe;
            // The opponent answers next to the computer's stone.
            const int reply = cell % kesto::kBoardSide != 0 && board.at(cell + 1) == kesto::kEmpty ? cell + 1 : cell - 1;
            if (reply >= 1 && board.at(reply) == kesto::kEmpty) {
                board.at(reply) = kThem;
            }
        }
    }
}

void TestStrength::theWeakestOverlooksAFarFour()
{
    // The opponent built a four in the top-left corner long ago and has
    // just played far away, in the bottom-right, where the play is. The
    // weakest looks only there; the next level sees the whole board.
    const QList<int> moves{45, 1, 47, 2, 65, 3, 67, 4, 36, 99, 58, 89};
    const auto answer = [&moves](Strength strength) {
        Engine engine(3);
        engine.setStrength(strength);
        Board board;
        return playUpTo(engine, board, moves, kMe);
    };
    QCOMPARE(answer(Strength::Medium), CellIndex{5});
    QVERIFY(answer(Strength::Easy) != CellIndex{5});
}

void TestStrength::namesReadBack()
{
    for (Strength strength : kesto::engine::kStrengths) {
        QCOMPARE(kesto::engine::strengthFromName(kesto::engine::strengthName(strength)), strength);
    }
    QVERIFY(!kesto::engine::strengthFromName("Easy").has_value()); // names are lower case
    QVERIFY(!kesto::engine::strengthFromName("").has_value());
}

void TestStrength::brainCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");

    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0 << QStringLiteral("Usage: kesto-brain");
    QTest::newRow("unknown level") << QStringList{QStringLiteral("--level"), QStringLiteral("ninja")} << 2
                                   << QStringLiteral("kesto-brain: --level must be");
    QTest::newRow("level without a name") << QStringList{QStringLiteral("--level")} << 2
                                          << QStringLiteral("kesto-brain: --level needs a value");
    QTest::newRow("stray argument") << QStringList{QStringLiteral("fast")} << 2
                                    << QStringLiteral("kesto-brain: unknown argument fast");
    QTest::newRow("a level plays") << QStringList{QStringLiteral("--level"), QStringLiteral("easy")} << 0
                                   << QStringLiteral("OK");
    QTest::newRow("bounded by positions and depth")
        << QStringList{QStringLiteral("--nodes"), QStringLiteral("5000"), QStringLiteral("--depth"), QStringLiteral("3"),
                       QStringLiteral("--level"), QStringLiteral("hard")}
        << 0 << QStringLiteral("OK");
    QTest::newRow("nodes without a count") << QStringList{QStringLiteral("--nodes")} << 2
                                           << QStringLiteral("kesto-brain: --nodes needs a value");
    QTest::newRow("no depth at all") << QStringList{QStringLiteral("--depth"), QStringLiteral("0")} << 2
                                     << QStringLiteral("kesto-brain: --depth must be a whole number from 1 to 100");
}

void TestStrength::brainCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    QProcess brain;
    brain.start(QStringLiteral(KESTO_BRAIN), arguments);
    QVERIFY(brain.waitForStarted());
    brain.write("START 10\nBEGIN\nEND\n");
    brain.closeWriteChannel();
    QVERIFY(brain.waitForFinished(5000));
    QCOMPARE(brain.exitCode(), exitCode);
    const QString said = QString::fromUtf8(exitCode == 0 ? brain.readAllStandardOutput() : brain.readAllStandardError());
    QVERIFY2(said.startsWith(output), qPrintable(said));
    if (exitCode != 0) {
        QCOMPARE(said.count(QLatin1Char('\n')), 1); // one line, no usage dump
    } else if (output == QLatin1String("OK")) {
        QVERIFY(QRegularExpression(QStringLiteral("^OK\n[0-9],[0-9]\n$")).match(said).hasMatch());
    }
}

QTEST_APPLESS_MAIN(TestStrength)
#include "tst_strength.moc"
