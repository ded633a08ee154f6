#pragma once

#include "result_evaluation.h"
#include "ui_report_window.h"

#include <QWidget>

#include <vector>

namespace ipb {

class Program;

// The verdict: green with a smiling face, or red with a frowning one.
class ReportWindow : public QWidget {
    Q_OBJECT

  public:
    explicit ReportWindow(Program& program);

    // Colour, face and the button that takes the focus; the message comes separately.
    void prepare(const ReportSetup& setup);
    void setMessage(const QString& message);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CmdNeuBerech_Click();
    void CmdBeend_Click();
    void GutBild_dblClick();

    Program& program_;
    Ui::FrmReport ui;
    std::vector<QWidget*> tabOrder_;
};

} // namespace ipb
