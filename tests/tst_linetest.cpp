// The line-of-five test on its own: hand-made positions, then many random
// boards checked against an independent line finder that walks rows and
// columns instead of cell numbers.

#include "game/LineTest.h"

#include <QtTest>

#include <random>

using kesto::Axis;
using kesto::Board;
using kesto::CellIndex;
using kesto::WinLine;
using kesto::kEmpty;

namespace {

constexpr std::int16_t kMover = 1;
constexpr std::int16_t kOpponent = 2;

Board boardWith(const QList<int>& mine, const QList<int>& theirs)
{
    Board board;
    for (int cell : mine) {
        board.at(cell) = kMover;
    }
    for (int cell : theirs) {
        board.at(cell) = kOpponent;
    }
    return board;
}

QList<int> cellsOf(const WinLine& line)
{
    QList<int> cells;
    for (int slot = WinLine::first; slot <= WinLine::last; ++slot) {
        cells << line.at(slot);
    }
    return cells;
}

// The four axes as row and column steps: the first direction of each axis
// is the one a move follows first (up, left, up-left, down-left).
struct Direction {
    int dRow;
    int dColumn;
};
constexpr std::array<std::array<Direction, 2>, 4> kDirections{{
    {{{-1, 0}, {1, 0}}},
    {{{0, -1}, {0, 1}}},
    {{{-1, -1}, {1, 1}}},
    {{{1, -1}, {-1, 1}}},
}};

// The run through `cell` on one axis, found by walking rows and columns:
// the cell itself, then each direction's stones nearest first.
QList<int> runThrough(const Board& board, int cell, std::int16_t player, std::size_t axis)
{
    QList<int> run{cell};
    const int row = (cell - 1) / kesto::kBoardSide;
    const int column = (cell - 1) % kesto::kBoardSide;
    for (const Direction d : kDirections.at(axis)) {
        for (int r = row + d.dRow, c = column + d.dColumn;
             r >= 0 && r < kesto::kBoardSide && c >= 0 && c < kesto::kBoardSide
             && board.at(r * kesto::kBoardSide + c + 1) == player;
             r += d.dRow, c += d.dColumn) {
            run << r * kesto::kBoardSide + c + 1;
        }
    }
    return run;
}

} // namespace

class TestLineTest : public QObject {
    Q_OBJECT

private slots:
    void positions_data();
    void positions();
    void randomBoardsMatchAnIndependentFinder();
};

