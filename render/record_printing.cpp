#include "record_printing.h"

#include "record_page.h"
#include "record_pdf.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace ipb {

void setUpRecordPrinter(QPrinter& printer, const RecordModel& record) {
    const QString proposedFile = proposedPdfPath(record);
    printer.setDocName(QFileInfo(proposedFile).completeBaseName());
    printer.setPageLayout(recordPageLayout());
    // Without a printer the dialog offers only a file, and would propose a bare folder for it:
    // propose the record's own file instead.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFileName(proposedFile);
    }
}

QString printRecordOn(QPrinter& printer, const RecordModel& record) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return QStringLiteral("Der Drucker „%1“ lässt sich nicht ansprechen.")
            .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                    : printer.outputFileName());
    }
    paintRecord(painter, printer, record);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return QStringLiteral("Der Druckauftrag ist fehlgeschlagen.");
    }
    return {};
}

} // namespace ipb
