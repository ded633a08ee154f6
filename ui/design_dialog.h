#pragma once

#include "beam_values.h"
#include "design_entries.h"
#include "ui_design_dialog.h"

#include <QDialog>

#include <array>

namespace ipb {

// "Bemessung…": what the design to DIN EN 1993-1-1 needs beyond the four windows' boxes. The
// parts of F and the bearing under it are asked only in the point-load case.
class DesignDialog : public QDialog {
    Q_OBJECT

  public:
    // `loads` are the inputs of the calculation on display, whose +q and F the permanent parts
    // are parts of.
    DesignDialog(const DesignData& design, const BeamInput& loads, bool pointLoad, QWidget* parent);

    // The data as entered; valid once the dialog was accepted.
    DesignData design() const { return design_; }

  private:
    // Hands the entries to the core's reading; on the first bad box says so, selects it and
    // keeps the dialog open.
    void takeEntries();
    // The boxes in the order of DesignBox.
    std::array<QLineEdit*, kDesignBoxCount> boxes() const;

    Ui::FrmBemessung ui;
    BeamInput loads_;
    DesignData design_;
};

} // namespace ipb
