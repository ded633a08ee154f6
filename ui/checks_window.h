#pragma once

#include "check_result.h"
#include "ui_checks_window.h"

#include <QDialog>

#include <string>
#include <vector>

namespace ipb {

// Every check of the calculation on display in one table, grouped as the verdict of the four
// windows, the further checks and the design to the standard, with the verdict over all of
// them underneath. Modeless: it follows the check on display while the engineer works on.
class ChecksWindow : public QDialog {
    Q_OBJECT

  public:
    ChecksWindow();

    // `notes`: what the checks took otherwise than they were given, said under the verdict.
    void showChecks(const CheckResults& checks, const DesignData& design,
                    const std::vector<std::string>& notes);

  signals:
    // "Bemessung…": the design data of the check on display, to be edited.
    void designRequested();

  private:
    void addHeadingRow(const QString& heading);
    void addCheckRow(const CheckResult& check);
    // As tall as every row needs where the screen allows: the engineer sees all checks at once.
    void fitRows();

    Ui::FrmNachweise ui;
};

} // namespace ipb
