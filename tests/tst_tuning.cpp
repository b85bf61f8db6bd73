// Fitting the evaluation to recorded games: which positions of a game are
// samples and how they are scored, and that the fit finds weights that
// foretell the outcomes.

#include "bench/TuningSamples.h"
#include "bench/WeightFit.h"

#include <QtTest>

#include <cmath>
#include <random>

using kesto::engine::Shape;
using kesto::tuning::EvaluationWeights;
using kesto::tuning::Sample;

namespace {

// The first mover's five along the top row, the second's four along the
// bottom one. Past the opening's four stones, three positions are judged by
// the evaluation: the first mover's three can still only become a four,
// then its four is on the board, then its five is to make.
const QString kTopRowFive = "0,0 0,9 1,0 1,9 2,0 2,9 3,0 3,9 4,0";

std::size_t at(Shape shape)
{
    return static_cast<std::size_t>(shape);
}

} // namespace

class TestTuning : public QObject {
    Q_OBJECT
private slots:
    void readsTheSamplesOfAGame_data();
    void readsTheSamplesOfAGame();
    void fitsTheWeightsThatForetellTheOutcomes();
};

void TestTuning::readsTheSamplesOfAGame_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("teaches");
    QTest::addColumn<QList<double>>("scores"); // for the side to move, in order

    const QList<double> firstWon{1, 0, 1};
    QTest::newRow("the first mover's five") << "game 1, engine 1 first, engine 1 wins: " + kTopRowFive << true << firstWon;
    QTest::newRow("the same with engine 2 first") << "game 2, engine 2 first, engine 2 wins: " + kTopRowFive << true
                                                  << firstWon;
    QTest::newRow("a draw") << "game 3, engine 1 first, draw: " + kTopRowFive << true << QList<double>{0.5, 0.5, 0.5};
    QTest::newRow("the five credited to the other engine")
        << "game 4, engine 2 first, engine 1 wins: " + kTopRowFive << false << QList<double>{};
    QTest::newRow("won on time, no five") << "game 5, engine 1 first, engine 2 wins: 0,0 0,9 1,0 1,9 2,0 2,9" << false
                                          << QList<double>{};
    QTest::newRow("a stone on a taken cell") << "game 6, engine 1 first, draw: 0,0 0,9 0,0 1,9 2,0" << false
                                             << QList<double>{};
    QTest::newRow("no result") << "game 7, engine 1 first, stopped: " + kTopRowFive << false << QList<double>{};
    QTest::newRow("not a cell") << "game 8, engine 1 first, draw: 0,0 0,9 1,0 x,y 2,0" << false << QList<double>{};
    QTest::newRow("no head") << kTopRowFive << false << QList<double>{};
}

void TestTuning::readsTheSamplesOfAGame()
{
    QFETCH(QString, line);
    QFETCH(bool, teaches);
    QFETCH(QList<double>, scores);
    std::vector<Sample> samples;
    QCOMPARE(kesto::tuning::samplesOfGame(line.toStdString(), samples), teaches);
    QCOMPARE(samples.size(), static_cast<std::size_t>(scores.size()));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        QCOMPARE(samples[i].score, scores.at(static_cast<qsizetype>(i)));
        QCOMPARE(samples[i].waiting.lineCount(Shape::Five), std::int16_t{0});
    }
    if (!samples.empty()) {
        // Before the fifth stone each side has two stones in the corner of
        // its edge row: a third there makes a three the corner closes.
        QCOMPARE(samples.front().toMove, samples.front().waiting);
        QVERIFY(samples.front().toMove.lineCount(Shape::TwoClosed) > 0);
        QCOMPARE(samples.front().toMove.lineCount(Shape::TwoOpen), std::int16_t{0});
    }
}

void TestTuning::fitsTheWeightsThatForetellTheOutcomes()
{
    // Outcomes drawn from known weights, as chances; the fit starts from
    // nothing and must find them again.
    EvaluationWeights truth{};
    truth.toMove.lines.at(at(Shape::One)) = 12;
    truth.toMove.lines.at(at(Shape::TwoOpen)) = 80;
    truth.waiting.lines.at(at(Shape::One)) = 9;
    truth.waiting.lines.at(at(Shape::TwoOpen)) = 60;
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> ones(0, 200);
    std::uniform_int_distribution<int> twos(0, 30);
    std::vector<Sample> samples;
    for (int i = 0; i < 300; ++i) {
        Sample sample;
        for (auto* tally : {&sample.toMove, &sample.waiting}) {
            tally->lines.at(at(Shape::One)) = static_cast<std::int16_t>(ones(random));
            tally->lines.at(at(Shape::TwoOpen)) = static_cast<std::int16_t>(twos(random));
        }
        const int points = truth.toMove.worth(sample.toMove) - truth.waiting.worth(sample.waiting);
        sample.score = 1 / (1 + std::exp(-points / kesto::tuning::kLogitScale));
        samples.push_back(sample);
    }
    EvaluationWeights start{};
    start.toMove.lines.at(at(Shape::Four)) = 123; // never seen: kept as it is
    const EvaluationWeights fitted = kesto::tuning::fitWeights(samples, start, 3000);

    QVERIFY(kesto::tuning::predictionError(samples, fitted) < kesto::tuning::predictionError(samples, start) / 100);
    for (const Shape shape : {Shape::One, Shape::TwoOpen}) {
        QVERIFY(std::abs(fitted.toMove.lines.at(at(shape)) - truth.toMove.lines.at(at(shape))) <= 2);
        QVERIFY(std::abs(fitted.waiting.lines.at(at(shape)) - truth.waiting.lines.at(at(shape))) <= 2);
    }
    QCOMPARE(fitted.toMove.lines.at(at(Shape::Four)), 123);
    QCOMPARE(fitted.waiting.lines.at(at(Shape::Four)), 0);
}

QTEST_GUILESS_MAIN(TestTuning)
#include "tst_tuning.moc"
