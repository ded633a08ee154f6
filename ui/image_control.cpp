#include "image_control.h"

#include "window_services.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Assistive technology reads a picture as a graphic named after what it shows.
QAccessibleInterface* accessiblePicture(const QString& className, QObject* object) {
    if (className == QLatin1String("ImageControl") && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
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
    } else if (svg_ && svg_->isValid()) {
        svg_->render(&painter, inner);
    } else if (!bitmap_.isNull()) {
        painter.drawPixmap(inner, bitmap_);
    }
    if (framed_) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ImageControl::load() {
    loaded_ = true;
    loadQueued_ = false;
    delete svg_;
    svg_ = nullptr;
    bitmap_ = {};
    if (source_.endsWith(QLatin1String(".svg"))) {
        svg_ = new QSvgRenderer(source_, this);
        svg_->setAspectRatioMode(Qt::IgnoreAspectRatio);
    } else if (!source_.isEmpty()) {
        bitmap_.load(source_);
    }
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
    }
}
