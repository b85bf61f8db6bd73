// Takes the README's and the software centre's screenshots: the real main
// window, once between two players, played through real clicks, and once
// against the computer, continued from a kept game so that the computer's
// stones are the same on every run. The window's own timers are held, so
// the banner and the clock show the same on every run too. Run it on the
// offscreen platform:
//
//     QT_QPA_PLATFORM=offscreen build/take_screenshots docs

#include "ui/FileWriter.h"
#include "ui/Form1.h"
#include "ui/GameKeeper.h"
#include "ui/KeptGame.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <initializer_list>
#include <limits>
#include <vector>

namespace {

using kesto::ui::Form1;

// A game against the computer: the player has three in a column, blocked
// at both ends, and is to move, with the computer's last stone ringed.
const std::vector<kesto::CellIndex> kComputerGame{45, 46, 55, 65, 35, 25};
constexpr std::int64_t kComputerGameSeconds = 41;

void click(const Form1& window, const char* name)
{
    QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(name)), Qt::LeftButton);
}

void play(const Form1& window, std::initializer_list<int> cells)
{
    for (int cell : cells) {
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Image2(%1)").arg(cell)), Qt::LeftButton);
    }
}

// The banner stays on its first face and the clock ticks only when told.
void holdTimers(const Form1& window)
{
    for (const char* name : {"Timer1", "Timer2"}) {
        window.findChild<QTimer*>(QLatin1String(name))->setInterval(std::numeric_limits<int>::max());
    }
}

// A few seconds of clock, so that the time label is not all zeros.
void tickClock(const Form1& window, int seconds)
{
    for (int second = 0; second < seconds; ++second) {
        QMetaObject::invokeMethod(window.findChild<QTimer*>(QStringLiteral("Timer2")), "timeout");
    }
}

// Keeps `moves` against the computer, as if a game had been left there.
void keepAgainstTheComputer(const std::vector<kesto::CellIndex>& moves)
{
    kesto::ui::KeptGame kept;
    kept.record.versusComputer = true;
    kept.record.moves = moves;
    kept.record.clockSeconds = kComputerGameSeconds;
    kesto::ui::FileWriter::writeWhole(kesto::ui::GameKeeper::path(), QByteArray::fromStdString(kept.toText()));
}

bool save(Form1& window, const QString& path)
{
    QCoreApplication::processEvents();
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "take_screenshots: cannot write %s\n", qUtf8Printable(path));
        return false;
    }
    std::printf("%s\n", qUtf8Printable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Usage: take_screenshots FOLDER\n", stderr);
        return 1;
    }
    QStandardPaths::setTestModeEnabled(true); // the default choices, whatever the user chose
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    QFile::remove(kesto::ui::GameKeeper::path());
    {
        Form1 people;
        holdTimers(people);
        people.show();
        click(people, "Command1");
        play(people, {45, 46, 55, 36, 65, 75, 54, 56, 44, 34});
        tickClock(people, 83);
        QTest::mouseMove(people.findChild<QWidget*>(QStringLiteral("Image2(35)")));
        if (!save(people, folder.filePath(QStringLiteral("screenshot.png")))) {
            return 1;
        }
    } // the game it kept is on the disk once it has gone

    keepAgainstTheComputer(kComputerGame);
    Form1 computer;
    holdTimers(computer);
    computer.show();
    click(computer, "Option1(1)");
    computer.findChild<QAction*>(QStringLiteral("Continue"))->trigger();
    const bool saved = save(computer, folder.filePath(QStringLiteral("screenshot-computer.png")));
    QFile::remove(kesto::ui::GameKeeper::path());
    return saved ? 0 : 1;
}
