#pragma once

#include "result_evaluation.h"
#include "ui_results_window.h"

#include <QWidget>

class QLabel;

namespace ipb {

// The ten result rows of the last calculation and the two ways on. What the buttons lead to is
// the program's business: the window only asks for it.
class ResultsWindow : public QWidget {
    Q_OBJECT

  public:
    ResultsWindow();

    // The rows of a calculation, as its evaluation words and colours them.
    void showResults(const ResultView& view);
    void offerWaysOn(); // both buttons usable again

    // A caption label addressed by its element index (rows 7 and 8 have their indices swapped).
    QLabel* captionElement(int index) const;

  signals:
    void reportRequested();
    void endRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CmdReport_Click();
    void CmdEnd1_Click();

    QLabel* valueLabel(std::size_t row) const;
    QLabel* captionLabel(std::size_t row) const;

    Ui::FrmErgAusg ui;
};

} // namespace ipb
