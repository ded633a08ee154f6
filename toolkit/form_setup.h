#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

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

// Completes a window built from its form: fractional point sizes and its designed screen
// position, kept wholly on the screen whenever the window is shown.
void finishForm(QWidget* form);

// Where a window's frame goes so that the user sees all of it: where it is when it fits the
// available area, otherwise moved inside; a frame larger than the area keeps to its top and
// left edges, where the title bar and the first controls are.
QPoint placeInside(const QRect& frame, const QRect& available);

// Moves a window whose frame reaches beyond its screen's free area back inside, as placeInside
// says; a window already inside stays where it is.
void keepInsideScreen(QWidget* window);

// A window that scrolls or wraps its contents, made no larger than the free area of the screen
// it opens on (its parent's, if it has one), with room left for the title bar and frame.
void shrinkToScreen(QWidget* window);

// Windows left only through their own buttons: fixed size, no close box.
void makeFixedDialog(QWidget* window);

// Sets a label's caption; a label marked to size itself to its caption does so, keeping its
// top-left corner.
void setCaption(QLabel* label, const QString& caption);

// Shows a window without blocking the caller and brings it to the front.
void showModeless(QWidget* window);

} // namespace ipb
