#include "keyboard_focus.h"

#include <QEvent>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace ipb {
namespace {

// Gives the focus each time the window is shown, so it never depends on what had it before or
// on the order in which the controls were created.
class FocusOnShow : public QObject {
  public:
    FocusOnShow(QWidget* window, FirstFocus first)
        : QObject(window), window_(window), first_(first) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            QWidget* target = first_ == FirstFocus::FirstControl ? firstControl() : nullptr;
            (target ? target : window_)->setFocus(Qt::TabFocusReason);
        }
        return false;
    }

  private:
    QWidget* firstControl() const {
        for (QWidget* w = window_->nextInFocusChain(); w && w != window_;
             w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window_) && w->isEnabled()) {
                return w;
            }
        }
        return nullptr;
    }

    QWidget* window_;
    FirstFocus first_;
};

} // namespace

std::vector<QWidget*> designTabOrder(QWidget* form) {
    std::vector<QWidget*> order;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->property("tabIndex").isValid()) {
            order.push_back(w);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](QWidget* a, QWidget* b) {
        return a->property("tabIndex").toInt() < b->property("tabIndex").toInt();
    });
    return order;
}

void setUpKeyboard(QWidget* window, const std::vector<QWidget*>& order, FirstFocus first) {
    applyTabOrder(window, order);
    new FocusOnShow(window, first);
}

void applyTabOrder(QWidget* window, const std::vector<QWidget*>& order) {
    // The focus chain is a ring through the window. QWidget::setTabOrder(a, b) leaves the ring
    // alone when b already follows a somewhere round it, even with the window in between (Qt
    // 6.4), so a chain built from pairs alone can start at the wrong control. While it is
    // built the window itself takes part, as the fixed start: every control then goes right
    // after the one before it, the first right after the window.
    const Qt::FocusPolicy windowPolicy = window->focusPolicy();
    window->setFocusPolicy(Qt::TabFocus);
    QWidget* previous = window;
    for (QWidget* w : order) {
        if (w->focusPolicy() & Qt::TabFocus) {
            QWidget::setTabOrder(previous, w);
            previous = w;
        }
    }
    window->setFocusPolicy(windowPolicy);
}

void focusWithTextSelected(QWidget* box) {
    box->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->setSelection(0, static_cast<int>(edit->text().size()));
    }
}

} // namespace ipb
