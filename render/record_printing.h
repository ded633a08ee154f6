#pragma once

#include "record_model.h"

#include <QString>

class QWidget;

namespace ipb {

// Prints the record through Qt's print dialog. Without a printer the dialog offers the record's
// own PDF file name; a print that fails gives a "Fehler:" message over parent.
void printRecord(QWidget* parent, const RecordModel& record);

// Shows Qt's print preview of the record's pages, from which it can be printed as well.
void previewRecord(QWidget* parent, const RecordModel& record);

} // namespace ipb
