#include "input_window.h"

#include "check_request.h"
#include "form_setup.h"
#include "keyboard_focus.h"
#include "message_box.h"
#include "qt_text.h"
#include "section_table.h"
#include "sound_cue.h"
#include "tab_order.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QValidator>

#include <algorithm>

namespace ipb {
namespace {

constexpr int kNotACharacter = -1;

// The character code a key press delivers to the boxes, or kNotACharacter for keys that edit
// or move (Delete, arrows, Tab) and for shortcuts such as Ctrl+V, which stay with the box.
int characterCode(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Backspace:
        return kBackspaceCode;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnterCode;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return kNotACharacter;
    default:
        break;
    }
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier) || key.text().isEmpty()) {
        return kNotACharacter;
    }
    return key.text().at(0).unicode();
}

// What a box takes of a text that reaches it other than by a key (a paste, a drop, an input
// method): the characters its keys take. Characters that cannot be seen (blanks, line breaks,
// controls, noncharacters, the half of a surrogate pair) are dropped, as a copy from a table
// or a document brings them along; a visible character the keys refuse ("-3", "1E3", "12 kN")
// refuses the whole paste, since dropping it would leave another number than the one copied.
// Either way the box never holds what the filed check could not carry.
class KeptTextValidator : public QValidator {
  public:
    KeptTextValidator(InputField field, QObject* parent) : QValidator(parent), field_(field) {}

    State validate(QString& text, int& cursor) const override {
        QString kept;
        int at = cursor;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            const int code = c.unicode();
            if (code != 0 && code != kBackspaceCode && code != kEnterCode &&
                keptCharacter(field_, code) == code) {
                kept += c;
            } else if (!unseen(c)) {
                return Invalid;
            } else if (i < cursor) {
                --at;
            }
        }
        text = kept;
        cursor = at;
        return Acceptable;
    }

  private:
    static bool unseen(QChar c) {
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_NotAssigned: // the noncharacters among them
            return true;
        default:
            return c.isSpace();
        }
    }

    InputField field_;
};

} // namespace

InputWindow::InputWindow(CalculationValues& values)
    : values_(values), Timer1(new QTimer(this)),
      MMControl2(new SoundCue(QStringLiteral("MMControl2"), this)) {
    ui.setupUi(this);
    finishForm(this);
    tabOrder_ = designTabOrder(this);
    setUpKeyboard(this, tabOrder_, FirstFocus::FirstControl);

    connect(ui.TrgWahl, &QListWidget::currentRowChanged, this, &InputWindow::TrgWahl_Click);
    // The deflection limit follows the chosen option: span / 300, / 500 or / 1000.
    for (const auto& [option, divisor] : deflectionOptions()) {
        connect(option, &QRadioButton::toggled, this, [this, divisor = divisor](bool on) {
            if (on) {
                values_.input.fmaxteiler = divisor;
            }
        });
    }
    connect(ui.CmdBerech, &QPushButton::clicked, this, &InputWindow::CmdBerech_Click);
    connect(ui.CmdBack, &QPushButton::clicked, this, &InputWindow::CmdBack_Click);
    connect(ui.CmdQuit, &QPushButton::clicked, this, &InputWindow::CmdQuit_Click);

    for (QWidget* w : std::initializer_list<QWidget*>{
             ui.TextInput_F, ui.TextInput_plusq, ui.TextInput_la, ui.TextInput_lb, ui.TextInput_l,
             ui.TextInput_nue, ui.TrgWahl, ui.CmdBerech, ui.CmdBack, ui.CmdQuit, ui.Option_fmax300,
             ui.Option_fmax500, ui.Option_Fmax1000}) {
        w->installEventFilter(this);
    }

    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        box(field)->setValidator(new KeptTextValidator(field, box(field)));
    }

    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &InputWindow::Timer1_Timer);
    Timer1->start(100);

    Form_Load();
}

std::array<std::pair<QRadioButton*, DeflectionLimit>, 3> InputWindow::deflectionOptions() const {
    return {{{ui.Option_fmax300, 300}, {ui.Option_fmax500, 500}, {ui.Option_Fmax1000, 1000}}};
}

QLineEdit* InputWindow::box(InputField field) const {
    switch (field) {
    case InputField::F:
        return ui.TextInput_F;
    case InputField::plusq:
        return ui.TextInput_plusq;
    case InputField::la:
        return ui.TextInput_la;
    case InputField::lb:
        return ui.TextInput_lb;
    case InputField::l:
        return ui.TextInput_l;
    case InputField::sic:
        break;
    }
    return ui.TextInput_nue;
}