void TestLineTest::positions_data()
{
    QTest::addColumn<QList<int>>("mine");
    QTest::addColumn<QList<int>>("theirs");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QList<int>>("counts"); // vertical, horizontal, falling, rising
    QTest::addColumn<QList<int>>("winLine"); // empty when the move does not win

    // Runs that end on the edge of the board count that edge stone.
    QTest::newRow("top row, corner stone placed")
        << QList<int>{2, 3, 4, 5} << QList<int>{} << 1 << QList<int>{1, 5, 1, 1}
        << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("top row, corner stone already there")
        << QList<int>{1, 2, 3, 4} << QList<int>{} << 5 << QList<int>{1, 5, 1, 1}
        << QList<int>{5, 4, 3, 2, 1};
    QTest::newRow("six from the corner")
        << QList<int>{1, 2, 3, 4, 5} << QList<int>{} << 6 << QList<int>{1, 6, 1, 1}
        << QList<int>{6, 5, 4, 3, 2};
    QTest::newRow("bottom row, right corner already there")
        << QList<int>{96, 97, 99, 100} << QList<int>{} << 98 << QList<int>{1, 5, 1, 1}
        << QList<int>{98, 97, 96, 99, 100};
    QTest::newRow("bottom row, left corner placed")
        << QList<int>{92, 93, 94, 95} << QList<int>{} << 91 << QList<int>{1, 5, 1, 1}
        << QList<int>{91, 92, 93, 94, 95};
    QTest::newRow("vertical, bottom end placed")
        << QList<int>{15, 25, 35, 45} << QList<int>{} << 55 << QList<int>{5, 1, 1, 1}
        << QList<int>{55, 45, 35, 25, 15};
    QTest::newRow("vertical, middle placed")
        << QList<int>{15, 25, 45, 55} << QList<int>{} << 35 << QList<int>{5, 1, 1, 1}
        << QList<int>{35, 25, 15, 45, 55};
    QTest::newRow("vertical, top edge stone already there")
        << QList<int>{5, 15, 25, 35} << QList<int>{} << 45 << QList<int>{5, 1, 1, 1}
        << QList<int>{45, 35, 25, 15, 5};
    QTest::newRow("vertical, top edge stone placed")
        << QList<int>{15, 25, 35, 45} << QList<int>{} << 5 << QList<int>{5, 1, 1, 1}
        << QList<int>{5, 15, 25, 35, 45};
    QTest::newRow("vertical along the right column")
        << QList<int>{20, 30, 40, 50} << QList<int>{} << 60 << QList<int>{5, 1, 1, 1}
        << QList<int>{60, 50, 40, 30, 20};
    QTest::newRow("falling, middle placed")
        << QList<int>{12, 23, 45, 56} << QList<int>{} << 34 << QList<int>{1, 1, 5, 1}
        << QList<int>{34, 23, 12, 45, 56};
    QTest::newRow("falling, corner stone already there")
        << QList<int>{1, 12, 23, 34} << QList<int>{} << 45 << QList<int>{1, 1, 5, 1}
        << QList<int>{45, 34, 23, 12, 1};
    QTest::newRow("falling, corner stone placed")
        << QList<int>{12, 23, 34, 45} << QList<int>{} << 1 << QList<int>{1, 1, 5, 1}
        << QList<int>{1, 12, 23, 34, 45};
    QTest::newRow("falling into the bottom-right corner")
        << QList<int>{89, 78, 67, 56} << QList<int>{} << 100 << QList<int>{1, 1, 5, 1}
        << QList<int>{100, 89, 78, 67, 56};
    QTest::newRow("rising, middle placed: down-left side first")
        << QList<int>{19, 28, 46, 55} << QList<int>{} << 37 << QList<int>{1, 1, 1, 5}
        << QList<int>{37, 46, 55, 28, 19};
    QTest::newRow("rising from the bottom-left corner")
        << QList<int>{82, 73, 64, 55} << QList<int>{} << 91 << QList<int>{1, 1, 1, 5}
        << QList<int>{91, 82, 73, 64, 55};
    QTest::newRow("rising from the top-right corner")
        << QList<int>{19, 28, 37, 46} << QList<int>{} << 10 << QList<int>{1, 1, 1, 5}
        << QList<int>{10, 19, 28, 37, 46};
    QTest::newRow("rising, top-right corner already there")
        << QList<int>{10, 19, 28, 37} << QList<int>{} << 46 << QList<int>{1, 1, 1, 5}
        << QList<int>{46, 37, 28, 19, 10};

    // Runs never continue from one row into the next.
    QTest::newRow("row boundary: the left-edge stone counts, the row above does not")
        << QList<int>{9, 10, 11, 12} << QList<int>{} << 13 << QList<int>{1, 3, 1, 1}
        << QList<int>{};
    QTest::newRow("row boundary: right-edge stone placed")
        << QList<int>{9, 11, 12, 13} << QList<int>{} << 10 << QList<int>{1, 2, 1, 1}
        << QList<int>{};
    QTest::newRow("no wrap from the right column into the next row")
        << QList<int>{11, 12, 13, 14} << QList<int>{} << 10 << QList<int>{1, 1, 1, 1}
        << QList<int>{};
    QTest::newRow("no diagonal wrap from the right column")
        << QList<int>{21, 32, 43, 54} << QList<int>{} << 10 << QList<int>{1, 1, 1, 1}
        << QList<int>{};

    // How runs are counted.
    QTest::newRow("six in a row: the sixth counts but is not kept")
        << QList<int>{22, 23, 25, 26, 27} << QList<int>{} << 24 << QList<int>{1, 6, 1, 1}
        << QList<int>{24, 23, 22, 25, 26};
    QTest::newRow("two complete axes: vertical comes first")
        << QList<int>{15, 25, 45, 55, 33, 34, 36, 37} << QList<int>{} << 35
        << QList<int>{5, 5, 1, 1} << QList<int>{35, 25, 15, 45, 55};
    QTest::newRow("axes are never added together")
        << QList<int>{35, 45, 53, 54} << QList<int>{} << 55 << QList<int>{3, 3, 1, 1}
        << QList<int>{};
    QTest::newRow("an opponent's stone ends the run")
        << QList<int>{41, 42, 43, 45} << QList<int>{44} << 46 << QList<int>{1, 2, 1, 1}
        << QList<int>{};
    QTest::newRow("four is not enough")
        << QList<int>{44, 45, 46} << QList<int>{} << 47 << QList<int>{1, 4, 1, 1}
        << QList<int>{};
}

