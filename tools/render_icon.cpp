// Renders the game's SVG icon to square PNG files for the desktop's icon
// theme, which wants fixed sizes beside the scalable one.
//
// Usage: render_icon icon.svg size out.png [size out.png ...]

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 4 || argc % 2 != 0) {
        std::fputs("usage: render_icon icon.svg size out.png [size out.png ...]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen"); // a build step has no screen
    QGuiApplication app(argc, argv);
    QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
    if (!icon.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int arg = 2; arg < argc; arg += 2) {
        const int size = QByteArray(argv[arg]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        icon.render(&painter);
        painter.end();
        if (size <= 0 || !image.save(QString::fromLocal8Bit(argv[arg + 1]))) {
            std::fprintf(stderr, "render_icon: cannot write %s at %s pixels\n", argv[arg + 1], argv[arg]);
            return 1;
        }
    }
    return 0;
}