void InputWindow::Form_Load() {
    resetOnLoad(values_);
    ui.Option_fmax300->setChecked(true);
    TrgWahlFuellen();
}

void InputWindow::TrgWahlFuellen() {
    for (const BeamSection& section : kSectionTable) {
        ui.TrgWahl->addItem(qtText(section.listEntry));
    }
    ui.TrgWahl->setCurrentRow(kDefaultSectionIndex);
}

void InputWindow::TrgWahl_Click() {
    const QListWidgetItem* item = ui.TrgWahl->currentItem();
    if (!item) {
        return;
    }
    const SectionChoice choice = chooseSection(item->text().toStdString());
    if (const BeamSection* section = choice.section) {
        values_.section = section->values;
        setCaption(ui.LabAnzIx, qtText(section->IxText));
        setCaption(ui.LabAnzWx, qtText(section->WxText));
        setCaption(ui.LabAnzq0, qtText(section->q0Text));
    }
    setCaption(ui.LabBezZ2, qtText(choice.designationDin));
    setCaption(ui.LabBezZ3, qtText(choice.designationEuro));
}

void InputWindow::setUpLoadCase(LoadCase loadCase) {
    loadCase_ = loadCase;
    const bool pointLoad = loadCase == LoadCase::PointLoad;
    ui.BildLastf1->setVisible(!pointLoad);
    ui.BildLastf2->setVisible(pointLoad);
    setCaption(ui.Lab_F_q, pointLoad ? QStringLiteral("F+q") : QStringLiteral("q"));
    // The safety box and its caption are always there; the others come and go with their
    // captions.
    for (const auto& [field, caption] :
         {std::pair{InputField::plusq, ui.LabEing_plusq}, std::pair{InputField::F, ui.LabEing_F},
          std::pair{InputField::la, ui.LabEing_la}, std::pair{InputField::lb, ui.LabEing_lb},
          std::pair{InputField::l, ui.LabEing_l}}) {
        caption->setVisible(boxShown(loadCase, field));
        box(field)->setVisible(boxShown(loadCase, field));
    }
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        box(field)->setMaxLength(boxLength(field));
    }
    if (pointLoad) {
        // +q first, right after the section list, then F, la, lb and the safety.
        moveToTabPosition(tabOrder_, static_cast<QWidget*>(ui.TextInput_plusq), 1);
        moveToTabPosition(tabOrder_, static_cast<QWidget*>(ui.TextInput_l), 1);
        applyTabOrder(this, tabOrder_);
    }
}

bool InputWindow::defaultButtonActive() const {
    return isOnScreen(ui.CmdBerech) && ui.CmdBerech->isEnabled();
}

bool InputWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Alt+letter belongs to the buttons' access keys, also in a text box, where the
        // platform would otherwise take Alt+B and Alt+F as word moves.
        if (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const int keyAscii = characterCode(*key);

    if (keyAscii == kEnterCode) {
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            button->click();
            return true;
        }
        // The compute button is the window's default button: while it can be clicked, Enter
        // anywhere else clicks it and the focused control never sees the key.
        if (defaultButtonActive()) {
            ui.CmdBerech->click();
            return true;
        }
    }
    if (watched == ui.TrgWahl) {
        TrgWahl_KeyPress(keyAscii);
        return false;
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || keyAscii == kNotACharacter) {
        return false;
    }
    return TextInput_KeyPress(box, keyAscii) == 0;
}

void InputWindow::TrgWahl_KeyPress(int keyAscii) {
    if (keyAscii != kEnterCode) {
        return;
    }
    if (isOnScreen(ui.TextInput_l)) {
        focusWithTextSelected(ui.TextInput_plusq);
    } else if (isOnScreen(ui.TextInput_la)) {
        focusWithTextSelected(ui.TextInput_F);
        focusWithTextSelected(ui.TextInput_plusq);
    }
}

int InputWindow::TextInput_KeyPress(QLineEdit* box, int keyAscii) {
    const InputField field = fieldOf(box);
    const int kept = keptCharacter(field, keyAscii);
    if (kept == kEnterCode) {
        // Never to a hidden box.
        if (const auto next = nextBoxOnEnter(loadCase_, field);
            next && isOnScreen(this->box(*next))) {
            focusWithTextSelected(this->box(*next));
        }
    }
    return kept;
}

InputField InputWindow::fieldOf(const QLineEdit* b) const {
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        if (box(static_cast<InputField>(i)) == b) {
            return static_cast<InputField>(i);
        }
    }
    return InputField::sic;
}

