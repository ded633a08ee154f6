#pragma once

#include "calculation_record.h"

#include <QPageLayout>

class QPainter;

namespace ipb {

// A4 portrait with margins a binder and a hole punch leave alone.
QPageLayout recordPageLayout();

// Draws the record onto one page: the painter's device is the printable area, its origin the
// top-left corner inside the margins. Text stays text and the drawing stays vector graphics,
// so a PDF of it can be searched and printed sharp at any size.
void paintRecord(QPainter& painter, const CalculationRecord& record);

} // namespace ipb
