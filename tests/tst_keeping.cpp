// The game kept between runs, without the window: the kept file's text
// read back and refused when damaged, its writing whole or not at all, the
// keeper's reading of what it finds, and the command line.

#include "ui/CommandLine.h"
#include "ui/FileWriter.h"
#include "ui/GameKeeper.h"
#include "ui/KeptGame.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

using kesto::engine::Strength;
using kesto::ui::CommandLine;
using kesto::ui::FileWriter;
using kesto::ui::GameKeeper;
using kesto::ui::KeptGame;

Q_DECLARE_METATYPE(KeptGame)
Q_DECLARE_METATYPE(CommandLine::Action)

namespace {

const std::string kHeader = "Piskvorky 10x10, 11:11, 0\n";

KeptGame keptGame(bool versusComputer, bool computerOpens, std::vector<kesto::CellIndex> moves, std::int64_t clock,
                  Strength strength, bool won)
{
    KeptGame kept;
    kept.record.versusComputer = versusComputer;
    kept.record.computerOpens = computerOpens;
    kept.record.moves = std::move(moves);
    kept.record.clockSeconds = clock;
    kept.strength = strength;
    kept.won = won;
    return kept;
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class TestKeeping : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keptGamesReadBack_data();
    void keptGamesReadBack();
    void damagedKeptFilesRefused_data();
    void damagedKeptFilesRefused();
    void whatCountsAsUnfinished();
    void aWriteCutOffBeforeItsCommitLeavesTheOldFile();
    void theKeeperWritesOffTheWindowsThreadAndReadsItBack();
    void theKeeperLeavesAPipeAndAGiantAlone_data();
    void theKeeperLeavesAPipeAndAGiantAlone();
    void commandLines_data();
    void commandLines();
};

void TestKeeping::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(GameKeeper::path());
}

void TestKeeping::keptGamesReadBack_data()
{
    QTest::addColumn<KeptGame>("kept");
    QTest::newRow("two players under way") << keptGame(false, false, {45, 46, 56}, 75, Strength::Medium, false);
    QTest::newRow("the computer opened") << keptGame(true, true, {45, 56}, 3601, Strength::Easy, false);
    QTest::newRow("the player opened, strongest") << keptGame(true, false, {1, 2, 3}, 0, Strength::Strongest, false);
    QTest::newRow("won") << keptGame(false, false, {1, 11, 2, 12, 3, 13, 4, 14, 5}, 40, Strength::Hard, true);
    QTest::newRow("emptied by undo") << keptGame(true, false, {}, 12, Strength::Medium, false);
}

void TestKeeping::keptGamesReadBack()
{
    QFETCH(KeptGame, kept);
    const std::string text = kept.toText();
    QVERIFY(text.starts_with(kHeader)); // a record the managers can open
    std::string why;
    const auto back = KeptGame::fromText(text, why);
    QVERIFY2(back.has_value(), why.c_str());
    QVERIFY(*back == kept);
}

void TestKeeping::damagedKeptFilesRefused_data()
{
    const std::string line = "kesto-game 1 opponent=person opener=player strength=medium clock=5 won=no\n";
    const std::string whole = kHeader + "5,5,0\n6,6,0\n" + line;
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("why");
    QTest::newRow("whole, for comparison") << QByteArray::fromStdString(whole) << QString();
    QTest::newRow("empty") << QByteArray() << "not a game record";
    QTest::newRow("cut in the stones") << QByteArray::fromStdString(kHeader + "5,5,0\n6,") << "not a game Kesto kept";
    QTest::newRow("cut in its own line") << QByteArray::fromStdString(whole.substr(0, whole.size() - 12))
                                         << "not a game Kesto kept";
    QTest::newRow("a manager's record") << QByteArray::fromStdString(kHeader + "5,5,0\n-1\n") << "not a game Kesto kept";
    QTest::newRow("a field twice")
        << QByteArray::fromStdString(kHeader + "kesto-game 1 opponent=person opener=player strength=medium clock=5 won=no won=no\n")
        << "not a game Kesto kept";
    QTest::newRow("an unknown strength")
        << QByteArray::fromStdString(kHeader + "kesto-game 1 opponent=person opener=player strength=godlike clock=5 won=no\n")
        << "makes no sense";
    QTest::newRow("a negative clock")
        << QByteArray::fromStdString(kHeader + "kesto-game 1 opponent=person opener=player strength=medium clock=-5 won=no\n")
        << "makes no sense";
    QTest::newRow("the computer opened a game between people")
        << QByteArray::fromStdString(kHeader + "kesto-game 1 opponent=person opener=computer strength=medium clock=5 won=no\n")
        << "makes no sense";
    QTest::newRow("won without a five") << QByteArray::fromStdString(kHeader + "5,5,0\nkesto-game 1 opponent=person opener=player strength=medium clock=5 won=yes\n")
                                        << "no five ends it";
    QTest::newRow("a taken cell") << QByteArray::fromStdString(kHeader + "5,5,0\n5,5,0\n" + line) << "line 3";
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\x13garbage", 10) << "not a game record";
}

void TestKeeping::damagedKeptFilesRefused()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, why);
    std::string reason;
    const auto kept = KeptGame::fromText(text.toStdString(), reason);
    QCOMPARE(kept.has_value(), why.isEmpty());
    QVERIFY2(QString::fromStdString(reason).contains(why), reason.c_str());
}

