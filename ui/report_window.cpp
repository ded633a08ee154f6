#include "report_window.h"

#include "form_setup.h"
#include "keyboard_focus.h"
#include "message_box.h"
#include "tab_order.h"

#include <QCloseEvent>
#include <QRegularExpression>

#include <algorithm>

namespace ipb {

ReportWindow::ReportWindow() {
    ui.setupUi(this);
    makeFixedDialog(this);
    finishForm(this);
    designedSize_ = size();
    tabOrder_ = designTabOrder(this);
    setUpKeyboard(this, tabOrder_, FirstFocus::FirstControl);
    connect(ui.CmdNeuBerech, &QPushButton::clicked, this, &ReportWindow::CmdNeuBerech_Click);
    connect(ui.CmdBeend, &QPushButton::clicked, this, &ReportWindow::CmdBeend_Click);
    connect(ui.GutBild, &ImageControl::doubleClicked, this, &ReportWindow::GutBild_dblClick);
}

void ReportWindow::prepare(const ReportSetup& setup) {
    moveToTabPosition(tabOrder_, static_cast<QWidget*>(ui.CmdBeend),
                      static_cast<std::size_t>(setup.beendTabPosition));
    moveToTabPosition(tabOrder_, static_cast<QWidget*>(ui.CmdNeuBerech),
                      static_cast<std::size_t>(setup.neuBerechTabPosition));
    // The first button in the order holds the focus when the window appears.
    applyTabOrder(this, tabOrder_);

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(setup.background));
    setPalette(palette);
    ui.GutBild->setVisible(setup.goodFace);
    ui.SchlechtBild->setVisible(!setup.goodFace);
}

void ReportWindow::setMessage(const QString& message) {
    // A message is two parts held apart by a run of blanks, meant to break into two lines: the
    // label keeps its top-left corner and is as wide as the longer part, so it wraps at the
    // blanks and no word is ever cut.
    QLabel* label = ui.LabMeldung;
    label->setText(message);
    int widest = 0;
    static const QRegularExpression kGap(QStringLiteral("\\s{2,}"));
    for (const QString& part : message.split(kGap, Qt::SkipEmptyParts)) {
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(part));
    }
    const int available = width() - label->x() - 8;
    const int labelWidth = std::clamp(widest + 2, 1, available);
    label->resize(labelWidth, label->heightForWidth(labelWidth));
}

void ReportWindow::setHint(const QString& hint) {
    QLabel* label = ui.LabHinweis;
    label->setText(hint);
    label->setVisible(!hint.isEmpty());
    QSize size = designedSize_;
    if (!hint.isEmpty()) {
        // As many lines as the hint needs, the window grown to the designed margin below them.
        label->resize(label->width(), label->heightForWidth(label->width()));
        size.setHeight(label->geometry().bottom() + 1 + label->x());
    }
    setFixedSize(size);
    if (isVisible()) {
        keepInsideScreen(this);
    }
}

void ReportWindow::CmdNeuBerech_Click() {
    emit newCalculationRequested();
}

void ReportWindow::CmdBeend_Click() {
    emit endRequested();
}

void ReportWindow::GutBild_dblClick() {
    showMessage(
        this, QStringLiteral("Info:"),
        QStringLiteral("Program designed by Quenstrand\nNew program writer in the world ..."),
        QMessageBox::Information);
}

void ReportWindow::closeEvent(QCloseEvent* event) {
    // Left only through its buttons: closing it would strand a locked input window.
    event->ignore();
}

} // namespace ipb
