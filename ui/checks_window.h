#pragma once

#include "check_result.h"
#include "ui_checks_window.h"

#include <QDialog>

namespace ipb {

// Every check of the calculation on display in one table, grouped as the verdict of the four
// windows, the further checks and the design to the standard, with the verdict over all of
// them underneath. Modeless: it follows the check on display while the engineer works on.
class ChecksWindow : public QDialog {
    Q_OBJECT

  public:
    ChecksWindow();

    void showChecks(const CheckResults& checks, const DesignData& design);

  signals:
    // "Bemessung…": the design data of the check on display, to be edited.
    void designRequested();

  private:
    void addHeadingRow(const QString& heading);
    void addCheckRow(const CheckResult& check);

    Ui::FrmNachweise ui;
};

} // namespace ipb
