// Reading a game back with the forced-win search, a move at a time, on
// bounds of work: recorded games with their known turning move, the moves
// that would have held, a win let go, and a five that is a win, never a
// loss.

#include "FullBoard.h"
#include "engine/GameReview.h"

#include <QtTest>

#include <vector>

using kesto::CellIndex;
using kesto::engine::Attack;
using kesto::engine::GameReview;
using Verdict = GameReview::Verdict;

Q_DECLARE_METATYPE(GameReview::Verdict)

namespace {

// Cells written "x,y" from 0, x across, as the tournament managers do.
std::vector<CellIndex> cells(const QString& text)
{
    std::vector<CellIndex> out;
    for (const QString& pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(QLatin1Char(','));
        out.push_back(kesto::cellAt(xy.at(1).toInt() + 1, xy.at(0).toInt() + 1));
    }
    return out;
}

// The first player lets an open three stand and then lets its own open
// four go.
const QString kOpenThree = QStringLiteral("4,4 0,0 5,4 0,9 6,4 9,9 0,5");
// The second player's last stone makes five from 2,3 to 6,3.
const QString kFiveAtTheEnd = QStringLiteral("4,6 3,3 5,5 6,4 3,7 4,3 2,8 1,9 3,5 5,3 5,7 2,3 1,3 6,3");

} // namespace

class TestReview : public QObject {
    Q_OBJECT

private slots:
    void movesJudged_data();
    void movesJudged();
    void gamesReadBack_data();
    void gamesReadBack();
    void aStoppedReviewSaysSo();
};

void TestReview::movesJudged_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<int>("move"); // counted from 1
    QTest::addColumn<int>("threats");
    QTest::addColumn<qlonglong>("nodes");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("holding");
    QTest::addColumn<QString>("ownWin"); // empty: none
    QTest::newRow("the turning move: an open three left standing")
        << kOpenThree << 6 << 3 << 200000LL << Verdict::Lost << "3,4 7,4" << "";
    QTest::newRow("a win let go: the open four's fifth not played")
        << kOpenThree << 7 << 3 << 200000LL << Verdict::Holds << "" << "3,4";
    QTest::newRow("a five is a win, never a loss")
        << kFiveAtTheEnd << 14 << 7 << 200000LL << Verdict::Wins << "6,3 2,4" << "6,3";
    QTest::newRow("the move that lost, with nothing that holds")
        << kFiveAtTheEnd << 13 << 7 << 200000LL << Verdict::Lost << "" << "";
    QTest::newRow("a move that holds, its alternatives named")
        << kFiveAtTheEnd << 12 << 7 << 200000LL << Verdict::Holds << "2,3 6,3 2,4 6,8" << "2,3";
    QTest::newRow("a bound too small to answer") << kOpenThree << 6 << 3 << 1LL << Verdict::Unknown << "" << "";
}

void TestReview::movesJudged()
{
    QFETCH(QString, game);
    QFETCH(int, move);
    QFETCH(int, threats);
    QFETCH(qlonglong, nodes);
    QFETCH(Verdict, verdict);
    QFETCH(QString, holding);
    QFETCH(QString, ownWin);
    const std::vector<CellIndex> moves = cells(game);
    kesto::Board board;
    for (int index = 0; index + 1 < move; ++index) {
        board.at(moves[static_cast<std::size_t>(index)]) = index % 2 == 0 ? 1 : 2;
    }
    const std::int16_t player = (move - 1) % 2 == 0 ? 1 : 2;
    GameReview review({Attack::ThreesAndFours, threats, static_cast<long>(nodes)});
    const GameReview::Move judged = review.judge(board, player, moves[static_cast<std::size_t>(move - 1)]);
    QCOMPARE(judged.verdict, verdict);
    if (!holding.isEmpty() || verdict == Verdict::Lost) {
        QCOMPARE(judged.holding, cells(holding));
    }
    if (verdict != Verdict::Unknown) {
        QVERIFY(!judged.ownWinUnknown);
        QCOMPARE(judged.ownWin, ownWin.isEmpty() ? CellIndex{0} : cells(ownWin).front());
    }
}

// A side's finding written "move@x,y" (the move counted from 1, the cell
// that held or where the win began; "-" for none), or "" when there is none.
using Finding = QString;

void TestReview::gamesReadBack_data()
{
    QTest::addColumn<QList<CellIndex>>("moves");
    QTest::addColumn<int>("threats");
    QTest::addColumn<int>("winner"); // the side that made five, -1 for none
    QTest::addColumn<QStringList>("turning"); // first side's, second side's
    QTest::addColumn<QStringList>("letGo");
    const auto list = [](const std::vector<CellIndex>& moves) { return QList<CellIndex>(moves.begin(), moves.end()); };
    QTest::newRow("an open three left standing, then a win let go")
        << list(cells(kOpenThree)) << 3 << -1 << QStringList{"", "6@3,4"} << QStringList{"7@3,4", ""};
    QTest::newRow("won by a five; the loser's turn came two moves before")
        << list(cells(kFiveAtTheEnd)) << 7 << 1 << QStringList{"11@6,3", ""} << QStringList{"", ""};
    QTest::newRow("ended by a full board") << list(fullBoardGame()) << 7 << -1 << QStringList{"", ""}
                                           << QStringList{"", ""};
    QTest::newRow("no turning move") << list(cells(QStringLiteral("4,4 5,5 4,5 5,4"))) << 7 << -1
                                     << QStringList{"", ""} << QStringList{"", ""};
}

void TestReview::gamesReadBack()
{
    QFETCH(QList<CellIndex>, moves);
    QFETCH(int, threats);
    QFETCH(int, winner);
    QFETCH(QStringList, turning);
    QFETCH(QStringList, letGo);
    const auto where = [](CellIndex cell) {
        return cell == 0 ? QStringLiteral("-")
                         : QStringLiteral("%1,%2").arg(kesto::columnOf(cell) - 1).arg(kesto::rowOf(cell) - 1);
    };
    GameReview review({Attack::ThreesAndFours, threats, 20000});
    std::size_t told = 0;
    const GameReview::Summary summary =
        review.review(std::vector<CellIndex>(moves.begin(), moves.end()), [&told](std::size_t done, std::size_t total) {
            QCOMPARE(done, told + 1);
            told = done;
            Q_UNUSED(total);
        });
    QCOMPARE(told, static_cast<std::size_t>(moves.size()));
    QVERIFY(summary.complete);
    QCOMPARE(summary.winner ? static_cast<int>(*summary.winner) : -1, winner);
    for (std::size_t side = 0; side < 2; ++side) {
        const auto& turn = summary.turning.at(side);
        QCOMPARE(turn ? QStringLiteral("%1@%2").arg(turn->move + 1).arg(where(turn->holds)) : QString(),
                 turning.at(static_cast<qsizetype>(side)));
        const auto& let = summary.letGo.at(side);
        QCOMPARE(let ? QStringLiteral("%1@%2").arg(let->move + 1).arg(where(let->from)) : QString(),
                 letGo.at(static_cast<qsizetype>(side)));
    }
}

void TestReview::aStoppedReviewSaysSo()
{
    const std::atomic<bool> stop{true};
    GameReview review({Attack::ThreesAndFours, 7, 20000}, &stop);
    const GameReview::Summary summary = review.review(cells(kFiveAtTheEnd));
    QVERIFY(!summary.complete);
    QVERIFY(!summary.turning.at(0) && !summary.turning.at(1));
}

QTEST_APPLESS_MAIN(TestReview)
#include "tst_review.moc"
