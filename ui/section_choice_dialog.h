#pragma once

#include "section_comparison.h"
#include "ui_section_choice_dialog.h"

#include <QDialog>

namespace ipb {

// "Which section do I need?": every section put through the calculation on display, lightest
// first, with the lightest one that holds every check proposed. Any row may be taken; the
// engineer decides.
class SectionChoiceDialog : public QDialog {
    Q_OBJECT

  public:
    // `calculatedRow` is the section of the calculation on display, marked in the table.
    SectionChoiceDialog(const SectionComparison& comparison, int calculatedRow, QWidget* parent);

    // The section taken, as its row in the section table; -1 when none is selected.
    int chosenRow() const;

  private:
    // `lightest` is the row shown in bold. Gives the width the table needs to show every column.
    int fillTable(const SectionComparison& comparison, int calculatedRow, int lightest);

    Ui::FrmProfilwahl ui;
};

} // namespace ipb
