#pragma once

#include "record_model.h"

#include <QString>

class QMimeData;

namespace ipb {

// The record as lines of tab-separated fields (caption, value, unit, and the mark of an
// inadmissible value), so that a spreadsheet pastes it into columns: load case, section,
// inputs and verdict first, then the ten result rows.
QString recordPlainText(const RecordModel& record);

// The same as an HTML table for word processors, inadmissible values in red.
QString recordHtml(const RecordModel& record);

// Both forms together, ready for the clipboard.
QMimeData* recordMimeData(const RecordModel& record);

} // namespace ipb
