#pragma once

#include "filed_check.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace ipb {

// Asks which record to open: parent, dialog title, the folder to start in, file filter; an empty
// answer cancels. Defaults to Qt's open dialog; tests answer it themselves.
using OpenFileQuestion = std::function<QString(QWidget* parent, const QString& title,
                                               const QString& folder, const QString& filter)>;
extern OpenFileQuestion askOpenPdfFileName;

// Files above this size are refused unread: a record is a few hundred kilobytes.
inline constexpr qint64 kLargestCheckFile = 50LL * 1024 * 1024;

// The check a record file holds, or the "Fehler:" message that says why there is none.
struct CheckFile {
    std::optional<FiledCheck> check;
    QString error;
};
CheckFile readCheckFile(const QString& path);
// A name as the bytes the file system keeps: Linux's own bytes, or on Windows, whose names are
// UTF-16, their UTF-8, so that every name survives (the ANSI code page would lose some).
QByteArray nativeFileName(const QString& path);
// The same for a file named in the bytes the file system holds, which need not be UTF-8 (a name
// given on the command line in Latin-1). Only a regular file is opened: a FIFO would wait for a
// writer for ever, a device may never answer, so anything else is refused before open().
CheckFile readNativeCheckFile(const QByteArray& nativePath);

} // namespace ipb
