#include "window_commands.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

namespace ipb {

QAction* addWindowCommand(QWidget* window, const char* name, const QString& text,
                          const QKeySequence& keys) {
    if (window->contextMenuPolicy() != Qt::ActionsContextMenu) {
        window->setContextMenuPolicy(Qt::ActionsContextMenu);
        // Not every platform turns the Menu key into a context menu event, and none turns
        // Shift+F10 into one, so both open the menu here, beside the focused control.
        auto* menuKeys = new QShortcut(window);
        menuKeys->setObjectName(QStringLiteral("MenuKeys"));
        menuKeys->setKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
        menuKeys->setContext(Qt::WindowShortcut);
        QObject::connect(menuKeys, &QShortcut::activated, window, [window] {
            QWidget* focus = window->focusWidget();
            const QPoint at =
                focus && focus->window() == window
                    ? focus->mapToGlobal(focus->rect().center())
                    : window->mapToGlobal(QPoint(window->width() / 3, window->height() / 3));
            QMenu::exec(window->actions(), at, nullptr, window);
        });
    }
    auto* action = new QAction(text, window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    // Only while this window is the active one: the other windows keep their own keys.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    window->addAction(action);
    return action;
}

} // namespace ipb
