#pragma once

#include "result_evaluation.h"
#include "ui_results_window.h"

#include <QWidget>

class QLabel;

namespace ipb {

class Program;

// The ten result rows of the last calculation and the two ways on.
class ResultsWindow : public QWidget {
    Q_OBJECT

  public:
    explicit ResultsWindow(Program& program);

    void showRows(const ResultView& view);
    void offerWaysOn(); // both buttons usable again

    // A caption label addressed by its element index (rows 7 and 8 have their indices swapped).
    QLabel* captionElement(int index) const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CmdReport_Click();
    void CmdEnd1_Click();

    Program& program_;
    Ui::FrmErgAusg ui;
};

// Windows left only through their own buttons: fixed size, no close box.
void makeFixedDialog(QWidget* window);

} // namespace ipb
