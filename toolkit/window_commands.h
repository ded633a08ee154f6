#pragma once

class QAction;
class QKeySequence;
class QString;
class QWidget;

namespace ipb {

// Adds a command to a window's context menu (right mouse button, the Menu key, Shift+F10) with
// its shortcut, which works while that window is the active one. The window's buttons and
// layout stay as they are.
QAction* addWindowCommand(QWidget* window, const char* name, const QString& text,
                          const QKeySequence& keys);

} // namespace ipb
