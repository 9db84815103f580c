// Renders an SVG file to PNG exactly as the game's picture loader does (Qt Svg),
// so that a picture can be checked at its design size and at higher scales.
// usage: svgrender in.svg out.png [scale]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: svgrender in.svg out.png [scale]\n");
        return 2;
    }
    const double scale = argc > 3 ? QString::fromLocal8Bit(argv[3]).toDouble() : 1.0;
    QSvgRenderer r(QString::fromLocal8Bit(argv[1]));
    if (!r.isValid()) {
        std::fprintf(stderr, "invalid svg: %s\n", argv[1]);
        return 1;
    }
    const QSize size = r.defaultSize();
    QImage img((QSizeF(size) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    r.render(&p);
    p.end();
    std::printf("%s: %dx%d\n", argv[1], size.width(), size.height());
    return img.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
