#pragma once

#include "record_model.h"

#include <QString>

class QIODevice;

namespace ipb {

// The proposed path: the documents folder (the home folder when there is none) and a name from
// the section and the time of the calculation.
QString proposedPdfPath(const RecordModel& record);

// Writes the record as an A4 PDF (two pages, or three with the further checks on their own) into an
// open device; false if nothing could be drawn.
bool writeRecordPdf(QIODevice& device, const RecordModel& record);

// Saves the record as a PDF file at path. The file is written beside its final place and renamed
// only when complete, so an existing file is never left half-written. Returns what went wrong,
// naming the file and the reason; empty when the file is saved.
QString writeRecordPdfFile(const QString& path, const RecordModel& record);

} // namespace ipb
