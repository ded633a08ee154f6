#pragma once

#include "record_model.h"

class QMimeData;

namespace ipb {

// The record for the clipboard, twice: as lines of tab-separated fields (caption, value, unit,
// and the mark of an inadmissible value), so that a spreadsheet pastes it into columns, and as
// an HTML table for word processors, inadmissible values in red. Load case, section, inputs and
// verdict first, then the ten result rows and the exact maxima.
QMimeData* recordMimeData(const RecordModel& record);

} // namespace ipb
