#include "record_dialogs.h"

#include "message_box.h"
#include "record_pdf.h"
#include "record_printing.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ipb {

SaveFileQuestion askPdfFileName = [](QWidget* parent, const QString& title, const QString& proposal,
                                     const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, proposal, filter);
};

namespace {

// The renderers say what went wrong; the window it went wrong in shows it.
void showError(QWidget* parent, const QString& error) {
    if (!error.isEmpty()) {
        showMessage(parent, QStringLiteral("Fehler:"), error);
    }
}

} // namespace

void saveRecordPdf(QWidget* parent, const RecordModel& record) {
    QString path = askPdfFileName(parent, QStringLiteral("Als PDF speichern"),
                                  proposedPdfPath(record), QStringLiteral("PDF-Dokumente (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    showError(parent, writeRecordPdfFile(path, record));
}

void printRecord(QWidget* parent, const RecordModel& record) {
    QPrinter printer(QPrinter::HighResolution);
    setUpRecordPrinter(printer, record);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    // Both pages always: the second explains the first.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() == QDialog::Accepted) {
        showError(parent, printRecordOn(printer, record));
    }
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
