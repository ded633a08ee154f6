#pragma once

#include "ui_start_window.h"

#include <QWidget>

namespace ipb {

class Program;
enum class LoadCase;
class SoundCue;

// The first window: the two load cases as pictures and a note on the range of validity.
class StartWindow : public QWidget {
    Q_OBJECT

  public:
    explicit StartWindow(Program& program);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void BildLastf1_Click();
    void BildLastf2_Click();
    void openInputWindow(LoadCase loadCase);

    Program& program_;
    Ui::FrmStart ui;
    SoundCue* MMControl1;
    bool firstFrameWorkDue_ = false;
};

} // namespace ipb
