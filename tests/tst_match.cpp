// The match runner's reckoning: the score, its interval read game by game
// and opening by opening, and the results with each colour.

#include "bench/MatchTally.h"

#include <QtTest>

using kesto::match::MatchTally;
using Result = MatchTally::Result;
using Pairs = std::array<int, MatchTally::kPairScores>;

Q_DECLARE_METATYPE(Pairs)

namespace {

Result resultOf(QChar letter)
{
    return letter == 'W' ? Result::Win : letter == 'D' ? Result::Draw : Result::Loss;
}

// Openings separated by blanks; for each, the first engine's result when it
// moved first, then (if played) when it moved second: "WL D".
MatchTally tallyOf(const QString& openings)
{
    MatchTally tally;
    int opening = 0;
    for (const QString& games : openings.split(' ', Qt::SkipEmptyParts)) {
        for (int game = 0; game < games.size(); ++game) {
            tally.add(opening, game == 0, resultOf(games.at(game)));
        }
        ++opening;
    }
    return tally;
}

} // namespace

class TestMatch : public QObject {
    Q_OBJECT

private slots:
    void reckoning_data();
    void reckoning();
    void colours();
};

void TestMatch::reckoning_data()
{
    QTest::addColumn<QString>("openings");
    QTest::addColumn<double>("score");
    QTest::addColumn<double>("gameMargin");
    QTest::addColumn<Pairs>("pairs");
    QTest::addColumn<double>("pairMargin");

    // Half the games won, half lost: one game's spread is 1/2, so the margin
    // is 1.96 * 0.5 / sqrt(games). When the colour decides every game, each
    // opening gives a point: the pairs do not vary, and the match says
    // exactly what it measured.
    QTest::newRow("the colour decides") << "WL WL WL WL" << 0.5 << 1.96 * 0.5 / std::sqrt(8.0)
                                        << Pairs{0, 0, 4, 0, 0} << 0.0;
    // The same games, each opening won or lost both ways: pair scores 1 and
    // 0 spread 1/2 over two pairs.
    QTest::newRow("the opening decides") << "WW LL" << 0.5 << 1.96 * 0.5 / 2.0 << Pairs{1, 0, 0, 0, 1}
                                         << 1.96 * 0.5 / std::sqrt(2.0);
    // An opening played only once counts in the score, not in the pairs.
    // Games 1, 1/2, 1/2 about 2/3: spread sqrt((1/9 + 2/36) / 3).
    QTest::newRow("a game without its pair") << "WD D" << 2.0 / 3 << 1.96 * std::sqrt((1.0 / 9 + 2.0 / 36) / 3) / std::sqrt(3.0)
                                             << Pairs{0, 1, 0, 0, 0} << 0.0;
    QTest::newRow("no games") << "" << 0.0 << 0.0 << Pairs{} << 0.0;
}

void TestMatch::reckoning()
{
    QFETCH(QString, openings);
    QFETCH(double, score);
    QFETCH(double, gameMargin);
    QFETCH(Pairs, pairs);
    QFETCH(double, pairMargin);

    const MatchTally tally = tallyOf(openings);
    QVERIFY(qAbs(tally.score() - score) < 1e-9);
    QVERIFY2(qAbs(tally.gameMargin() - gameMargin) < 1e-9, qPrintable(QString::number(tally.gameMargin())));
    QCOMPARE(tally.pairs(), pairs);
    QVERIFY2(qAbs(tally.pairMargin() - pairMargin) < 1e-9, qPrintable(QString::number(tally.pairMargin())));
}

void TestMatch::colours()
{
    // Openings given in any order still pair up by their number.
    MatchTally tally;
    tally.add(1, true, Result::Win);
    tally.add(0, true, Result::Draw);
    tally.add(1, false, Result::Loss);
    tally.add(0, false, Result::Loss);
    QCOMPARE(tally.games(), 4);
    QCOMPARE(tally.count(true, Result::Win), 1);
    QCOMPARE(tally.count(true, Result::Draw), 1);
    QCOMPARE(tally.count(false, Result::Loss), 2);
    QCOMPARE(tally.count(Result::Loss), 2);
    QCOMPARE(tally.pairs(), (Pairs{0, 0, 1, 1, 0}));
}

QTEST_GUILESS_MAIN(TestMatch)
#include "tst_match.moc"
