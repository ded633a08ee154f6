// Renders the program's SVG drawings at build time, without a display, for where they cannot
// be drawn from the SVG at run time: the icon theme's sized folders (some menus and docks read
// only PNG there) and the Windows build, which has no Qt SVG module.
//
//   ipb_render_drawing png INPUT.svg OUTPUT.png WIDTH HEIGHT   the drawing stretched to a size
//   ipb_render_drawing ico OUTPUT.ico 16.svg 32.svg LARGE.svg  Windows' icon: 16, 32, 48, 256
//   ipb_render_drawing picture INPUT.svg OUTPUT.pic FAMILY     its painting, for QPicture to
//                                                              replay, the letters in FAMILY

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QSvgRenderer>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

int fail(const char* what, const QString& name) {
    std::fprintf(stderr, "ipb_render_drawing: %s %s\n", what, qPrintable(name));
    return 1;
}

QImage rendered(QSvgRenderer& svg, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

// An icon file of PNG entries, which Windows reads since Vista: a header, one directory entry
// per size, then the images.
QByteArray icoOf(const std::vector<QImage>& images) {
    std::vector<QByteArray> pngs;
    for (const QImage& image : images) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        pngs.push_back(png.data());
    }
    QByteArray ico;
    const auto put = [&ico](quint32 value, int bytes) { // little-endian, as the format has it
        for (int i = 0; i < bytes; ++i) {
            ico.append(char((value >> (8 * i)) & 0xFF));
        }
    };
    const auto put16 = [&put](quint32 value) { put(value, 2); };
    const auto put32 = [&put](quint32 value) { put(value, 4); };
    put16(0);
    put16(1);
    put16(quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int side = images[i].width();
        ico.append(char(side >= 256 ? 0 : side)).append(char(side >= 256 ? 0 : side));
        ico.append(char(0)).append(char(0));
        put16(1);
        put16(32);
        put32(quint32(pngs[i].size()));
        put32(offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        ico += png;
    }
    return ico;
}

} // namespace

int main(int argc, char* argv[]) {
    // Letters are laid out with fonts, which need the GUI application; no display is there.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == QLatin1String("png") && args.size() == 5) {
        QSvgRenderer svg(args[1]);
        const QSize size(args[3].toInt(), args[4].toInt());
        if (!svg.isValid() || size.isEmpty()) {
            return fail("cannot read", args[1]);
        }
        return rendered(svg, size).save(args[2], "PNG") ? 0 : fail("cannot write", args[2]);
    }
    if (mode == QLatin1String("ico") && args.size() == 5) {
        std::vector<QImage> images;
        for (const auto& [file, side] :
             {std::pair{args[2], 16}, {args[3], 32}, {args[4], 48}, {args[4], 256}}) {
            QSvgRenderer svg(file);
            if (!svg.isValid()) {
                return fail("cannot read", file);
            }
            images.push_back(rendered(svg, QSize(side, side)));
        }
        QFile out(args[1]);
        return out.open(QIODevice::WriteOnly) && out.write(icoOf(images)) > 0
                   ? 0
                   : fail("cannot write", args[1]);
    }
    if (mode == QLatin1String("picture") && args.size() == 4) {
        QFile file(args[1]);
        QByteArray source = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        source.replace(R"(font-family="Arial")", R"(font-family=")" + args[3].toUtf8() + '"');
        QSvgRenderer svg(source);
        if (!svg.isValid()) {
            return fail("cannot read", args[1]);
        }
        // The whole drawing is the picture's bounds, not only what was painted, so that it is
        // stretched into its box like the SVG.
        QPicture picture;
        picture.setBoundingRect(QRect(QPoint(0, 0), svg.defaultSize()));
        {
            QPainter painter(&picture);
            svg.render(&painter, QRectF(QPointF(0, 0), svg.defaultSize()));
        }
        return picture.save(args[2]) ? 0 : fail("cannot write", args[2]);
    }
    std::fprintf(stderr, "usage: ipb_render_drawing png|ico|picture … (see the source)\n");
    return 2;
}
