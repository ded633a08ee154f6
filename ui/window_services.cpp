#include "window_services.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVariant>

#include <algorithm>

namespace ipb {
namespace {

// The layouts were drawn for Windows' hinted Arial, a few pixels narrower than the same font
// here. A one-line caption that would be cut at its box is set a little tighter instead, so
// every caption stays whole at its designed place.
void fitCaption(QLabel* label) {
    if (label->wordWrap() || label->property("autoSize").toBool() || label->text().isEmpty()) {
        return;
    }
    const qreal needed = QFontMetricsF(label->font()).horizontalAdvance(label->text());
    const int room = label->contentsRect().width();
    if (needed > room) {
        QFont font = label->font();
        font.setLetterSpacing(QFont::PercentageSpacing, std::max(94.0, 100.0 * room / needed));
        label->setFont(font);
    }
}

} // namespace

void finishForm(QWidget* form) {
    // Designer stores whole point sizes; the layouts use 8.25 and 9.75 pt (11 and 13 pixels at
    // 96 dpi), kept as a property beside the font.
    const auto children = form->findChildren<QWidget*>();
    for (QWidget* w : children) {
        const QVariant size = w->property("pointSizeF");
        if (size.isValid()) {
            QFont font = w->font();
            font.setPointSizeF(size.toDouble());
            w->setFont(font);
        }
    }
    for (QLabel* label : form->findChildren<QLabel*>()) {
        fitCaption(label);
    }
    const QVariant position = form->property("screenPosition");
    if (position.isValid()) {
        // The layouts place the client area, not the frame around it.
        form->setGeometry(QRect(position.toPoint(), form->size()));
    }
}

void makeFixedDialog(QWidget* window) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(window->size());
}

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

void applyTabOrder(const std::vector<QWidget*>& order) {
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (!(w->focusPolicy() & Qt::TabFocus)) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, w);
        }
        previous = w;
    }
}

void setCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    if (label->property("autoSize").toBool() && !label->wordWrap()) {
        const QFontMetrics metrics(label->font());
        const int frame = 2 * label->frameWidth();
        label->resize(metrics.horizontalAdvance(caption) + frame + 2,
                      std::max(label->height(), metrics.height() + frame));
    }
}

void showModeless(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void showMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
    // Give the keyboard back to the window the box belongs to, whatever the window manager does.
    if (parent) {
        parent->window()->activateWindow();
    }
}

void afterPendingEvents(QObject* context, std::function<void()> call) {
    // A zero-interval timer, not a queued call: queued calls run among the pending events.
    auto* timer = new QTimer(context);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, context, [timer, call = std::move(call)] {
        timer->deleteLater();
        call();
    });
    timer->start(0);
}

void focusWithTextSelected(QWidget* box) {
    box->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->setSelection(0, static_cast<int>(edit->text().size()));
    }
}

} // namespace ipb
