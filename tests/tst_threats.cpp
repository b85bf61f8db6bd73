// The threat reader keeps, stone by stone, where each side makes five, a
// four or two ways to five; on random boards, reached by stones put down and
// lifted in any order, these must be what the rules' line test finds by
// trying each stone. It names threes and the stones that stop them without
// putting a stone down; those must be what trying each stone and reading the
// threats again finds.

#include "engine/Position.h"
#include "engine/Threats.h"

#include <QtTest>

#include <random>
#include <set>
#include <vector>

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

// The empty cells where the rules' line test completes five for `side`.
std::set<CellIndex> fivesOf(Position& position, Side side)
{
    std::set<CellIndex> cells;
    for (int index = 1; index <= kesto::kCellCount; ++index) {
        const auto cell = static_cast<CellIndex>(index);
        if (position.isEmpty(cell) && position.completes(cell, side)) {
            cells.insert(cell);
        }
    }
    return cells;
}

// Random stones near the middle, so that lines of two and three are common;
// none completes five. Some are lifted again, most often the last one, as a
// search does, but not always.
Position randomPosition(std::mt19937& random)
{
    std::uniform_int_distribution<int> nearMiddle(2, kesto::kBoardSide - 1);
    Position position;
    std::vector<CellIndex> placed;
    for (int stone = 6 + static_cast<int>(random() % 30); stone > 0; --stone) {
        const CellIndex cell = kesto::cellAt(nearMiddle(random), nearMiddle(random));
        const Side side = stone % 2 == 0 ? Side::Own : Side::Opponent;
        if (position.isEmpty(cell) && !position.completes(cell, side)) {
            position.place(cell, side);
            placed.push_back(cell);
        }
        if (!placed.empty() && random() % 5 == 0) {
            const std::size_t which = random() % 3 == 0 ? random() % placed.size() : placed.size() - 1;
            position.lift(placed.at(which));
            placed.erase(placed.begin() + static_cast<std::ptrdiff_t>(which));
        }
    }
    return position;
}

} // namespace

class TestThreats : public QObject {
    Q_OBJECT

private slots:
    void readsWhatTheLineTestFinds();
    void agreesWithTryingEachStone();
};

void TestThreats::readsWhatTheLineTestFinds()
{
    std::mt19937 random(11122026);
    int fours = 0;
    int twoWays = 0;
    for (int trial = 0; trial < 300; ++trial) {
        Position position = randomPosition(random);
        for (const Side side : {Side::Own, Side::Opponent}) {
            Threats threats;
            kesto::engine::readThreats(position, side, threats);
            QCOMPARE(std::set<CellIndex>(threats.wins.begin(), threats.wins.end()), fivesOf(position, side));
            if (!threats.wins.empty()) {
                continue; // any stone leaves the five there is: fours mean nothing
            }
            // A four: after the stone, the line test completes five on one
            // cell; two ways to five: on two or more.
            std::set<CellIndex> foursFound;
            std::set<CellIndex> twoWaysFound;
            for (int index = 1; index <= kesto::kCellCount; ++index) {
                const auto cell = static_cast<CellIndex>(index);
                if (!position.isEmpty(cell)) {
                    continue;
                }
                const kesto::engine::TriedStone stone(position, cell, side);
                const std::size_t ways = fivesOf(position, side).size();
                if (ways > 0) {
                    foursFound.insert(cell);
                }
                if (ways > 1) {
                    twoWaysFound.insert(cell);
                }
            }
            QCOMPARE(std::set<CellIndex>(threats.fours.begin(), threats.fours.end()), foursFound);
            QCOMPARE(std::set<CellIndex>(threats.doubleFours.begin(), threats.doubleFours.end()), twoWaysFound);
            fours += static_cast<int>(foursFound.size());
            twoWays += static_cast<int>(twoWaysFound.size());
        }
    }
    // The boards must have held plenty of both.
    QVERIFY2(fours > 500 && twoWays > 100, qPrintable(QStringLiteral("%1 %2").arg(fours).arg(twoWays)));
}

void TestThreats::agreesWithTryingEachStone()
{
    std::mt19937 random(8122026);
    int threes = 0;
    int stoppers = 0;
    for (int trial = 0; trial < 600; ++trial) {
        Position position = randomPosition(random);
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
