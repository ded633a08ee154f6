#include "record_pdf.h"

#include "qt_text.h"
#include "record_page.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

namespace ipb {

QString proposedPdfPath(const RecordModel& record) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(qtText(record.fileName));
}

namespace {

bool writePdf(QIODevice& device, const RecordModel& record, const QPageLayout& layout) {
    QPdfWriter writer(&device);
    writer.setPageLayout(layout);
    writer.setResolution(1200);
    writer.setTitle(qtText(record.pdfTitle));
    writer.setCreator(qtText(record.programTitle));
    // The check itself travels in the metadata, which stays readable without a PDF library.
    writer.setDocumentXmpMetadata(
        QByteArray(record.checkPacket.data(), qsizetype(record.checkPacket.size())));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    paintRecord(painter, writer, record);
    return painter.end();
}

// The reason a device gives, in German where the system's error number is known.
QString reasonOf(const QIODevice& device, int error) {
    if (error != 0) {
        return systemErrorText(error);
    }
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    if (file && file->error() == QFileDevice::ResourceError) {
        return systemErrorText(ENOSPC);
    }
    return device.errorString();
}

} // namespace

bool writeRecordPdf(QIODevice& device, const RecordModel& record) {
    return writePdf(device, record, recordPageLayout());
}

QString systemErrorText(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("Der Datenträger ist voll.");
#ifdef EDQUOT // Windows has no disk quotas in errno
    case EDQUOT:
        return QStringLiteral("Der zugeteilte Speicherplatz ist aufgebraucht.");
#endif
    case EACCES:
    case EPERM:
        return QStringLiteral("Keine Berechtigung.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
        return QStringLiteral("Die Datei oder der Ordner existiert nicht.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfads ist kein Ordner.");
    case EISDIR:
        return QStringLiteral("Unter diesem Namen gibt es einen Ordner.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist zu lang.");
    case EFBIG:
        return QStringLiteral("Die Datei ist zu groß für den Datenträger.");
    case EIO:
        return QStringLiteral("Ein- oder Ausgabefehler des Datenträgers.");
    default:
        return QStringLiteral("Systemfehler %1 (%2).")
            .arg(error)
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

QString writeWhole(QIODevice& device, const QByteArray& bytes) {
    // A disk that fills up takes what fits and says so only on the next write.
    for (qsizetype done = 0; done < bytes.size();) {
        errno = 0;
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return reasonOf(device, errno);
        }
        done += written;
    }
    auto* file = qobject_cast<QFileDevice*>(&device);
    errno = 0;
    if (file && !file->flush()) {
        return reasonOf(device, errno);
    }
    return {};
}

QString writeRecordPdfFile(const QString& path, const RecordModel& record,
                           const QPageLayout& layout) {
    // A record is saved to be opened again: without its check it is not saved at all.
    if (!record.packetRefusal.empty()) {
        return qtText(record.packetRefusal);
    }
    // The whole PDF first: the PDF writer takes no notice of a write that fails.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly) || !writePdf(buffer, record, layout)) {
        return QStringLiteral("Die Seite ließ sich nicht zeichnen.");
    }
    buffer.close();

    if (QFileInfo(path).isDir()) {
        return systemErrorText(EISDIR);
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return reasonOf(file, errno);
    }
    QString reason = writeWhole(file, pdf);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    // Commit syncs the data to the disk before the rename, so a full disk found only then
    // still leaves the old file.
    errno = 0;
    if (!file.commit()) {
        return reasonOf(file, errno);
    }
    return {};
}

} // namespace ipb
