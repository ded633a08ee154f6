#pragma once

#include "record_text.h"

class QMimeData;

namespace ipb {

// The record as lines of tab-separated fields (caption, value, unit, and the mark of an
// inadmissible value), so that a spreadsheet pastes it into columns: load case, section,
// inputs and verdict first, then the ten result rows.
QString recordPlainText(const CalculationRecord& record);

// The same as an HTML table for word processors, inadmissible values in red.
QString recordHtml(const CalculationRecord& record);

// Both forms together, ready for the clipboard.
QMimeData* recordMimeData(const CalculationRecord& record);

} // namespace ipb
