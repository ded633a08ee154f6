#include "record_pdf.h"

#include "qt_text.h"
#include "record_page.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

namespace ipb {

QString proposedPdfPath(const RecordModel& record) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(qtText(record.fileName));
}

bool writeRecordPdf(QIODevice& device, const RecordModel& record) {
    QPdfWriter writer(&device);
    writer.setPageLayout(recordPageLayout());
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

QString writeRecordPdfFile(const QString& path, const RecordModel& record) {
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else if (!writeRecordPdf(file, record)) {
        reason = file.error() != QFileDevice::NoError
                     ? file.errorString()
                     : QStringLiteral("Die Seite ließ sich nicht zeichnen.");
        file.cancelWriting();
    } else if (!file.commit()) {
        reason = file.errorString();
    }
    if (reason.isEmpty()) {
        return {};
    }
    return QStringLiteral("Die Datei %1 konnte nicht geschrieben werden:\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace ipb
