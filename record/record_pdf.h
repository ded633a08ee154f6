#pragma once

#include "record_model.h"

#include <QString>

#include <functional>

class QIODevice;
class QPageLayout;
class QWidget;

namespace ipb {

// Asks where to save: parent, dialog title, proposed path, file filter; an empty answer
// cancels. Defaults to Qt's save dialog; tests answer it themselves.
using SaveFileQuestion = std::function<QString(QWidget* parent, const QString& title,
                                               const QString& proposal, const QString& filter)>;
extern SaveFileQuestion askPdfFileName;
// Qt's save dialog, which adds ".pdf" to a name typed without it before it decides whether to
// ask about replacing an existing file.
QString askWithSaveDialog(QWidget* parent, const QString& title, const QString& proposal,
                          const QString& filter);

// The proposed path: the documents folder (the home folder when there is none) and a name from
// the section and the time of the calculation.
QString proposedPdfPath(const RecordModel& record);

// Writes the record as an A4 PDF (two pages, or three with the further checks on their own) into an open device; false if nothing could be drawn.
bool writeRecordPdf(QIODevice& device, const RecordModel& record);

// Why a file operation failed, in German, from the system's error number.
QString systemErrorText(int error);

// Writes all the bytes into the device, offering the rest again after a write that took fewer;
// empty when all are written (and flushed), otherwise why not.
QString writeWhole(QIODevice& device, const QByteArray& bytes);

// Saves the record's PDF at path in this page layout: the pages are drawn in memory first, then
// written beside the file's place and renamed over it only when every byte is on the disk. An
// existing file stays as it was otherwise, and no stray file is left. Empty when saved,
// otherwise the reason in German.
QString writeRecordPdfFile(const QString& path, const RecordModel& record,
                           const QPageLayout& layout);

// Asks for a file name and saves the record there; a file that cannot be written gives a
// "Fehler:" message naming the file and the reason.
void saveRecordPdf(QWidget* parent, const RecordModel& record);

} // namespace ipb