void InputWindow::Timer1_Timer() {
    // Before a load case is set up no box of either is shown and there is nothing to check.
    if (!isOnScreen(ui.TextInput_F) && !isOnScreen(ui.TextInput_plusq)) {
        return;
    }
    const bool missing = !requiredBoxesFilled(typedTexts());
    if (missing == ui.CmdBerech->isEnabled()) {
        ui.CmdBerech->setEnabled(!missing);
    }
}

InputTexts InputWindow::typedTexts() const {
    InputTexts texts;
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        texts[field] = box(field)->text().toStdString();
        texts.setVisible(field, isOnScreen(box(field)));
    }
    return texts;
}

CheckRequest InputWindow::request() const {
    const auto row = static_cast<std::size_t>(std::max(ui.TrgWahl->currentRow(), 0));
    CheckRequest made =
        checkRequest(loadCase_, SectionId{row}, values_.input.fmaxteiler, typedTexts());
    made.design = design_;
    made.held = heldValues(made.texts, values_.input);
    made.decimalSeparator = localeDecimalSeparator();
    return made;
}

void InputWindow::showRequest(const CheckRequest& request) {
    // The reading admits only the three limits the options offer.
    for (const auto& [option, divisor] : deflectionOptions()) {
        if (divisor == request.limit) {
            option->setChecked(true);
        }
    }
    ui.TrgWahl->setCurrentRow(static_cast<int>(request.section.row));
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        QLineEdit* b = box(field);
        if (request.texts.isVisible(field) && isOnScreen(b)) {
            // Past the key filter, within the box's length, as Ctrl+V would.
            b->clear();
            b->insert(qtText(request.texts[field]));
        }
    }
}

void InputWindow::CmdBerech_Click() {
    const CheckRequest asked = request();
    const CalculationOutcome outcome = calculate(asked);
    storeOutcome(values_, asked, outcome);
    if (outcome.rejected) {
        ui.CmdBerech->setEnabled(false);
        showMessage(this, QStringLiteral("Fehler:"), qtText(outcome.rejected->message));
        focusWithTextSelected(box(outcome.rejected->field));
        return;
    }
    if (outcome.arithmeticFault) {
        ui.CmdBerech->setEnabled(false);
        showMessage(this, QStringLiteral("Fehler:"),
                    QStringLiteral("Rechenfehler - Eingaben prüfen! "));
        return;
    }
    ErgAusgabe(outcome.calculation);
}

void InputWindow::takeCalculation(std::shared_ptr<const Calculation> calculation) {
    showRequest(calculation->request);
    design_ = calculation->request.design;
    values_ = calculation->values;
    ErgAusgabe(std::move(calculation));
}

void InputWindow::computeFiledCheck(const CheckRequest& request) {
    showRequest(request);
    design_ = request.design;
    // The button as the timer would leave it; a box left empty keeps it off and the engineer
    // finds the check typed in but not computed.
    Timer1_Timer();
    if (ui.CmdBerech->isEnabled()) {
        ui.CmdBerech->click();
    }
}

void InputWindow::ErgAusgabe(std::shared_ptr<const Calculation> calculation) {
    lockForResults();
    // The calculation is handed on whole: the boxes may be edited later while its results stay
    // on screen.
    emit calculated(std::move(calculation));
}

void InputWindow::playWarning() {
    MMControl2->play(QStringLiteral("1_M_2.wav"));
}

void InputWindow::lockForResults() {
    setEnabled(false);
    ui.CmdBerech->hide();
    ui.CmdBack->setEnabled(false);
    ui.CmdQuit->setEnabled(false);
}

void InputWindow::resumeEditing() {
    setEnabled(true);
    ui.CmdBerech->show();
    ui.CmdBerech->setEnabled(false);
    ui.CmdBack->setEnabled(true);
    ui.CmdQuit->setEnabled(true);
    raise();
    activateWindow();
    for (QLineEdit* b : {ui.TextInput_F, ui.TextInput_la, ui.TextInput_lb, ui.TextInput_l,
                         ui.TextInput_plusq, ui.TextInput_nue}) {
        b->setCursorPosition(0);
    }
    ui.TrgWahl->setFocus(Qt::OtherFocusReason);
}

void InputWindow::CmdBack_Click() {
    resetOnBack(values_);
    emit backRequested();
}

void InputWindow::CmdQuit_Click() {
    emit quitRequested();
}

void InputWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled()) {
        emit activatedWhileLocked();
    }
}

void InputWindow::closeEvent(QCloseEvent* event) {
    // The close box ends the program like "Quit", so no invisible program is left behind;
    // while results are on screen the window is locked and its close box does nothing.
    if (isEnabled()) {
        event->accept();
        emit quitRequested();
    } else {
        event->ignore();
    }
}

} // namespace ipb
