#pragma once

#include "check_request.h"
#include "ui_start_window.h"

#include <QWidget>

namespace ipb {

class SoundCue;

// The first window: the two load cases as pictures and a note on the range of validity.
class StartWindow : public QWidget {
    Q_OBJECT

  public:
    StartWindow();

  signals:
    void loadCaseChosen(LoadCase loadCase);
    void quitRequested();
    // The first frame is on the screen: work that must not delay it may start.
    void firstFrameShown();
    // A file was dropped onto the window: a filed check to open again.
    void checkFileDropped(const QString& path);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void Form_Load();
    void BildLastf1_Click();
    void BildLastf2_Click();
    Ui::FrmStart ui;
    SoundCue* MMControl1;
    bool firstFrameWorkDue_ = false;
};

} // namespace ipb
