#pragma once

#include "calculation_record.h"
#include "result_evaluation.h"
#include "ui_results_window.h"

#include <QWidget>

#include <optional>

class QLabel;

namespace ipb {

// The ten result rows of the last calculation and the two ways on. What the buttons lead to is
// the program's business: the window only asks for it.
class ResultsWindow : public QWidget {
    Q_OBJECT

  public:
    ResultsWindow();

    void showRows(const ResultView& view);
    void offerWaysOn(); // both buttons usable again

    // What the input window showed for the calculation whose rows are on screen.
    void setCalculationContext(const CalculationContext& context);
    // The record of the rows on screen, read from the labels; nothing before a calculation.
    std::optional<CalculationRecord> record() const;

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
    std::optional<CalculationContext> context_;
    // The verdict belongs to the evaluation whose rows are shown.
    bool pass_ = true;
    bool stressFailed_ = false;
    bool deflectionFailed_ = false;
    QString verdict_;
};

} // namespace ipb
