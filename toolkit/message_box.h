#pragma once

#include <QMessageBox>
#include <QString>

namespace ipb {

// A modal message box with one OK button.
void showMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon = QMessageBox::NoIcon);

} // namespace ipb
