#include "image_control.h"

#include "deferred_call.h"
#include "drawing.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ipb {
namespace {

// Assistive technology reads a picture as a graphic named after what it shows, and a
// pressable one as a button with a press action.
class AccessiblePicture : public QAccessibleWidget {
  public:
    explicit AccessiblePicture(ImageControl* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QAccessible::Role role() const override {
        return picture()->pressable() ? QAccessible::Button : QAccessible::Graphic;
    }
    QStringList actionNames() const override {
        return picture()->pressable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && picture()->pressable() && picture()->isEnabled()) {
            emit picture()->clicked();
        }
    }

  private:
    ImageControl* picture() const { return static_cast<ImageControl*>(widget()); }
};

QAccessibleInterface* accessiblePicture(const QString& className, QObject* object) {
    // Asked with the class name as the meta-object spells it, the namespace included.
    if (className == QLatin1String(ImageControl::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new AccessiblePicture(static_cast<ImageControl*>(object));
    }
    return nullptr;
}

} // namespace

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessiblePicture);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

ImageControl::~ImageControl() = default;

void ImageControl::setSource(const QString& source) {
    source_ = source;
    loaded_ = false;
    update();
}

void ImageControl::setFramed(bool framed) {
    framed_ = framed;
    update();
}

void ImageControl::setPressable(bool pressable) {
    setFocusPolicy(pressable ? Qt::TabFocus : Qt::NoFocus);
}

void ImageControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inner = framed_ ? rect().adjusted(1, 1, -1, -1) : rect();
    if (!loaded_) {
        // The window's first frame shows the drawing's background only; the drawing follows
        // in the next frame, so parsing it never holds up the first look at the window.
        painter.fillRect(inner, QColor(0xC0, 0xC0, 0xC0));
        if (!loadQueued_) {
            loadQueued_ = true;
            ipb::afterPendingEvents(this, [this] {
                load();
                update();
            });
        }
    } else if (drawing_ && drawing_->isValid()) {
        drawing_->paint(painter, inner);
    } else if (!bitmap_.isNull()) {
        painter.drawPixmap(inner, bitmap_);
    }
    if (framed_) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        // Drawn over the picture, inside its border: the drawings are grey and busy, so the
        // frame is the selection colour and two pixels wide.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(inner).adjusted(1, 1, -1, -1));
    }
}

void ImageControl::load() {
    loaded_ = true;
    loadQueued_ = false;
    drawing_.reset();
    bitmap_ = {};
    if (source_.endsWith(QLatin1String(".svg"))) {
        drawing_ = std::make_unique<Drawing>(source_);
    } else if (!source_.isEmpty()) {
        bitmap_.load(source_);
    }
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ImageControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (pressable() && !event->isAutoRepeat()) {
            emit clicked();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void ImageControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ImageControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
}

} // namespace ipb
