#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <string_view>
#include <vector>

class QAction;
class QKeySequence;
class QLabel;

namespace ipb {

// One window of the program: created from its form the first time it is touched (its load
// handler runs in the constructor), discarded by unloading, created afresh on the next touch.
template <class Form> class FormSlot {
  public:
    explicit FormSlot(std::function<Form*()> create) : create_(std::move(create)) {}
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;
    ~FormSlot() { delete form_.data(); }

    Form& touch() {
        if (!form_) {
            form_ = create_();
        }
        return *form_;
    }
    Form* loaded() const { return form_.data(); }

    // The widgets go at once from the screen and from the program's view; they are deleted
    // once the handler that unloads them (possibly their own) has returned.
    void unload() {
        if (Form* form = form_.data()) {
            form_.clear();
            form->hide();
            form->deleteLater();
        }
    }

  private:
    std::function<Form*()> create_;
    QPointer<Form> form_;
};

// A text of the calculation core (UTF-8) as the windows show it.
QString qtText(std::string_view text);

// The decimal separator of the user's locale for the calculation's number texts: a comma in
// German, a point where the locale has no single-character one.
char localeDecimalSeparator();

// Qt's own dialogs and menus (file and print dialogs, the print preview, a text box's context
// menu) in German like the rest of the program. Once per run; silently English where Qt's
// translations are not installed.
void useQtTextsInGerman();

// Completes a window built from its form: fractional point sizes and its designed screen
// position, kept wholly on the screen whenever the window is shown.
void finishForm(QWidget* form);

// Where a window's frame goes so that the user sees all of it: where it is when it fits the
// available area, otherwise moved inside; a frame larger than the area keeps to its top and
// left edges, where the title bar and the first controls are.
QPoint placeInside(const QRect& frame, const QRect& available);

// Windows left only through their own buttons: fixed size, no close box.
void makeFixedDialog(QWidget* window);

// Adds a command to a window's context menu (right mouse button, the Menu key, Shift+F10) with
// its shortcut, which works while that window is the active one. The window's buttons and
// layout stay as they are.
QAction* addWindowCommand(QWidget* window, const char* name, const QString& text,
                          const QKeySequence& keys);

// The controls of a window in the order of their design tab index.
std::vector<QWidget*> designTabOrder(QWidget* form);

// What holds the keyboard focus each time a window is shown.
enum class FirstFocus {
    FirstControl, // the first control of the focus chain that can take it
    Window,       // no control, until the user presses Tab
};

// The keyboard side of a window: its focus chain in this order, and the focus on every show.
void setUpKeyboard(QWidget* window, const std::vector<QWidget*>& order, FirstFocus first);

// Makes the keyboard focus visit the window's focusable controls in this order, starting from
// the window itself.
void applyTabOrder(QWidget* window, const std::vector<QWidget*>& order);

// Sets a label's caption; a label marked to size itself to its caption does so, keeping its
// top-left corner.
void setCaption(QLabel* label, const QString& caption);

// Shows a window without blocking the caller and brings it to the front.
void showModeless(QWidget* window);

// A modal message box with one OK button.
void showMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon = QMessageBox::NoIcon);

// Runs the call once the events pending now are handled, a window's first frame among them:
// work that can wait a frame never delays what the user sees first.
void afterPendingEvents(QObject* context, std::function<void()> call);

// Gives a text box the focus with its whole text selected.
void focusWithTextSelected(QWidget* box);

} // namespace ipb
