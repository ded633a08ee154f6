#include "record_commands.h"

#include "record_clipboard.h"
#include "record_dialogs.h"
#include "window_commands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

namespace ipb {

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
                     &QAction::triggered, window, withRecord(printRecord));
    QObject::connect(
        addWindowCommand(window, "ActionPreview", QStringLiteral("Seitenansicht…"), QKeySequence()),
        &QAction::triggered, window, withRecord(previewRecord));
    QObject::connect(addWindowCommand(window, "ActionSavePdf", QStringLiteral("Als PDF speichern…"),
                                      QKeySequence(Qt::CTRL | Qt::Key_S)),
                     &QAction::triggered, window, withRecord(saveRecordPdf));
    QObject::connect(addWindowCommand(window, "ActionCopy", QStringLiteral("Ergebnisse kopieren"),
                                      QKeySequence(Qt::CTRL | Qt::Key_C)),
                     &QAction::triggered, window,
                     withRecord([](QWidget*, const RecordModel& record) {
                         QGuiApplication::clipboard()->setMimeData(recordMimeData(record));
                     }));
}

} // namespace ipb
