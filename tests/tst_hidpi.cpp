// The window on a screen of twice the usual density: the same layout in
// twice the pixels, drawn sharp rather than blown up.

#include "WindowTest.h"

#include <QtMath>

using kesto::ui::Form1;
using namespace windowtest;

namespace {

// How many pixels, along rays from a circle's middle outwards, are blends
// between the board's colours rather than one of them: a sharp edge has
// about as many at any density, a blown-up one twice as many.
int blendedPixels(const QImage& image, QPointF middle, double radius, double scale)
{
    const QList<QColor> board{QColor(255, 255, 255), QColor(0, 0, 255), QColor(128, 128, 255)};
    const auto isBlend = [&](QColor c) {
        for (const QColor& pure : board) {
            const int distance = qAbs(c.red() - pure.red()) + qAbs(c.green() - pure.green())
                                 + qAbs(c.blue() - pure.blue());
            if (distance < 40) {
                return false;
            }
        }
        return true;
    };
    int blends = 0;
    constexpr int kRays = 24;
    for (int ray = 0; ray < kRays; ++ray) {
        const double angle = 2 * M_PI * (ray + 0.5) / kRays;
        // From just inside the border to just outside the circle.
        for (double r = (radius - 4) * scale; r <= (radius + 3) * scale; r += 1.0) {
            const QPoint p = (middle * scale + QPointF(r * qCos(angle), r * qSin(angle))).toPoint();
            if (isBlend(image.pixelColor(p))) {
                ++blends;
            }
        }
    }
    return blends;
}

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareWindowTests(); }
    void windowHasTwiceThePixels();
    void circlesAreDrawnSharp();
    void picturesAreDrawnAtFullDensity();
};

void TestHiDpi::windowHasTwiceThePixels()
{
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatio(), 2.0);
    QCOMPARE(window.size(), QSize(642, 438));
    QCOMPARE(window.grab().toImage().size(), QSize(1284, 876));
    QCOMPARE(Form1::cellRect(1), QRect(24, 24, 33, 33));
}

void TestHiDpi::circlesAreDrawnSharp()
{
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage dense = window.grab().toImage();
    QImage plain(window.size(), QImage::Format_ARGB32);
    plain.setDevicePixelRatio(1.0);
    window.render(&plain);

    const QRectF square = Form1::cellRect(45);
    const QPointF middle = square.center() + QPointF(0.5, 0.5);
    const double radius = square.width() / 2.0;
    const int atOne = blendedPixels(plain, middle, radius, 1.0);
    const int atTwo = blendedPixels(dense, middle, radius, 2.0);
    // The measure tells the two apart: the plain rendering blown up to
    // twice the size counts far more blends than a true one.
    const QImage blownUp = plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int atTwoBlownUp = blendedPixels(blownUp, middle, radius, 2.0);
    const QString figures = QStringLiteral("blends: %1 at scale 1, %2 at scale 2, %3 blown up")
                                .arg(atOne).arg(atTwo).arg(atTwoBlownUp);
    qInfo("%s", qPrintable(figures));
    QVERIFY2(atOne > 0, qPrintable(figures));
    QVERIFY2(atTwoBlownUp >= atOne * 3 / 2, qPrintable(figures));
    QVERIFY2(atTwo < atOne * 3 / 2, qPrintable(figures));
}

void TestHiDpi::picturesAreDrawnAtFullDensity()
{
    // The banner face at scale 2 has detail of its own: it is not the
    // scale-1 face with every pixel doubled.
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* banner = control<QWidget>(&window, QStringLiteral("Picture1"));
    const QImage face = banner->grab().toImage();
    QCOMPARE(face.size(), QSize(72, 72));
    int differentNeighbours = 0;
    for (int y = 4; y < 68; y += 2) {
        for (int x = 4; x < 68; x += 2) {
            if (face.pixel(x, y) != face.pixel(x + 1, y) || face.pixel(x, y) != face.pixel(x, y + 1)) {
                ++differentNeighbours;
            }
        }
    }
    QVERIFY2(differentNeighbours > 50, qPrintable(QString::number(differentNeighbours)));
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
