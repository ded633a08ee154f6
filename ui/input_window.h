#pragma once

#include "beam_values.h"
#include "calculation_record.h"
#include "input_reading.h"
#include "ui_input_window.h"

#include <QWidget>

#include <vector>

class QLineEdit;
class QTimer;

namespace ipb {

class Program;
class SoundCue;

enum class LoadCase {
    UniformLoad = 1, // self weight plus a uniform load, span typed
    PointLoad = 2,   // plus one point load F at la from A and lb from B; the span is la + lb
};

// Where the engineer types the loads, lengths and required safety, picks the section and the
// deflection limit, and starts the check. The load case lives only in which boxes are shown.
class InputWindow : public QWidget {
    Q_OBJECT

  public:
    explicit InputWindow(Program& program);

    void setUpLoadCase(LoadCase loadCase);

    // Results on screen: the inputs are locked until a new calculation is asked for.
    void lockForResults();
    // "Neue Rechnung": editing again, the typed texts kept.
    void resumeEditing();

    QLineEdit* box(InputField field) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void TrgWahlFuellen();
    void TrgWahl_Click();
    void TrgWahl_KeyPress(int keyAscii);
    int TextInput_KeyPress(QLineEdit* box, int keyAscii);
    void Timer1_Timer();
    void CmdBerech_Click();
    void CmdBack_Click();
    void CmdQuit_Click();
    void ErgAusgabe();

    // What the window shows for the calculation that has just run, for the filed record.
    CalculationContext calculationContext() const;
    bool defaultButtonActive() const;
    bool shown(QWidget* w) const { return !w->isHidden(); }

    Program& program_;
    CalculationValues& values_;
    Ui::FrmHaupt ui;
    QTimer* Timer1;
    SoundCue* MMControl2;
    std::vector<QWidget*> tabOrder_;
};

} // namespace ipb
