#include "record_commands.h"

#include "message_box.h"
#include "record_clipboard.h"
#include "record_pdf.h"
#include "record_printing.h"
#include "window_commands.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ipb {

SaveFileQuestion askPdfFileName = [](QWidget* parent, const QString& title, const QString& proposal,
                                     const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, proposal, filter);
};

namespace {

void showError(QWidget* parent, const QString& error) {
    if (!error.isEmpty()) {
        showMessage(parent, QStringLiteral("Fehler:"), error);
    }
}

void savePdf(QWidget* parent, const RecordModel& record) {
    QString path = askPdfFileName(parent, QStringLiteral("Als PDF speichern"),
                                  proposedPdfPath(record), QStringLiteral("PDF-Dokumente (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    showError(parent, saveRecordPdf(path, record));
}

void print(QWidget* parent, const RecordModel& record) {
    QPrinter printer(QPrinter::HighResolution);
    setUpRecordPrinter(printer, record);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    // Both pages always: the second explains the first.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() == QDialog::Accepted) {
        showError(parent, printRecord(printer, record));
    }
}

void preview(QWidget* parent, const RecordModel& record) {
    QPrinter printer(QPrinter::HighResolution);
    setUpRecordPrinter(printer, record);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Seitenansicht"));
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&dialog, &record](QPrinter* target) { showError(&dialog, printRecord(*target, record)); });
    dialog.exec();
}

} // namespace

void installRecordCommands(QWidget* window, RecordSource source) {
    // Each command works on the record of the moment it is given, never on a stale one.
    const auto withRecord = [window, source](void (*command)(QWidget*, const RecordModel&)) {
        return [window, source, command] {
            if (const auto record = source()) {
                command(window, recordModel(*record));
            }
        };
    };
    QObject::connect(addWindowCommand(window, "ActionPrint", QStringLiteral("Drucken…"),
                                      QKeySequence(Qt::CTRL | Qt::Key_P)),
                     &QAction::triggered, window, withRecord(print));
    QObject::connect(
        addWindowCommand(window, "ActionPreview", QStringLiteral("Seitenansicht…"), QKeySequence()),
        &QAction::triggered, window, withRecord(preview));
    QObject::connect(addWindowCommand(window, "ActionSavePdf", QStringLiteral("Als PDF speichern…"),
                                      QKeySequence(Qt::CTRL | Qt::Key_S)),
                     &QAction::triggered, window, withRecord(savePdf));
    QObject::connect(addWindowCommand(window, "ActionCopy", QStringLiteral("Ergebnisse kopieren"),
                                      QKeySequence(Qt::CTRL | Qt::Key_C)),
                     &QAction::triggered, window,
                     withRecord([](QWidget*, const RecordModel& record) {
                         QGuiApplication::clipboard()->setMimeData(recordMimeData(record));
                     }));
}

} // namespace ipb
