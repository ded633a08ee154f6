#include "record_dialogs.h"

#include "message_box.h"
#include "record_page.h"
#include "record_pdf.h"
#include "record_printing.h"
#include "stored_settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ipb {

// Qt's save dialog adds ".pdf" to a name typed without it before it decides whether to ask
// about replacing an existing file, so "Bericht" beside "Bericht.pdf" asks like the full name.
QString askWithSaveDialog(QWidget* parent, const QString& title, const QString& proposal,
                          const QString& filter) {
    QFileDialog dialog(parent, title, proposal, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

SaveFileQuestion askPdfFileName = askWithSaveDialog;

namespace {

// The renderers say what went wrong; the window it went wrong in shows it.
void showError(QWidget* parent, const QString& error) {
    if (!error.isEmpty()) {
        showMessage(parent, QStringLiteral("Fehler:"), error);
    }
}

// A file that could not be written, named with the reason; empty when it was.
QString fileError(const QString& path, const QString& reason) {
    return reason.isEmpty() ? QString()
                            : QStringLiteral("Die Datei %1 konnte nicht geschrieben werden:\n%2")
                                  .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

void saveRecordPdf(QWidget* parent, const RecordModel& record) {
    // The proposed name in the folder last used: a project's records go together.
    const QString proposal =
        QDir(recordFolder()).filePath(QFileInfo(proposedPdfPath(record)).fileName());
    const QString path = askPdfFileName(parent, QStringLiteral("Als PDF speichern"), proposal,
                                        QStringLiteral("PDF-Dokumente (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const QString error = fileError(path, writeRecordPdfFile(path, record, recordPageLayout()));
    if (error.isEmpty()) {
        storeRecordFolder(path);
    }
    showError(parent, error);
}

void printRecord(QWidget* parent, const RecordModel& record) {
    QPrinter printer(QPrinter::HighResolution);
    setUpRecordPrinter(printer, record);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    // Both pages always: the second explains the first.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // Printed to a file, Qt's PDF engine would truncate the file and then ignore a full disk:
    // the program writes that file itself, whole or not at all, as it saves a record.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QString path = printer.outputFileName();
        showError(parent, fileError(path, writeRecordPdfFile(path, record, printer.pageLayout())));
        return;
    }
    showError(parent, printRecordOn(printer, record));
}

void previewRecord(QWidget* parent, const RecordModel& record) {
    QPrinter printer(QPrinter::HighResolution);
    setUpRecordPrinter(printer, record);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Seitenansicht"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&preview, &record](QPrinter* target) {
                         showError(&preview, printRecordOn(*target, record));
                     });
    preview.exec();
}

} // namespace ipb
