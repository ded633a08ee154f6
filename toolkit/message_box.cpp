#include "message_box.h"

namespace ipb {

void showMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
    // Give the keyboard back to the window the box belongs to, whatever the window manager does.
    if (parent) {
        parent->window()->activateWindow();
    }
}

} // namespace ipb
