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
    painter.drawPicture(-drawn.topLeft(), picture);
    painter.restore();
}

} // namespace ipb
