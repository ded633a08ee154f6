#include "position_dialog.h"

#include "form_setup.h"
#include "position_text.h"
#include "qt_text.h"

namespace ipb {
namespace {

// A pasted line break or tab would break the one line the record gives each field, and a
// character XML cannot hold would leave a record that does not open again: the core's cleaning.
std::string oneLine(const QString& text) {
    return positionField(coreText(text));
}

} // namespace

PositionDialog::PositionDialog(const PositionFields& fields, QWidget* parent) : QDialog(parent) {
    ui.setupUi(this);
    finishForm(this);
    ui.TxtBauvorhaben->setText(qtText(fields.bauvorhaben));
    ui.TxtPosition->setText(qtText(fields.position));
    ui.TxtBauteil->setText(qtText(fields.bauteil));
    ui.TxtBearbeiter->setText(qtText(fields.bearbeiter));
    // Escape rejects the dialog like "Abbrechen"; Enter in a box takes the default "OK".
    connect(ui.CmdPositionOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui.CmdPositionAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    ui.TxtBauvorhaben->setFocus(Qt::OtherFocusReason);
}

PositionFields PositionDialog::fields() const {
    return {oneLine(ui.TxtBauvorhaben->text()), oneLine(ui.TxtPosition->text()),
            oneLine(ui.TxtBauteil->text()), oneLine(ui.TxtBearbeiter->text())};
}

} // namespace ipb
