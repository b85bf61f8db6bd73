// The match runner's reckoning: the score, its interval read game by game
// and opening by opening (inside 0 to 100% however one-sided the match),
// and the results with each colour.

#include "bench/GameLines.h"
#include "bench/MatchTally.h"

#include <QtTest>

using kesto::match::MatchTally;
using Result = MatchTally::Result;
using Pairs = std::array<int, MatchTally::kPairScores>;

using Interval = MatchTally::Interval;

Q_DECLARE_METATYPE(Pairs)
Q_DECLARE_METATYPE(Interval)

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
    void oneSidedBoundAtTheExtremes();
    void colours();
    void readsOpenings_data();
    void readsOpenings();
};

void TestMatch::reckoning_data()
{
    QTest::addColumn<QString>("openings");
    QTest::addColumn<double>("score");
    QTest::addColumn<Interval>("byGame");
    QTest::addColumn<Pairs>("pairs");
    QTest::addColumn<Interval>("byOpening");

    // Wilson's 95% interval for 5 of 10 is 23.66% to 76.34%, as the tables
    // give it. Each opening gives a point both ways, so the pairs do not
    // vary: they are read as 5 wins and losses, not as a certainty.
    QTest::newRow("the colour decides") << "WL WL WL WL WL" << 0.5 << Interval{0.2366, 0.7634}
                                        << Pairs{0, 0, 5, 0, 0} << Interval{0.1704, 0.8296};
    // 4 of 4: from 4 / (4 + 1.96^2) to 100%; nothing certain, nothing beyond.
    QTest::newRow("every game won") << "WW WW" << 1.0 << Interval{0.5101, 1.0} << Pairs{2, 0, 0, 0, 0}
                                    << Interval{0.3424, 1.0};
    QTest::newRow("every game lost") << "LL LL" << 0.0 << Interval{0.0, 0.4899} << Pairs{0, 0, 0, 0, 2}
                                     << Interval{0.0, 0.6576};
    // Games 1, 1/2, 1/2: a score of 2/3 that varies a sixth as much as wins
    // and losses would, so the three games count as twelve: 8 of 12. An
    // opening played only once counts in the score, not in the pairs.
    QTest::newRow("draws vary less") << "WD D" << 2.0 / 3 << Interval{0.3906, 0.8619} << Pairs{0, 1, 0, 0, 0}
                                     << Interval{0.1179, 0.9854};
    QTest::newRow("no games") << "" << 0.0 << Interval{0.0, 1.0} << Pairs{} << Interval{0.0, 1.0};
}

void TestMatch::reckoning()
{
    QFETCH(QString, openings);
    QFETCH(double, score);
    QFETCH(Interval, byGame);
    QFETCH(Pairs, pairs);
    QFETCH(Interval, byOpening);

    const MatchTally tally = tallyOf(openings);
    QVERIFY(qAbs(tally.score() - score) < 1e-9);
    const auto near = [](Interval got, Interval want) {
        return qAbs(got.low - want.low) < 1e-4 && qAbs(got.high - want.high) < 1e-4;
    };
    const auto text = [](Interval interval) { return QStringLiteral("%1 to %2").arg(interval.low).arg(interval.high); };
    QVERIFY2(near(tally.gameInterval(), byGame), qPrintable(text(tally.gameInterval())));
    QCOMPARE(tally.pairs(), pairs);
    QVERIFY2(near(tally.pairInterval(), byOpening), qPrintable(text(tally.pairInterval())));
}

void TestMatch::oneSidedBoundAtTheExtremes()
{
    // 4 of 4 leaves only a lower bound to give: 4 / (4 + 1.645^2).
    const MatchTally tally = tallyOf("WW WW");
    QVERIFY(qAbs(tally.gameInterval(MatchTally::kOneSided95).low - 0.5965) < 1e-4);
    QCOMPARE(tally.gameInterval(MatchTally::kOneSided95).high, 1.0);
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

void TestMatch::readsOpenings_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("openings"); // how many are read; -1: refused
    QTest::addColumn<int>("first"); // the first opening's first cell
    QTest::addColumn<QString>("reason");
    // "x,y" counts from 0, x across: 5,4 is row 5, column 6.
    QTest::newRow("two openings, a blank line") << QByteArray("5,4 6,3 3,3 5,3\n\n3,6 3,4\n") << 2
                                                << static_cast<int>(kesto::cellAt(5, 6)) << QString();
    QTest::newRow("a recorded game serves") << QByteArray("game 1, engine 1 first, draw: 4,4 5,5\n") << 1
                                            << static_cast<int>(kesto::cellAt(5, 5)) << QString();
    QTest::newRow("off the board") << QByteArray("4,4 10,2\n") << -1 << 0
                                   << QStringLiteral("line 1: not a cell: 10,2");
    QTest::newRow("a cell taken twice") << QByteArray("4,4\n4,4 5,5 4,4\n") << -1 << 0
                                        << QStringLiteral("line 2: a cell taken twice");
    QTest::newRow("nothing in it") << QByteArray("\n\n") << -1 << 0 << QStringLiteral("no openings in");
}

void TestMatch::readsOpenings()
{
    QFETCH(QByteArray, text);
    QFETCH(int, openings);
    QFETCH(int, first);
    QFETCH(QString, reason);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(text);
    file.close();
    try {
        const auto read = kesto::match::readOpenings(file.fileName().toStdString());
        QCOMPARE(static_cast<int>(read.size()), openings);
        QCOMPARE(static_cast<int>(read.front().front()), first);
    } catch (const std::runtime_error& error) {
        QVERIFY2(openings < 0, error.what());
        QVERIFY2(QString(error.what()).contains(reason), error.what());
    }
}

QTEST_GUILESS_MAIN(TestMatch)
#include "tst_match.moc"
