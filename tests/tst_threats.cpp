// The threat reader names threes and the stones that stop them without
// putting a stone down; on random boards its answers must be those found by
// trying each stone and reading the whole board again.

#include "engine/Position.h"
#include "engine/Threats.h"

#include <QtTest>

#include <random>
#include <set>

using kesto::CellIndex;
using kesto::MoveList;
using kesto::engine::Position;
using kesto::engine::Side;
using kesto::engine::Threats;

namespace {

// Whether a stone of `stoneSide` on `cell` leaves `side` a cell that makes
// two ways to five.
bool twoWaysAfter(Position& position, CellIndex cell, Side stoneSide, Side side)
{
    const kesto::engine::TriedStone stone(position, cell, stoneSide);
    Threats threats;
    kesto::engine::readThreats(position, side, threats);
    return !threats.doubleFours.empty();
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
    std::uniform_int_distribution<int> nearMiddle(2, kesto::kBoardSide - 1);
    int threes = 0;
    int stoppers = 0;
    for (int trial = 0; trial < 600; ++trial) {
        // Stones near the middle, so that lines of two and three are common;
        // none completes five.
        Position position;
        for (int stone = 6 + static_cast<int>(random() % 30); stone > 0; --stone) {
            const CellIndex cell = kesto::cellAt(nearMiddle(random), nearMiddle(random));
            const Side side = stone % 2 == 0 ? Side::Own : Side::Opponent;
            if (position.isEmpty(cell) && !position.completes(cell, side)) {
                position.place(cell, side);
            }
        }
        const Side side = trial % 2 == 0 ? Side::Own : Side::Opponent;
        Threats threats;
        kesto::engine::readThreats(position, side, threats);
        MoveList read;
        std::set<CellIndex> tried;
        if (threats.doubleFours.empty()) {
            kesto::engine::threeMakers(position, side, read);
            for (int index = 1; index <= kesto::kCellCount; ++index) {
                const auto cell = static_cast<CellIndex>(index);
                if (position.isEmpty(cell) && twoWaysAfter(position, cell, side, side)) {
                    tried.insert(cell);
                }
            }
            threes += static_cast<int>(tried.size());
        } else {
            kesto::engine::stoppers(position, side, threats, read);
            for (CellIndex cell : threats.fours) {
                if (!twoWaysAfter(position, cell, opponent(side), side)) {
                    tried.insert(cell);
                }
            }
            stoppers += static_cast<int>(tried.size());
        }
        QCOMPARE(read.size(), tried.size()); // each cell named once
        QCOMPARE(std::set<CellIndex>(read.begin(), read.end()), tried);
    }
    // The boards must have held plenty of both.
    QVERIFY2(threes > 500 && stoppers > 50, qPrintable(QStringLiteral("%1 %2").arg(threes).arg(stoppers)));
}

QTEST_GUILESS_MAIN(TestThreats)
#include "tst_threats.moc"
