#pragma once

#include "result_evaluation.h"
#include "ui_report_window.h"

#include <QWidget>

#include <vector>

namespace ipb {

// The verdict: green with a smiling face, or red with a frowning one. Its buttons ask the
// program for a new calculation or for the end.
class ReportWindow : public QWidget {
    Q_OBJECT

  public:
    ReportWindow();

    // Colour, face and the button that takes the focus; the message comes separately.
    void prepare(const ReportSetup& setup);
    void setMessage(const QString& message);
    // What the verdict leaves out: a line under the buttons, for which the window grows; none
    // for an empty hint, and the window is as designed.
    void setHint(const QString& hint);

  signals:
    void newCalculationRequested();
    void endRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CmdNeuBerech_Click();
    void CmdBeend_Click();
    void GutBild_dblClick();

    Ui::FrmReport ui;
    std::vector<QWidget*> tabOrder_;
    QSize designedSize_;
};

} // namespace ipb