void TestLineTest::positions()
{
    QFETCH(QList<int>, mine);
    QFETCH(QList<int>, theirs);
    QFETCH(int, clicked);
    QFETCH(QList<int>, counts);
    QFETCH(QList<int>, winLine);

    Board board = boardWith(mine, theirs);
    board.at(clicked) = kMover;
    const auto index = static_cast<CellIndex>(clicked);

    for (std::size_t axis = 0; axis < kesto::kAxes.size(); ++axis) {
        WinLine scratch;
        QCOMPARE(kesto::countAxis(board, index, kMover, kesto::kAxes.at(axis), scratch),
                 counts.at(static_cast<qsizetype>(axis)));
    }

    WinLine line;
    QCOMPARE(kesto::completesLine(board, index, kMover, line), !winLine.isEmpty());
    if (!winLine.isEmpty()) {
        QCOMPARE(cellsOf(line), winLine);
    }
}

void TestLineTest::randomBoardsMatchAnIndependentFinder()
{
    constexpr unsigned kSeed = 20261208;
    constexpr int kBoards = 3000;
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> owner(0, 2);
    std::uniform_int_distribution<int> density(1, 9);
    int wins = 0;

    for (int round = 0; round < kBoards; ++round) {
        // Dense boards give long runs along every edge; sparse ones give
        // short runs and gaps.
        Board board;
        const int fill = density(random);
        for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
            if (owner(random) * 5 < fill) {
                board.at(cell) = static_cast<std::int16_t>(1 + owner(random) % 2);
            }
        }
        for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
            const std::int16_t player = board.at(cell) == kEmpty ? kMover : board.at(cell);
            Board played = board;
            played.at(cell) = player;
            const auto index = static_cast<CellIndex>(cell);

            QList<int> expectedLine;
            for (std::size_t axis = 0; axis < kesto::kAxes.size(); ++axis) {
                const QList<int> run = runThrough(played, cell, player, axis);
                WinLine scratch;
                const int count =
                    kesto::countAxis(played, index, player, kesto::kAxes.at(axis), scratch);
                if (count != run.size()) {
                    QFAIL(qPrintable(QStringLiteral("seed %1 board %2 cell %3 axis %4: counted "
                                                    "%5, the run has %6")
                                         .arg(kSeed).arg(round).arg(cell).arg(axis)
                                         .arg(count).arg(run.size())));
                }
                if (expectedLine.isEmpty() && run.size() >= kesto::kLineLength) {
                    expectedLine = run.first(kesto::kLineLength);
                }
            }

            WinLine line;
            const bool won = kesto::completesLine(played, index, player, line);
            QCOMPARE(won, !expectedLine.isEmpty());
            if (won) {
                ++wins;
                QCOMPARE(cellsOf(line), expectedLine);
            }
        }
    }
    // The boards must have offered plenty of wins for the check to mean much.
    QVERIFY2(wins > kBoards, qPrintable(QString::number(wins)));
}

QTEST_APPLESS_MAIN(TestLineTest)
#include "tst_linetest.moc"
