// Renders one of the program's SVG icons to a PNG of a fixed size, for the icon theme's sized
// folders: some menus and docks read only PNG there. Runs at build time, without a display.
//
//   ipb_render_icon INPUT.svg OUTPUT.png SIZE

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args[3].toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1) {
        std::fprintf(stderr, "usage: ipb_render_icon INPUT.svg OUTPUT.png SIZE\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "ipb_render_icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(args[2], "PNG")) {
        std::fprintf(stderr, "ipb_render_icon: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
