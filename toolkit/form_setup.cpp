#include "form_setup.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
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

// Keeps a window on its screen. A window's frame is known only once the window manager has
// framed it, after the first show; the window is placed by its client area first and checked
// once more when its frame appears, and never moved after that, so a user's own placement
// stands.
class ScreenPlacement : public QObject {
  public:
    explicit ScreenPlacement(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            frameChecked_ = false;
            place();
        } else if (event->type() == QEvent::Move && !frameChecked_ &&
                   window_->frameGeometry() != window_->geometry()) {
            frameChecked_ = true;
            place();
        }
        return false;
    }

  private:
    void place() { keepInsideScreen(window_); }

    QWidget* window_;
    bool frameChecked_ = false;
};

} // namespace

void keepInsideScreen(QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(window->geometry().center());
    if (!screen) {
        screen = window->screen();
    }
    const QPoint topLeft = placeInside(frame, screen->availableGeometry());
    if (topLeft != frame.topLeft()) {
        window->move(topLeft); // move() places the frame
    }
}

void shrinkToScreen(QWidget* window) {
    const QWidget* parent = window->parentWidget();
    const QRect available = (parent ? parent->screen() : window->screen())->availableGeometry();
    window->resize(std::min(window->width(), available.width() - 16),
                   std::min(window->height(), available.height() - 40));
}

QPoint placeInside(const QRect& frame, const QRect& available) {
    const auto axis = [](int start, int length, int areaStart, int areaLength) {
        if (length >= areaLength) {
            return areaStart;
        }
        return std::clamp(start, areaStart, areaStart + areaLength - length);
    };
    return {axis(frame.x(), frame.width(), available.x(), available.width()),
            axis(frame.y(), frame.height(), available.y(), available.height())};
}

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
    new ScreenPlacement(form);
}

void makeFixedDialog(QWidget* window) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(window->size());
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

} // namespace ipb
