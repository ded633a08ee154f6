#pragma once

#include "record_model.h"

#include <QRectF>

class QPainter;

namespace ipb {

// The beam sketched with its supports and the point load, and under it the record's three
// lines along the span over the same scale, as vector graphics with their marked values. `mm`
// is the number of device pixels in a millimetre.
void paintBeamDiagrams(QPainter& painter, const QRectF& area, const RecordModel& record, double mm);

} // namespace ipb
