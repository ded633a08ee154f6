#include "record_printing.h"

#include "record_page.h"
#include "record_pdf.h"
#include "window_services.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace ipb {
namespace {

void setUpPrinter(QPrinter& printer, const RecordModel& record) {
    const QString proposedFile = proposedPdfPath(record);
    printer.setDocName(QFileInfo(proposedFile).completeBaseName());
    printer.setPageLayout(recordPageLayout());
    // Without a printer the dialog offers only a file, and would propose a bare folder for it:
    // propose the record's own file instead.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFileName(proposedFile);
    }
}

// Paints both pages; false with the reason when the printer cannot take them.
bool paintOn(QPrinter& printer, const RecordModel& record, QString& error) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = QStringLiteral("Der Drucker „%1“ lässt sich nicht ansprechen.")
                    .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                            : printer.outputFileName());
        return false;
    }
    paintRecord(painter, printer, record);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        error = QStringLiteral("Der Druckauftrag ist fehlgeschlagen.");
        return false;
    }
    return true;
}

} // namespace

void printRecord(QWidget* parent, const RecordModel& record) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, record);
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
        const QString reason = writeRecordPdfFile(path, record, printer.pageLayout());
        if (!reason.isEmpty()) {
            showMessage(parent, QStringLiteral("Fehler:"),
                        QStringLiteral("Die Datei %1 konnte nicht geschrieben werden:\n%2")
                            .arg(QDir::toNativeSeparators(path), reason));
        }
        return;
    }
    QString error;
    if (!paintOn(printer, record, error)) {
        showMessage(parent, QStringLiteral("Fehler:"), error);
    }
}

void previewRecord(QWidget* parent, const RecordModel& record) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, record);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Seitenansicht"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&preview, &record](QPrinter* target) {
                         QString error;
                         if (!paintOn(*target, record, error)) {
                             showMessage(&preview, QStringLiteral("Fehler:"), error);
                         }
                     });
    preview.exec();
}

} // namespace ipb
