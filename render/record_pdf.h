#pragma once

#include "record_model.h"

#include <QString>

#include <functional>

class QIODevice;
class QWidget;

namespace ipb {

// Asks where to save: parent, dialog title, proposed path, file filter; an empty answer
// cancels. Defaults to Qt's save dialog; tests answer it themselves.
using SaveFileQuestion = std::function<QString(QWidget* parent, const QString& title,
                                               const QString& proposal, const QString& filter)>;
extern SaveFileQuestion askPdfFileName;

// The proposed path: the documents folder (the home folder when there is none) and a name from
// the section and the time of the calculation.
QString proposedPdfPath(const RecordModel& record);

// Writes the record as an A4 PDF (two pages, or three with the further checks on their own) into an open device; false if nothing could be drawn.
bool writeRecordPdf(QIODevice& device, const RecordModel& record);

// Asks for a file name and saves the record there. The file is written beside its final place
// and renamed only when complete, so an existing file is never left half-written; a file that
// cannot be written gives a "Fehler:" message naming the file and the reason.
void saveRecordPdf(QWidget* parent, const RecordModel& record);

} // namespace ipb
