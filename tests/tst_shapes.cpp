// What a stone would make of each line through its cell, as the computer
// reads it from the four cells either side, and the cells' worth kept stone
// by stone as moves are tried and taken back.

#include "engine/Candidates.h"
#include "engine/LineShape.h"
#include "engine/Position.h"
#include "engine/ShapeWeights.h"

#include <QtTest>

#include <random>

using kesto::CellIndex;
using kesto::engine::LineCode;
using kesto::engine::Position;
using kesto::engine::Shape;
using kesto::engine::Side;

namespace {

// A line drawn as nine characters, the cell asked about in the middle:
// 'X' a stone of the side asked about, 'O' the other side's, '#' beyond the
// edge, '.' empty.
LineCode::Code codeOf(const QString& line, Side side)
{
    LineCode::Code code = 0;
    for (int offset = -LineCode::kReach; offset <= LineCode::kReach; ++offset) {
        const QChar drawn = line.at(offset + LineCode::kReach);
        LineCode::Code mark = LineCode::kEmpty;
        if (drawn == 'X') {
            mark = LineCode::mark(side);
        } else if (drawn == 'O') {
            mark = LineCode::mark(opponent(side));
        } else if (drawn == '#') {
            mark = LineCode::kEdge;
        }
        if (offset != 0) {
            code |= static_cast<LineCode::Code>(mark << LineCode::shift(offset));
        }
    }
    return code;
}

// The nine cells of the line through (row, column) that steps by
// (rowStep, columnStep), drawn as above for `side`, walked on the board.
QString lineThrough(const kesto::Board& board, int row, int column, int rowStep, int columnStep, Side side)
{
    const std::int16_t own = side == Side::Own ? 1 : 2;
    QString line;
    for (int offset = -LineCode::kReach; offset <= LineCode::kReach; ++offset) {
        const int r = row + offset * rowStep;
        const int c = column + offset * columnStep;
        if (!kesto::onBoard(r, c)) {
            line += '#';
        } else {
            const std::int16_t stone = board.at(kesto::cellAt(r, c));
            line += stone == kesto::kEmpty ? '.' : stone == own ? 'X' : 'O';
        }
    }
    return line;
}

} // namespace

class TestShapes : public QObject {
    Q_OBJECT

private slots:
    void readsEachLine_data();
    void readsEachLine();
    void keepsTheCellsWorthStoneByStone();
    void readsEveryLineOfTheBoard();
    void putsAForkFirst();
};

void TestShapes::readsEachLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Shape>("shape");
    QTest::newRow("five") << "..XX*XX.." << Shape::Five;
    QTest::newRow("six wins too") << "XXXX*X..." << Shape::Five;
    QTest::newRow("open four") << ".XXX*...." << Shape::OpenFour;
    QTest::newRow("four filling its own gap both ways") << "X.XX*.X.." << Shape::OpenFour;
    QTest::newRow("four shut by a stone") << "OXXX*...." << Shape::Four;
    QTest::newRow("four shut by the edge") << "#XXX*...." << Shape::Four;
    QTest::newRow("four with a gap") << "..XX*.X.." << Shape::Four;
    QTest::newRow("open three") << "..XX*...." << Shape::ThreeOpen;
    QTest::newRow("broken three") << "..X.*X..." << Shape::ThreeOpen;
    QTest::newRow("three shut by a stone") << ".OXX*...." << Shape::ThreeClosed;
    QTest::newRow("three with room for a four only") << "XX..*..OO" << Shape::ThreeClosed;
    QTest::newRow("three between the edges of a short line") << "#.XX*.O##" << Shape::ThreeClosed;
    QTest::newRow("open two") << "...X*...." << Shape::TwoOpen;
    QTest::newRow("two shut by a stone") << "..OX*...." << Shape::TwoClosed;
    QTest::newRow("one") << "....*...." << Shape::One;
    QTest::newRow("no room for five") << "..O.*..O." << Shape::None;
    QTest::newRow("between the edges") << "###.*.###" << Shape::None;
}

void TestShapes::readsEachLine()
{
    QFETCH(QString, line);
    QFETCH(Shape, shape);
    // The same line reads the same for either side.
    for (Side side : {Side::Own, Side::Opponent}) {
        QCOMPARE(LineCode::shapeOf(codeOf(line, side), side), shape);
    }
    // Where the 'X's make a four or more, the other side, whose line they
    // block, can make a one there at most.
    if (shape >= Shape::Four) {
        QVERIFY(LineCode::shapeOf(codeOf(line, Side::Own), Side::Opponent) <= Shape::One);
    }
}

