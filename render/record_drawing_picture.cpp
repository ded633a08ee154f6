#include "record_drawing.h"

#include <QPainter>
#include <QPicture>

namespace ipb {

void paintLoadDrawing(QPainter& painter, const QRectF& box, bool pointLoad) {
    // Recorded at build time from the SVG at its own size, its letters already naming the
    // record's family, which the page has registered by now.
    QPicture picture;
    if (!picture.load(pointLoad ? QStringLiteral(":/drawings/point_load.pic")
                                : QStringLiteral(":/drawings/uniform_load.pic"))) {
        return;
    }
    const QRect drawn = picture.boundingRect();
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / drawn.width(), box.height() / drawn.height());
    // Replaying, QPicture scales from its own resolution to the device's (a PDF page's 1200
    // dpi): the box above is already in the device's units.
    painter.scale(qreal(picture.logicalDpiX()) / painter.device()->logicalDpiX(),
                  qreal(picture.logicalDpiY()) / painter.device()->logicalDpiY());
    painter.drawPicture(-drawn.topLeft(), picture);
    painter.restore();
}

} // namespace ipb
