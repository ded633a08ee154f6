#pragma once

#include "record_model.h"

#include <QString>

class QIODevice;
class QPageLayout;

namespace ipb {

// The proposed path: the documents folder (the home folder when there is none) and a name from
// the section and the time of the calculation.
QString proposedPdfPath(const RecordModel& record);

// Writes the record as an A4 PDF into an open device; false if nothing could be drawn.
bool writeRecordPdf(QIODevice& device, const RecordModel& record);

// Why a file operation failed, in German, from the system's error number.
QString systemErrorText(int error);

// Writes all the bytes into the device, offering the rest again after a write that took fewer;
// empty when all are written (and flushed), otherwise why not.
QString writeWhole(QIODevice& device, const QByteArray& bytes);

// Saves the record's PDF at path in this page layout: the pages are drawn in memory first, then
// written beside the file's place and renamed over it only when every byte is on the disk. An
// existing file stays as it was otherwise, and no stray file is left. A record whose check its
// packet refused is not written. Empty when saved, otherwise the reason in German.
QString writeRecordPdfFile(const QString& path, const RecordModel& record,
                           const QPageLayout& layout);

} // namespace ipb
