#include "record_commands.h"

#include "record_clipboard.h"
#include "record_pdf.h"
#include "record_print_module.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace ipb {
namespace {

QAction* addCommand(QWidget* window, const char* name, const QString& text,
                    const QKeySequence& keys) {
    auto* action = new QAction(text, window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    // Only while this window is the active one: the other windows keep their own keys.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    window->addAction(action);
    return action;
}

// The keyboard's ways to the context menu. Not every platform turns the Menu key into a
// context menu event, and none turns Shift+F10 into one, so both open it here.
void addKeyboardMenu(QWidget* window) {
    auto* shortcut = new QShortcut(window);
    shortcut->setObjectName(QStringLiteral("RecordMenuKeys"));
    shortcut->setKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [window] {
        QWidget* focus = window->focusWidget();
        const QPoint at =
            focus && focus->window() == window
                ? focus->mapToGlobal(focus->rect().center())
                : window->mapToGlobal(QPoint(window->width() / 3, window->height() / 3));
        QMenu::exec(window->actions(), at, nullptr, window);
    });
}

} // namespace

void installRecordCommands(QWidget* window, RecordSource source) {
    window->setContextMenuPolicy(Qt::ActionsContextMenu);

    QAction* print = addCommand(window, "ActionPrint", QStringLiteral("Drucken…"),
                                QKeySequence(Qt::CTRL | Qt::Key_P));
    QObject::connect(print, &QAction::triggered, window, [window, source] {
        if (const auto record = source()) {
            printRecord(window, *record);
        }
    });

    QAction* save = addCommand(window, "ActionSavePdf", QStringLiteral("Als PDF speichern…"),
                               QKeySequence(Qt::CTRL | Qt::Key_S));
    QObject::connect(save, &QAction::triggered, window, [window, source] {
        if (const auto record = source()) {
            saveRecordPdf(window, *record);
        }
    });

    QAction* copy = addCommand(window, "ActionCopy", QStringLiteral("Ergebnisse kopieren"),
                               QKeySequence(Qt::CTRL | Qt::Key_C));
    QObject::connect(copy, &QAction::triggered, window, [source] {
        if (const auto record = source()) {
            QGuiApplication::clipboard()->setMimeData(recordMimeData(*record));
        }
    });

    addKeyboardMenu(window);
}

} // namespace ipb
