#pragma once

#include "filed_check.h"
#include "ui_position_dialog.h"

#include <QDialog>

namespace ipb {

// "Position": the project, position, member and engineer that the record names on every page.
class PositionDialog : public QDialog {
    Q_OBJECT

  public:
    PositionDialog(const PositionFields& fields, QWidget* parent);

    // The boxes as the record files them: single lines of printable characters, blanks at both
    // ends dropped (positionField).
    PositionFields fields() const;

  private:
    Ui::FrmPosition ui;
};

} // namespace ipb
