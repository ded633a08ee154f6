#include "design_dialog.h"

#include "form_setup.h"
#include "keyboard_focus.h"
#include "message_box.h"
#include "number_text.h"
#include "qt_text.h"

#include <QLocale>
#include <QRegularExpression>

#include <optional>

namespace ipb {
namespace {

// A figure as typed, with a decimal comma or point; nothing for an empty box. A text that is
// not a plain number throws no exponent or stray character past the check.
std::optional<double> typedNumber(const QString& text, bool& bad) {
    const QString t = text.trimmed();
    bad = false;
    if (t.isEmpty()) {
        return std::nullopt;
    }
    static const QRegularExpression kPlain(QStringLiteral("^\\d+([.,]\\d*)?$|^[.,]\\d+$"));
    if (!kPlain.match(t).hasMatch()) {
        bad = true;
        return std::nullopt;
    }
    return numberFromText(QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toStdString());
}

QString shown(double value) {
    return QLocale().toString(value, 'g', 10).remove(QLocale().groupSeparator());
}

} // namespace

DesignDialog::DesignDialog(const DesignData& design, bool pointLoad, QWidget* parent)
    : QDialog(parent), design_(design) {
    ui.setupUi(this);
    finishForm(this);
    ui.CboStahlsorte->setCurrentIndex(static_cast<int>(design.grade));
    ui.TxtStaendigQ->setText(design.permanentUniform != 0 ? shown(design.permanentUniform)
                                                          : QString());
    ui.TxtStaendigF->setText(design.permanentPoint != 0 ? shown(design.permanentPoint) : QString());
    ui.ChkGehalten->setChecked(design.topFlangeHeld);
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

void DesignDialog::takeEntries() {
    DesignData d;
    d.grade = kSteelGrades[std::clamp(ui.CboStahlsorte->currentIndex(), 0, 2)];
    d.topFlangeHeld = ui.ChkGehalten->isChecked();
    struct Entry {
        QLineEdit* box;
        QLabel* label;
        double top;
        QString unit;
    };
    const auto read = [&](const Entry& e, std::optional<double>& value) {
        bool bad = false;
        value = e.box->isHidden() ? std::nullopt : typedNumber(e.box->text(), bad);
        if (bad || (value && !(*value >= 0 && *value <= e.top))) {
            QString name = e.label->text();
            name.chop(1); // the colon
            name.remove(QRegularExpression(QStringLiteral("\\s*\\[.*\\]")));
            showMessage(this, QStringLiteral("Fehler:"),
                        QStringLiteral("%1: bitte eine Zahl von 0 bis %2 %3 eingeben.")
                            .arg(name, shown(e.top), e.unit));
            focusWithTextSelected(e.box);
            return false;
        }
        return true;
    };
    std::optional<double> gk, Gk;
    if (!read({ui.TxtStaendigQ, ui.LabStaendigQ, kPermanentUniformMax, QStringLiteral("kN/m")},
              gk) ||
        !read({ui.TxtStaendigF, ui.LabStaendigF, kPermanentPointMax, QStringLiteral("kN")}, Gk) ||
        !read({ui.TxtLagerA, ui.LabLagerA, kBearingLengthMax, QStringLiteral("mm")}, d.bearingA) ||
        !read({ui.TxtLagerB, ui.LabLagerB, kBearingLengthMax, QStringLiteral("mm")}, d.bearingB) ||
        !read({ui.TxtLagerF, ui.LabLagerF, kBearingLengthMax, QStringLiteral("mm")}, d.bearingF)) {
        return;
    }
    // Empty parts are no parts; what the uniform-load case does not ask stays as it was.
    d.permanentUniform = gk.value_or(0);
    d.permanentPoint = ui.TxtStaendigF->isHidden() ? design_.permanentPoint : Gk.value_or(0);
    if (ui.TxtLagerF->isHidden()) {
        d.bearingF = design_.bearingF;
    }
    design_ = d;
    accept();
}

} // namespace ipb