void TestShapes::keepsTheCellsWorthStoneByStone()
{
    // Stones put down and taken back at random; after each, every empty
    // cell's worth and the totals must be those of the board read afresh.
    std::mt19937 random(9122026);
    std::uniform_int_distribution<int> anyCell(1, kesto::kCellCount);
    for (int trial = 0; trial < 100; ++trial) {
        Position position;
        kesto::Board board;
        std::vector<CellIndex> placed;
        for (int step = 0; step < 80; ++step) {
            if (!placed.empty() && random() % 4 == 0) {
                position.lift(placed.back());
                board.at(placed.back()) = kesto::kEmpty;
                placed.pop_back();
            } else if (const auto cell = static_cast<CellIndex>(anyCell(random)); position.isEmpty(cell)) {
                const Side side = random() % 2 == 0 ? Side::Own : Side::Opponent;
                position.place(cell, side);
                board.at(cell) = side == Side::Own ? 1 : 2;
                placed.push_back(cell);
            }
            Position fresh;
            fresh.load(board, 1);
            for (Side side : {Side::Own, Side::Opponent}) {
                QCOMPARE(position.evaluate(side), fresh.evaluate(side));
                // The tuner fits the weights to these tallies: they must add
                // up to what the engine judges.
                QCOMPARE(kesto::engine::kToMoveWeights.worth(position.shapeTally(side))
                             - kesto::engine::kWaitingWeights.worth(position.shapeTally(opponent(side))),
                         position.evaluate(side));
                for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
                    const auto index = static_cast<CellIndex>(cell);
                    if (position.isEmpty(index)) {
                        QCOMPARE(position.shapeScore(index, side), fresh.shapeScore(index, side));
                    }
                }
            }
        }
    }
}

void TestShapes::readsEveryLineOfTheBoard()
{
    // What the position makes of each empty cell's four lines, summed over
    // the board, against the lines walked cell by cell across, down and
    // along both diagonals: edges and corners included, on boards from
    // nearly empty to nearly full.
    const std::array<std::pair<int, int>, LineCode::kDirections> steps{{{0, 1}, {1, 0}, {1, 1}, {1, -1}}};
    std::mt19937 random(10122026);
    for (int trial = 0; trial < 60; ++trial) {
        kesto::Board board;
        Position position;
        const int stones = static_cast<int>(random() % 90);
        for (int stone = 0; stone < stones; ++stone) {
            const auto cell = static_cast<CellIndex>(1 + random() % kesto::kCellCount);
            if (position.isEmpty(cell)) {
                const Side side = stone % 2 == 0 ? Side::Own : Side::Opponent;
                position.place(cell, side);
                board.at(cell) = side == Side::Own ? 1 : 2;
            }
        }
        for (Side side : {Side::Own, Side::Opponent}) {
            kesto::engine::ShapeTally walked;
            for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
                if (board.at(cell) != kesto::kEmpty) {
                    continue;
                }
                const int row = kesto::rowOf(cell);
                const int column = kesto::columnOf(cell);
                LineCode::Shapes shapes{};
                for (std::size_t d = 0; d < steps.size(); ++d) {
                    const QString line = lineThrough(board, row, column, steps[d].first, steps[d].second, side);
                    shapes[d] = LineCode::shapeOf(codeOf(line, side), side);
                    ++walked.lines.at(static_cast<std::size_t>(shapes[d]));
                }
                ++walked.meetings.at(static_cast<std::size_t>(kesto::engine::ShapeTally::meetingOf(shapes)));
            }
            QCOMPARE(position.shapeTally(side), walked);
        }
    }
}

void TestShapes::putsAForkFirst()
{
    // Two of our twos, across row 5 and down column 5, point at the same
    // cell: a stone on row 5, column 5 makes two open threes at once, which
    // no single stone stops. It must come before the cells that make one.
    Position position;
    for (const auto& [row, column] : {std::pair{5, 3}, {5, 4}, {3, 5}, {4, 5}}) {
        position.place(kesto::cellAt(row, column), Side::Own);
    }
    for (const auto& [row, column] : {std::pair{8, 8}, {8, 2}, {2, 8}, {2, 2}}) {
        position.place(kesto::cellAt(row, column), Side::Opponent);
    }
    kesto::MoveList best;
    kesto::engine::bestLooking(position, Side::Own, 5, best);
    QCOMPARE(best.front(), kesto::cellAt(5, 5));
}

QTEST_APPLESS_MAIN(TestShapes)
#include "tst_shapes.moc"
