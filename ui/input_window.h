#pragma once

#include "beam_values.h"
#include "calculation.h"
#include "check_request.h"
#include "ui_input_window.h"

#include <QWidget>

#include <array>
#include <utility>
#include <vector>

class QLineEdit;
class QTimer;

namespace ipb {

class SoundCue;

// Where the engineer types the loads, lengths and required safety, picks the section and the
// deflection limit, and starts the check. The load case lives only in which boxes are shown.
// A finished calculation is handed on; where it is shown is the program's business.
class InputWindow : public QWidget {
    Q_OBJECT

  public:
    // The values live outside the window: they outlast its widgets for the whole run.
    explicit InputWindow(CalculationValues& values);

    void setUpLoadCase(LoadCase loadCase);

    // Results on screen: the inputs are locked until a new calculation is asked for.
    void lockForResults();
    // "Neue Rechnung": editing again, the typed texts kept.
    void resumeEditing();

    QLineEdit* box(InputField field) const;

    // A calculation made elsewhere (a section taken from the comparison) becomes the one on
    // display: its request written into the controls, its values kept, and the inputs locked
    // as after "Berechnen". Nothing is computed again.
    void takeCalculation(std::shared_ptr<const Calculation> calculation);

    // A filed check opened again: the deflection limit and the section chosen, the texts put
    // into the load case's boxes as a paste would put them, and "Berechnen" clicked, so the
    // usual reading accepts or rejects them with its usual messages.
    void computeFiledCheck(const CheckRequest& request);

    // The check the controls hold: load case, section, deflection limit and the typed boxes,
    // with the design data the program gave it, what the hidden boxes hold and the separator of
    // the engineer's locale.
    CheckRequest request() const;
    // The design data have no controls here: the program keeps them through "Neue Rechnung"
    // and a section taken from the comparison, and an opened check brings its own.
    void setDesign(const DesignData& design) { design_ = design; }

    // The warning cue of a failed check, played by the window's own sound control.
    void playWarning();

  signals:
    // A calculation reached its results; the inputs are locked by then.
    void calculated(std::shared_ptr<const ipb::Calculation> calculation);
    void backRequested();
    void quitRequested();
    // The window was brought to the front while it is locked for results on screen: a click on
    // it, the task bar or the keyboard. The results must not stay hidden behind it.
    void activatedWhileLocked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

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
    void ErgAusgabe(std::shared_ptr<const Calculation> calculation);
    // Writes the controls from a request: the deflection option, the section and the boxes.
    void showRequest(const CheckRequest& request);
    InputField fieldOf(const QLineEdit* box) const;

    InputTexts typedTexts() const;
    // The deflection options and the divisor of the span each stands for.
    std::array<std::pair<QRadioButton*, DeflectionLimit>, 3> deflectionOptions() const;
    bool defaultButtonActive() const;
    bool isOnScreen(const QWidget* w) const { return !w->isHidden(); }

    CalculationValues& values_;
    LoadCase loadCase_ = LoadCase::UniformLoad;
    DesignData design_;
    Ui::FrmHaupt ui;
    QTimer* Timer1;
    SoundCue* MMControl2;
    std::vector<QWidget*> tabOrder_;
};

} // namespace ipb
