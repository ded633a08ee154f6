#include "results_window.h"

#include "designed_palette.h"
#include "form_setup.h"
#include "keyboard_focus.h"
#include "qt_text.h"

#include <QApplication>
#include <QCloseEvent>

namespace ipb {
namespace {

void setTextColour(QLabel* label, TextColour colour) {
    if (colour == TextColour::Untouched) {
        return;
    }
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     colour == TextColour::Red
                         ? kFailingRed
                         : QApplication::palette().color(QPalette::ButtonText));
    label->setPalette(palette);
}

} // namespace

ResultsWindow::ResultsWindow() {
    ui.setupUi(this);
    makeFixedDialog(this);
    finishForm(this);
    setUpKeyboard(this, designTabOrder(this), FirstFocus::FirstControl);
    connect(ui.CmdReport, &QPushButton::clicked, this, &ResultsWindow::CmdReport_Click);
    connect(ui.CmdEnd1, &QPushButton::clicked, this, &ResultsWindow::CmdEnd1_Click);
}

QLabel* ResultsWindow::valueLabel(std::size_t row) const {
    QLabel* const values[kResultRowCount] = {
        ui.LabErgFa,     ui.LabErgFb,     ui.LabErgqxl,     ui.LabErgL,    ui.LabErgMb,
        ui.LabErgSigmax, ui.LabErgSigzul, ui.LabErgSicVorh, ui.LabErgMaxf, ui.LabErgZulf};
    return values[row];
}

QLabel* ResultsWindow::captionLabel(std::size_t row) const {
    QLabel* const captions[kResultRowCount] = {ui.LabErg0, ui.LabErg1, ui.LabErg2, ui.LabErg3,
                                               ui.LabErg4, ui.LabErg5, ui.LabErg6, ui.LabErg7,
                                               ui.LabErg8, ui.LabErg9};
    return captions[row];
}

QLabel* ResultsWindow::captionElement(int index) const {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->objectName().startsWith(QLatin1String("LabErg")) &&
            label->property("index").isValid() && label->property("index").toInt() == index) {
            return label;
        }
    }
    return nullptr;
}

void ResultsWindow::showResults(const ResultView& view) {
    // The span row carries a value only with a point load; without one its caption stays on
    // screen, greyed, so the table keeps its shape.
    ui.LabErgqxl->show();
    captionElement(2)->setEnabled(true);
    ui.LabErgL->setVisible(view.spanRowShown);
    if (view.spanRowShown) {
        captionElement(3)->show();
    } else {
        captionElement(3)->setEnabled(false);
    }

    for (std::size_t i = 0; i < kResultRowCount; ++i) {
        const ResultRow& row = view.rows[i];
        QLabel* value = valueLabel(i);
        if (row.text) {
            value->setText(qtText(*row.text));
            // A screen reader reads each row as its caption and its value.
            value->setAccessibleName(captionLabel(i)->text() + QStringLiteral(": ") +
                                     value->text());
        }
        setTextColour(value, row.colour);
    }
}

void ResultsWindow::offerWaysOn() {
    ui.CmdEnd1->setEnabled(true);
    ui.CmdReport->setEnabled(true);
}

void ResultsWindow::CmdReport_Click() {
    ui.CmdEnd1->setEnabled(false);
    ui.CmdReport->setEnabled(false);
    emit reportRequested();
}

void ResultsWindow::CmdEnd1_Click() {
    emit endRequested();
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    // Left only through its buttons: closing it would strand a locked input window.
    event->ignore();
}

} // namespace ipb
