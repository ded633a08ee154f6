#pragma once

#include "record_model.h"

#include <QString>

#include <functional>

class QWidget;

namespace ipb {

// Asks where to save: parent, dialog title, proposed path, file filter; an empty answer
// cancels. Defaults to Qt's save dialog; tests answer it themselves.
using SaveFileQuestion = std::function<QString(QWidget* parent, const QString& title,
                                               const QString& proposal, const QString& filter)>;
extern SaveFileQuestion askPdfFileName;

// Asks for a file name, proposing the record's own in the folder last used, and saves the record
// there; a file that cannot be written, or a record whose check its packet refused, gives a
// "Fehler:" message naming the file and the reason.
void saveRecordPdf(QWidget* parent, const RecordModel& record);

// Prints the record through Qt's print dialog. Without a printer the dialog offers the record's
// own PDF file name; a print that fails gives a "Fehler:" message over parent.
void printRecord(QWidget* parent, const RecordModel& record);

// Shows Qt's print preview of the record's pages, from which it can be printed as well.
void previewRecord(QWidget* parent, const RecordModel& record);

} // namespace ipb
