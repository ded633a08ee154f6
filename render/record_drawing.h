#pragma once

#include <QRectF>

class QPainter;

namespace ipb {

// The load drawing of the first page (uniform load, or with the point load), stretched into the
// box, vector lines and its letters as text in the record's own italic. On Linux drawn from the
// SVG the windows show; on Windows, where Qt's SVG module is not built, replayed from the
// painting the build recorded of that SVG.
void paintLoadDrawing(QPainter& painter, const QRectF& box, bool pointLoad);

} // namespace ipb
