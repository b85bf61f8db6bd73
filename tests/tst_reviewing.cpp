// The review through the real window: when it can be asked for, its own
// framed window with its progress and then its findings in words, the two
// rings on the board, and all of it gone with Reset, Undo or its closing.

#include "WindowTest.h"
#include "ui/FileWriter.h"
#include "ui/GameFiles.h"
#include "ui/GameKeeper.h"
#include "ui/GameReviewer.h"
#include "ui/ReviewDialog.h"

#include <QLabel>
#include <QTemporaryDir>

#include <memory>

using kesto::ui::FileWriter;
using kesto::ui::Form1;
using kesto::ui::GameFiles;
using kesto::ui::GameKeeper;
using kesto::ui::GameReviewer;
using kesto::ui::ReviewDialog;
using namespace windowtest;

namespace {

// The first player lets an open three stand and then lets its own open
// four go, as the tournament managers write it (from 1, x across).
const QByteArray kOpenThree("Piskvorky 10x10, 11:11, 0\n5,5,0\n1,1,0\n6,5,0\n1,10,0\n7,5,0\n10,10,0\n1,6,0\n");

// The colour 3 pixels inside a cell's circle, on its left: where the
// review's rings run.
QColor reviewRing(QWidget* window, int cell)
{
    const QRect circle = Form1::cellRect(static_cast<kesto::CellIndex>(cell));
    return window->grab(circle).toImage().pixelColor(3, circle.height() / 2);
}

} // namespace

class TestReviewing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void init();
    void cleanup();

    void whenAReviewCanBeAskedFor();
    void findingsInWordsAndRingsOnTheBoard();
    void resetAndUndoEndTheReview();
    void theComputerIsNamedAsSuch();

private:
    QAction* review() const { return control<QAction>(window.get(), QStringLiteral("Review")); }
    ReviewDialog* dialog() const { return openDialogs<ReviewDialog>().value(0); }
    QString findings() const { return control<QLabel>(dialog(), QStringLiteral("ReviewText"))->text(); }
    void openOpenThree()
    {
        const QString path = files->filePath(QStringLiteral("open-three.psq"));
        QVERIFY(FileWriter::writeWhole(path, kOpenThree));
        window->openFile(path);
    }

    std::unique_ptr<Form1> window;
    std::unique_ptr<QTemporaryDir> files;
};

void TestReviewing::init()
{
    files = std::make_unique<QTemporaryDir>();
    openWindow(window);
}

void TestReviewing::cleanup()
{
    closeWindow(window);
    flushEvents();
    QVERIFY(openDialogs<ReviewDialog>().isEmpty()); // its window goes with the game's
    QFile::remove(GameKeeper::path());
}

void TestReviewing::whenAReviewCanBeAskedFor()
{
    QVERIFY(!review()->isEnabled()); // no game
    clickReset(window.get());
    clickCells(window.get(), {1, 11, 2, 12});
    QVERIFY(!review()->isEnabled()); // a game under way
    clickCells(window.get(), {3, 13, 4, 14, 5});
    QVERIFY(review()->isEnabled()); // won
    clickReset(window.get());
    QVERIFY(!review()->isEnabled());
    openOpenThree();
    QVERIFY(review()->isEnabled()); // opened from a file, unfinished
    clickCell(window.get(), 77);
    QVERIFY(review()->isEnabled()); // and played on
}

void TestReviewing::findingsInWordsAndRingsOnTheBoard()
{
    openOpenThree();
    chooseFromMenu(window.get(), Form1::cellRect(50).center(), "Review");
    QVERIFY(dialog() != nullptr);
    QCOMPARE(dialog()->windowTitle(), QStringLiteral("Kesto: where the game turned"));
    QVERIFY(!dialog()->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(!dialog()->isModal());
    QTRY_VERIFY(!window->findChild<GameReviewer*>()->working());
    QCOMPARE(findings(), QStringLiteral("Move 6 (Player 2, row 10, column 10) let Player 1 force a win; row 5, "
                                        "column 4 would have held.\n"
                                        "At move 7, Player 1 had a forced win from row 5, column 4 and let it go."));
    QCOMPARE(reviewRing(window.get(), kesto::cellAt(10, 10)), QColor(128, 0, 0));
    QCOMPARE(reviewRing(window.get(), kesto::cellAt(5, 4)), QColor(128, 0, 128));
    // The game goes on meanwhile.
    QVERIFY(window->game().playerToMove());
    dialog()->close(); // closing the review takes its rings away
    QCOMPARE(reviewRing(window.get(), kesto::cellAt(5, 4)), QColor(Qt::white));
    QCOMPARE(reviewRing(window.get(), kesto::cellAt(10, 10)), QColor(Qt::green));
}

void TestReviewing::resetAndUndoEndTheReview()
{
    openOpenThree();
    chooseFromMenu(window.get(), Form1::cellRect(50).center(), "Review");
    QTRY_VERIFY(!window->findChild<GameReviewer*>()->working());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    flushEvents();
    QVERIFY(openDialogs<ReviewDialog>().isEmpty());
    QCOMPARE(reviewRing(window.get(), kesto::cellAt(5, 4)), QColor(Qt::white));

    chooseFromMenu(window.get(), Form1::cellRect(50).center(), "Review");
    QVERIFY(window->findChild<GameReviewer*>()->working());
    clickReset(window.get()); // at once, while it works
    QVERIFY(!window->findChild<GameReviewer*>()->working());
    flushEvents();
    QVERIFY(openDialogs<ReviewDialog>().isEmpty());
    for (int cell = 1; cell <= kesto::kCellCount; ++cell) {
        QCOMPARE(reviewRing(window.get(), cell), QColor(Qt::white));
    }
}

void TestReviewing::theComputerIsNamedAsSuch()
{
    // The computer has four on row 5; the player looks away and loses.
    window.reset();
    keepAgainstTheComputer({11, 41, 13, 42, 15, 43, 17, 44}, kesto::engine::Strength::Strongest);
    openWindow(window);
    chooseFromMenu(window.get(), Form1::cellRect(1).center(), "Continue");
    clickCell(window.get(), 99);
    QTRY_COMPARE(window->game().state().inputLocked, kesto::kTrue16);
    QTRY_VERIFY(openDialogs<kesto::dialogs::Form2>().size() == 1);
    openDialogs<kesto::dialogs::Form2>().first()->close();
    chooseFromMenu(window.get(), Form1::cellRect(100).center(), "Review");
    QTRY_VERIFY(!window->findChild<GameReviewer*>()->working());
    QVERIFY2(findings().contains(QStringLiteral("(Player 1, row ")), qPrintable(findings()));
    QVERIFY2(findings().contains(QStringLiteral("let the computer force a win")), qPrintable(findings()));
}

QTEST_MAIN(TestReviewing)
#include "tst_reviewing.moc"
