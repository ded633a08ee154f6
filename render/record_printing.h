#pragma once

#include "record_model.h"

#include <QString>

class QPrinter;

namespace ipb {

// Readies a printer for the record: its pages, and the document and file name the print and
// print-to-file dialogs offer. Without a printer the dialog offers only a file: the record's own.
void setUpRecordPrinter(QPrinter& printer, const RecordModel& record);

// Prints the record's pages on a printer set up for it. Returns what went wrong, in words the
// engineer can act on; empty when the printer took every page.
QString printRecordOn(QPrinter& printer, const RecordModel& record);

} // namespace ipb
