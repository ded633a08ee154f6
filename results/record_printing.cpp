// The print module: Qt's print dialog and printer, loaded by the program on the first print.

#include "print_module_api.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

extern "C" Q_DECL_EXPORT int ipbtraeger_print_record(QWidget* parent, const QString& proposedFile,
                                                     const QPageLayout& layout,
                                                     const ipb::PagePainter& paint,
                                                     QString& error) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(proposedFile).completeBaseName());
    printer.setPageLayout(layout);
    // Without a printer the dialog offers only a file, and would propose a bare folder for it:
    // propose the record's own file instead.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFileName(proposedFile);
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    // One page: a range or a selection would mean nothing.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        return static_cast<int>(ipb::PrintOutcome::Cancelled);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = QStringLiteral("Der Drucker „%1“ lässt sich nicht ansprechen.")
                    .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                            : printer.outputFileName());
        return static_cast<int>(ipb::PrintOutcome::Failed);
    }
    paint(painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        error = QStringLiteral("Der Druckauftrag ist fehlgeschlagen.");
        return static_cast<int>(ipb::PrintOutcome::Failed);
    }
    return static_cast<int>(ipb::PrintOutcome::Printed);
}
