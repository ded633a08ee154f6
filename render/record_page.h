#pragma once

#include "record_model.h"

#include <QString>

#include <QPageLayout>

class QPagedPaintDevice;
class QPainter;

namespace ipb {

// A4 portrait with margins a binder and a hole punch leave alone.
QPageLayout recordPageLayout();

// Draws the record onto two pages of the device the painter paints on: the results on the
// first, the calculation retraced, the lines along the span and the exact maxima on the second.
// The painter's origin is the top-left corner inside the margins. Text stays text and the drawing
// stays vector graphics, so a PDF of it can be searched and printed sharp at any size.
void paintRecord(QPainter& painter, QPagedPaintDevice& device, const RecordModel& record);

} // namespace ipb