void TestKeeping::whatCountsAsUnfinished()
{
    QVERIFY(keptGame(false, false, {45}, 0, Strength::Medium, false).unfinished());
    QVERIFY(!keptGame(false, false, {}, 0, Strength::Medium, false).unfinished());
    QVERIFY(!keptGame(false, false, {1, 11, 2, 12, 3, 13, 4, 14, 5}, 0, Strength::Medium, true).unfinished());
    std::vector<kesto::CellIndex> full;
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        full.push_back(static_cast<kesto::CellIndex>(cell));
    }
    QVERIFY(!keptGame(false, false, full, 0, Strength::Medium, false).unfinished());
}

void TestKeeping::aWriteCutOffBeforeItsCommitLeavesTheOldFile()
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("last-game.psq"));
    const QByteArray old = QByteArray::fromStdString(keptGame(false, false, {45}, 1, Strength::Medium, false).toText());
    QVERIFY(FileWriter::writeWhole(path, old));
    QCOMPARE(contentsOf(path), old);

    // A child writes a longer game, and the system kills it part-way: the
    // file size it may write ends inside the new game.
    const QByteArray longer(4096, 'x');
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        FileWriter::writeWhole(path, longer);
        _exit(0); // not reached: the write past the limit kills the child
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ, "the child was not cut off");
    QCOMPARE(contentsOf(path), old);
}

void TestKeeping::theKeeperWritesOffTheWindowsThreadAndReadsItBack()
{
    const KeptGame first = keptGame(true, false, {45, 46}, 7, Strength::Hard, false);
    const KeptGame second = keptGame(true, false, {45, 46, 47}, 9, Strength::Hard, false);
    {
        GameKeeper keeper;
        QSignalSpy written(&keeper, &GameKeeper::written);
        keeper.keep(first);
        QVERIFY(*keeper.kept() == first); // at once, for the menu
        QVERIFY(written.wait());
        keeper.keep(second);
    } // the keeper waits for the newest game before it goes
    std::string why;
    const auto back = KeptGame::fromText(contentsOf(GameKeeper::path()).toStdString(), why);
    QVERIFY2(back.has_value(), why.c_str());
    QVERIFY(*back == second);
    const GameKeeper nextRun;
    QVERIFY(nextRun.kept().has_value());
    QVERIFY(*nextRun.kept() == second);
}

void TestKeeping::theKeeperLeavesAPipeAndAGiantAlone_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::newRow("a named pipe") << true;
    QTest::newRow("a file of 80 KiB") << false;
}

void TestKeeping::theKeeperLeavesAPipeAndAGiantAlone()
{
    QFETCH(bool, pipe);
    const QString path = GameKeeper::path();
    QFile::remove(path);
    if (pipe) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile giant(path);
        QVERIFY(giant.open(QIODevice::WriteOnly));
        const std::string game = keptGame(false, false, {45}, 1, Strength::Medium, false).toText();
        giant.write(QByteArray::fromStdString(game) + QByteArray(80 * 1024, '\n'));
    }
    const GameKeeper keeper; // does not wait on the pipe for a writer
    QVERIFY(!keeper.kept().has_value());
    QFile::remove(path);
}

void TestKeeping::commandLines_data()
{
    using Action = CommandLine::Action;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("fault");
    QTest::newRow("nothing") << QStringList() << Action::Play << "" << "";
    QTest::newRow("a file") << QStringList{"game.psq"} << Action::Play << "game.psq" << "";
    QTest::newRow("--help") << QStringList{"--help"} << Action::Help << "" << "";
    QTest::newRow("-h after a file") << QStringList{"game.psq", "-h"} << Action::Help << "" << "";
    QTest::newRow("--version") << QStringList{"--version"} << Action::Version << "" << "";
    QTest::newRow("Qt's -platform with its value") << QStringList{"-platform", "offscreen", "g.psq"} << Action::Play
                                                   << "g.psq" << "";
    QTest::newRow("Qt's --style=fusion and -reverse") << QStringList{"--style=fusion", "-reverse"} << Action::Play << ""
                                                      << "";
    QTest::newRow("Qt's -platform without its value") << QStringList{"-platform"} << Action::Refuse << ""
                                                      << "kesto: -platform needs a value";
    QTest::newRow("an unknown option") << QStringList{"--fast"} << Action::Refuse << ""
                                       << "kesto: unknown option --fast (see --help)";
    QTest::newRow("two files") << QStringList{"a.psq", "b.psq"} << Action::Refuse << ""
                               << "kesto: one game record at a time (see --help)";
    QTest::newRow("a file that starts with a dash, after --") << QStringList{"--", "-odd.psq"} << Action::Play
                                                              << "-odd.psq" << "";
}

void TestKeeping::commandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(QString, file);
    QFETCH(QString, fault);
    std::vector<std::string> words;
    for (const QString& argument : arguments) {
        words.push_back(argument.toStdString());
    }
    const CommandLine line = CommandLine::parse(words);
    QCOMPARE(line.action, action);
    QCOMPARE(QString::fromStdString(line.fault), fault);
    if (action == CommandLine::Action::Play) {
        QCOMPARE(QString::fromStdString(line.file), file);
    }
}

QTEST_GUILESS_MAIN(TestKeeping)
#include "tst_keeping.moc"
