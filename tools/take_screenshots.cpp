// Takes the README's and the software centre's screenshots: the real main
// window, played through real clicks, once between two players and once
// against the computer. Run it on the offscreen platform:
//
//     QT_QPA_PLATFORM=offscreen build/take_screenshots docs

#include "ui/Form1.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <initializer_list>

namespace {

using kesto::ui::Form1;

void click(const Form1& window, const char* name)
{
    QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(name)), Qt::LeftButton);
}

void play(const Form1& window, std::initializer_list<int> cells)
{
    for (int cell : cells) {
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Image2(%1)").arg(cell)), Qt::LeftButton);
        // Against the computer, its answer comes before the next click.
        QTRY_VERIFY_WITH_TIMEOUT(!window.game().computerToMove(), 3000);
    }
}

// A few seconds of clock, so that the time label is not all zeros.
void tickClock(const Form1& window, int seconds)
{
    for (int second = 0; second < seconds; ++second) {
        QMetaObject::invokeMethod(window.findChild<QTimer*>(QStringLiteral("Timer2")), "timeout");
    }
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

    Form1 people;
    people.show();
    click(people, "Command1");
    play(people, {45, 46, 55, 36, 65, 75, 54, 56, 44, 34});
    tickClock(people, 83);
    QTest::mouseMove(people.findChild<QWidget*>(QStringLiteral("Image2(35)")));
    if (!save(people, folder.filePath(QStringLiteral("screenshot.png")))) {
        return 1;
    }

    Form1 computer;
    computer.show();
    click(computer, "Option1(1)");
    click(computer, "Command1");
    play(computer, {45, 56, 47, 36});
    tickClock(computer, 41);
    return save(computer, folder.filePath(QStringLiteral("screenshot-computer.png"))) ? 0 : 1;
}
