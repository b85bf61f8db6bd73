// The kept game survives the program being killed at any moment: a real
// kesto plays a scripted game by itself and says each stone once it is
// kept, and is killed outright (SIGKILL) at random moments, many times.
// Each time the kept file must be whole and hold every stone said before
// the kill; the last one is then continued in a real window.

#include "FullBoard.h"
#include "WindowTest.h"
#include "ui/FileWriter.h"
#include "ui/GameKeeper.h"
#include "ui/KeptGame.h"
#include "ui/ScriptedGame.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

using kesto::CellIndex;
using kesto::ui::Form1;
using kesto::ui::FileWriter;
using kesto::ui::GameKeeper;
using kesto::ui::KeptGame;
using namespace windowtest;

namespace {

constexpr int kKills = 60;

// The stones the game said were kept, from its output so far.
int saidKept(const QByteArray& output)
{
    int kept = 0;
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("kept ")) {
            kept = line.mid(5).toInt();
        }
    }
    return kept;
}

} // namespace

class TestKill : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void killedAtRandomTheKeptGameIsWholeAndContinues();
};

void TestKill::initTestCase()
{
    prepareWindowTests();
}

void TestKill::killedAtRandomTheKeptGameIsWholeAndContinues()
{
    const std::vector<CellIndex> script = fullBoardGame();
    QStringList cells;
    for (CellIndex cell : script) {
        cells << QString::number(cell);
    }
    QRandomGenerator random(20261211);
    const QTemporaryDir data;
    std::optional<KeptGame> last;
    int interesting = 0; // kills after a stone and before the end
    for (int kill = 0; kill < kKills; ++kill) {
        QFile::remove(data.filePath(QStringLiteral("Kesto/last-game.psq")));
        QProcess game;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        environment.insert(QString::fromLatin1(kesto::ui::ScriptedGame::kVariable), cells.join(QLatin1Char(',')));
        game.setProcessEnvironment(environment);
        game.start(QStringLiteral(KESTO_GAME), {});
        QVERIFY(game.waitForStarted());
        // Killed once the game has said a random number of stones were
        // kept, while it goes on writing the next.
        const int target = static_cast<int>(random.bounded(static_cast<quint32>(script.size())));
        QByteArray output;
        while (saidKept(output) < target && game.state() == QProcess::Running) {
            game.waitForReadyRead(100);
            output += game.readAllStandardOutput();
        }
        QVERIFY2(game.state() == QProcess::Running, game.readAllStandardError().constData());
        ::kill(static_cast<pid_t>(game.processId()), SIGKILL);
        QVERIFY(game.waitForFinished());
        output += game.readAllStandardOutput();
        const int said = saidKept(output);

        QFile file(data.filePath(QStringLiteral("Kesto/last-game.psq")));
        if (said == 0 && !file.exists()) {
            continue;
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        std::string why;
        const auto kept = KeptGame::fromText(file.readAll().toStdString(), why);
        QVERIFY2(kept.has_value(), why.c_str());
        const std::vector<CellIndex>& moves = kept->record.moves;
        QVERIFY2(static_cast<int>(moves.size()) >= said,
                 qPrintable(QStringLiteral("kill %1: %2 stones kept, %3 said").arg(kill).arg(moves.size()).arg(said)));
        QVERIFY(std::equal(moves.begin(), moves.end(), script.begin()));
        interesting += said > 0 && moves.size() < script.size() ? 1 : 0;
        last = kept;
    }
    QVERIFY2(interesting >= kKills / 2, "too few kills landed in the middle of a game");

    // The last game killed comes back in a window, as it was kept.
    QVERIFY(last.has_value());
    QVERIFY(FileWriter::writeWhole(GameKeeper::path(), QByteArray::fromStdString(last->toText())));
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    chooseFromMenu(&window, Form1::cellRect(45).center(), "Continue");
    QCOMPARE(window.game().record(), last->record);
    QCOMPARE(caption(&window, "giliranlbl"),
             QString::fromStdString(window.game().state().playerName.at(last->record.nextToMove())));
    QFile::remove(GameKeeper::path());
}

QTEST_MAIN(TestKill)
#include "tst_kill.moc"
