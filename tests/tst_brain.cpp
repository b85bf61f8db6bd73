// The tournament protocol: a whole conversation with the real kesto-brain
// program, and the answers to what a tournament manager may send wrongly.

#include "brain/BrainProtocol.h"
#include "brain/Coordinates.h"
#include "game/LineTest.h"

#include <QProcess>
#include <QtTest>

namespace {

QStringList ask(kesto::brain::BrainProtocol& brain, const QString& line)
{
    QStringList answers;
    for (const std::string& answer : brain.handle(line.toStdString())) {
        answers << QString::fromStdString(answer);
    }
    return answers;
}

bool isCell(const QString& answer)
{
    static const QRegularExpression cell(QStringLiteral("^[0-9],[0-9]$"));
    return cell.match(answer).hasMatch();
}

// Whether the stone the brain put on `last` completed five of its own.
bool completesFive(const QSet<QString>& brainCells, const QString& last)
{
    kesto::Board board{};
    kesto::CellIndex lastCell = 0;
    for (int index = 1; index <= kesto::kCellCount; ++index) {
        const auto cell = static_cast<kesto::CellIndex>(index);
        const QString text = QString::fromStdString(kesto::brain::coordinates(cell));
        if (brainCells.contains(text)) {
            board.at(cell) = 1;
        }
        lastCell = text == last ? cell : lastCell;
    }
    kesto::WinLine line;
    return lastCell != 0 && kesto::completesLine(board, lastCell, 1, line);
}

} // namespace

class TestBrain : public QObject {
    Q_OBJECT

private slots:
    void conversationWithTheProgram();
    void wrongLinesGetErrorsAndTheBrainGoesOn_data();
    void wrongLinesGetErrorsAndTheBrainGoesOn();
    void boardTakebackAndRestart();
};

void TestBrain::conversationWithTheProgram()
{
    QProcess brain;
    brain.start(QStringLiteral(KESTO_BRAIN), {});
    QVERIFY(brain.waitForStarted());
    const auto say = [&brain](const QByteArray& line) { brain.write(line + "\n"); };
    const auto answer = [&brain]() -> QString {
        while (!brain.canReadLine()) {
            if (!brain.waitForReadyRead(5000)) {
                return QStringLiteral("(no answer)");
            }
        }
        return QString::fromUtf8(brain.readLine()).trimmed();
    };

    say("START 12");
    QVERIFY(answer().startsWith(QStringLiteral("ERROR")));
    say("START 10");
    QCOMPARE(answer(), QStringLiteral("OK"));
    say("INFO timeout_turn 400");
    say("INFO timeout_match 100000");
    say("INFO max_memory 83886080");
    say("INFO time_left 100000");
    say("ABOUT");
    QVERIFY(answer().startsWith(QStringLiteral("name=\"Kesto\"")));
    say("BEGIN");
    const QString opening = answer();
    QVERIFY2(isCell(opening), qPrintable(opening));

    // The opponent plays a row across the top; the brain must stop it, or
    // win first.
    QSet<QString> taken{opening};
    QSet<QString> brainCells{opening};
    QString last;
    for (const char* turn : {"0,0", "1,0", "2,0", "3,0"}) {
        if (taken.contains(QLatin1String(turn))) {
            continue;
        }
        say(QByteArray("TURN ") + turn);
        const QString reply = answer();
        QVERIFY2(isCell(reply), qPrintable(reply));
        QVERIFY(!taken.contains(reply));
        taken << QString::fromLatin1(turn) << reply;
        brainCells << reply;
        last = reply;
    }
    const QSet<QString> topRow{"0,0", "1,0", "2,0", "3,0", "4,0"};
    QVERIFY2(brainCells.intersects(topRow) || completesFive(brainCells, last),
             "the row across the top was neither blocked nor beaten to five");

    say("TURN 0,0");
    QVERIFY(answer().startsWith(QStringLiteral("ERROR")));
    say("END");
    QVERIFY(brain.waitForFinished(5000));
    QCOMPARE(brain.exitCode(), 0);
}

void TestBrain::wrongLinesGetErrorsAndTheBrainGoesOn_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("turn off the board") << "TURN 10,3";
    QTest::newRow("turn with a negative") << "TURN -1,3";
    QTest::newRow("turn with one number") << "TURN 4";
    QTest::newRow("turn with three numbers") << "TURN 1,2,3";
    QTest::newRow("turn with letters") << "TURN a,b";
    QTest::newRow("turn with a huge number") << "TURN 99999999999999999999,1";
    QTest::newRow("takeback with nothing") << "TAKEBACK";
    QTest::newRow("start without a size") << "START";
    QTest::newRow("takeback of an empty cell") << "TAKEBACK 7,7";
}

void TestBrain::wrongLinesGetErrorsAndTheBrainGoesOn()
{
    QFETCH(QString, line);
    kesto::brain::BrainProtocol brain(1);
    QCOMPARE(ask(brain, QStringLiteral("START 10")), QStringList{QStringLiteral("OK")});
    const QStringList answers = ask(brain, line);
    QCOMPARE(answers.size(), 1);
    QVERIFY2(answers.first().startsWith(QStringLiteral("ERROR ")), qPrintable(answers.first()));
    // Still playing.
    const QStringList next = ask(brain, QStringLiteral("TURN 4,4"));
    QCOMPARE(next.size(), 1);
    QVERIFY(isCell(next.first()));
}

void TestBrain::boardTakebackAndRestart()
{
    kesto::brain::BrainProtocol brain(2);
    ask(brain, QStringLiteral("START 10"));
    // Four of the brain's own down column 9 and the opponent's four across
    // row 5: it wins rather than blocks.
    QVERIFY(ask(brain, QStringLiteral("BOARD")).isEmpty());
    for (const char* line : {"9,0,1", "9,1,1", "9,2,1", "9,3,1", "0,5,2", "1,5,2", "2,5,2", "3,5,2"}) {
        QVERIFY(ask(brain, QLatin1String(line)).isEmpty());
    }
    QCOMPARE(ask(brain, QStringLiteral("DONE")), QStringList{QStringLiteral("9,4")});

    // Take the brain's winning stone and one of its own back: now it must
    // block the opponent's four.
    QCOMPARE(ask(brain, QStringLiteral("TAKEBACK 9,4")), QStringList{QStringLiteral("OK")});
    QCOMPARE(ask(brain, QStringLiteral("TAKEBACK 9,3")), QStringList{QStringLiteral("OK")});
    QCOMPARE(ask(brain, QStringLiteral("TURN 9,9")), QStringList{QStringLiteral("4,5")});

    QCOMPARE(ask(brain, QStringLiteral("RESTART")), QStringList{QStringLiteral("OK")});
    const QStringList opening = ask(brain, QStringLiteral("BEGIN"));
    QVERIFY(QStringList({"4,4", "5,4", "4,5", "5,5"}).contains(opening.value(0)));
}

QTEST_APPLESS_MAIN(TestBrain)
#include "tst_brain.moc"
