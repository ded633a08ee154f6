#include "record_drawing.h"

#include "record_fonts.h"

#include <QFile>
#include <QSvgRenderer>

namespace ipb {

void paintLoadDrawing(QPainter& painter, const QRectF& box, bool pointLoad) {
    // Its letters name Arial, which each machine finds a font of its own for: here they are the
    // record's own italic.
    QFile file(pointLoad ? QStringLiteral(":/assets/point_load.svg")
                         : QStringLiteral(":/assets/uniform_load.svg"));
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    svg.replace(R"(font-family="Arial")", R"(font-family=")" + recordFamily().toUtf8() + '"');
    QSvgRenderer(svg).render(&painter, box);
}

} // namespace ipb
