#include "design_dialog.h"

#include "design_entries.h"
#include "form_setup.h"
#include "keyboard_focus.h"
#include "message_box.h"
#include "qt_text.h"

namespace ipb {
namespace {

// A figure with the separator of the engineer's locale and exactly the digits it was given, so
// that "OK" on the unchanged box files the same figure again. The core takes only figures the
// box can show whole (showableFigure), and the boxes take as many characters.
QString shown(double value) {
    return qtText(figureText(value, localeDecimalSeparator()));
}

} // namespace

DesignDialog::DesignDialog(const DesignData& design, const BeamInput& loads, bool pointLoad,
                           QWidget* parent)
    : QDialog(parent), loads_(loads), design_(design) {
    ui.setupUi(this);
    finishForm(this);
    for (QLineEdit* box : boxes()) {
        box->setMaxLength(int(kDesignBoxLength));
    }
    ui.CboStahlsorte->setCurrentIndex(static_cast<int>(design.grade));
    ui.TxtStaendigQ->setText(design.permanentUniform != 0 ? shown(design.permanentUniform)
                                                          : QString());
    ui.TxtStaendigF->setText(design.permanentPoint != 0 ? shown(design.permanentPoint) : QString());
    ui.ChkGehalten->setChecked(design.topFlangeHeld);
    ui.CboLastangriff->setCurrentIndex(static_cast<int>(design.loadHeight));
    // Where the loads act matters only to a top flange free to buckle sideways.
    ui.CboLastangriff->setDisabled(design.topFlangeHeld);
    connect(ui.ChkGehalten, &QCheckBox::toggled, ui.CboLastangriff, &QWidget::setDisabled);
    const auto bearing = [](const std::optional<double>& s) { return s ? shown(*s) : QString(); };
    ui.TxtLagerA->setText(bearing(design.bearingA));
    ui.TxtLagerB->setText(bearing(design.bearingB));
    ui.TxtLagerF->setText(bearing(design.bearingF));
    for (QWidget* w : std::initializer_list<QWidget*>{ui.LabStaendigF, ui.TxtStaendigF,
                                                      ui.LabLagerF, ui.TxtLagerF}) {
        w->setVisible(pointLoad);
    }
    // Escape rejects the dialog like "Abbrechen"; Enter in a box takes the default "OK".
    connect(ui.CmdBemessungOk, &QPushButton::clicked, this, &DesignDialog::takeEntries);
    connect(ui.CmdBemessungAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    ui.CboStahlsorte->setFocus(Qt::OtherFocusReason);
    adjustSize();
    shrinkToScreen(this);
}

std::array<QLineEdit*, kDesignBoxCount> DesignDialog::boxes() const {
    return {ui.TxtStaendigQ, ui.TxtStaendigF, ui.TxtLagerA, ui.TxtLagerB, ui.TxtLagerF};
}

void DesignDialog::takeEntries() {
    DesignEntries entries;
    entries.gradeIndex = ui.CboStahlsorte->currentIndex();
    entries.topFlangeHeld = ui.ChkGehalten->isChecked();
    entries.loadHeightIndex = ui.CboLastangriff->currentIndex();
    for (std::size_t i = 0; i < kDesignBoxCount; ++i) {
        entries.boxes[i] = boxes()[i]->text().toStdString();
    }
    entries.pointLoadShown = !ui.TxtStaendigF->isHidden();
    entries.uniformLoad = loads_.plusq;
    entries.pointLoad = loads_.F;
    auto read = readDesignEntries(entries, design_);
    if (const auto* rejected = std::get_if<DesignRejection>(&read)) {
        showMessage(this, QStringLiteral("Fehler:"), qtText(rejected->message));
        focusWithTextSelected(boxes()[static_cast<std::size_t>(rejected->box)]);
        return;
    }
    design_ = std::get<DesignData>(read);
    accept();
}

} // namespace ipb
