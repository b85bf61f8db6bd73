// The threat reader names threes and the stones that stop them without
// putting a stone down; on random boards its answers must be those found by
// trying each stone and reading the whole board again.

#include "engine/Position.h"
#include "engine/Threats.h"

#include <QtTest>

#include <algorithm>
#include <random>
#include <set>

using kesto::CellIndex;
using kesto::MoveList;
using kesto::engine::Position;
using kesto::engine::Side;
using kesto::engine::Threats;
using kesto::engine::TriedStone;

namespace {

std::set<CellIndex> setOf(const MoveList& cells)
{
    return {cells.begin(), cells.end()};
}

bool hasTwoWays(Position& position, Side side)
{
    Threats threats;
    kesto::engine::readThreats(position, side, threats);
    return !threats.doubleFours.empty();
}

// Cells where a stone of `side` leaves it a cell that makes two ways to five.
std::set<CellIndex> threesByTrying(Position& position, Side side)
{
    std::set<CellIndex> found;
    for (int index = 1; index <= kesto::kCellCount; ++index) {
        const auto cell = static_cast<CellIndex>(index);
        if (position.isEmpty(cell)) {
            const TriedStone stone(position, cell, side);
            if (hasTwoWays(position, side)) {
                found.insert(cell);
            }
        }
    }
    return found;
}

// Cells among `side`'s fours where a stone of the other side leaves it no
// cell that makes two ways to five.
std::set<CellIndex> stoppersByTrying(Position& position, Side side, const Threats& threats)
{
    std::set<CellIndex> found;
    for (CellIndex cell : threats.fours) {
        const TriedStone stone(position, cell, opponent(side));
        if (!hasTwoWays(position, side)) {
            found.insert(cell);
        }
    }
    return found;
}

// A random board without a five: stones dropped near the middle, so that
// lines of two and three are common.
Position randomPosition(std::mt19937& random)
{
    Position position;
    const int stones = 6 + static_cast<int>(random() % 30);
    std::uniform_int_distribution<int> near(2, kesto::kBoardSide - 1);
    for (int stone = 0; stone < stones; ++stone) {
        const CellIndex cell = kesto::cellAt(near(random), near(random));
        const Side side = stone % 2 == 0 ? Side::Own : Side::Opponent;
        if (position.isEmpty(cell) && !position.completes(cell, side)) {
            position.place(cell, side);
        }
    }
    return position;
}

} // namespace

class TestThreats : public QObject {
    Q_OBJECT

private slots:
    void agreesWithTryingEachStone();
};

void TestThreats::agreesWithTryingEachStone()
{
    std::mt19937 random(8122026);
    int threes = 0;
    int stopped = 0;
    for (int trial = 0; trial < 600; ++trial) {
        Position position = randomPosition(random);
        const Side side = trial % 2 == 0 ? Side::Own : Side::Opponent;
        const QString where = QStringLiteral("board %1").arg(trial);
        Threats threats;
        kesto::engine::readThreats(position, side, threats);
        if (threats.doubleFours.empty()) {
            MoveList cells;
            kesto::engine::threeMakers(position, side, cells);
            QCOMPARE(setOf(cells), threesByTrying(position, side));
            QVERIFY2(std::set<CellIndex>(cells.begin(), cells.end()).size() == cells.size(), qPrintable(where));
            threes += static_cast<int>(cells.size());
        } else {
            MoveList cells;
            kesto::engine::stoppers(position, side, threats, cells);
            QCOMPARE(setOf(cells), stoppersByTrying(position, side, threats));
            stopped += static_cast<int>(cells.size());
        }
    }
    // The boards must have held plenty of both.
    QVERIFY2(threes > 500 && stopped > 50, qPrintable(QStringLiteral("%1 %2").arg(threes).arg(stopped)));
}

QTEST_GUILESS_MAIN(TestThreats)
#include "tst_threats.moc"
