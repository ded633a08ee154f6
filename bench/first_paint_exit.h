#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QTimer>

// Ends the event loop once the watched window has been painted for the first time. The exit
// is queued so that the paint in progress (the window and its children) finishes and reaches
// the screen before the loop returns. A window that is never painted ends the run after ten
// seconds with exit code 3, so a broken build cannot hang the timing loop.
class FirstPaintExit : public QObject {
  public:
    FirstPaintExit() {
        QTimer::singleShot(10000, this, [] { QCoreApplication::exit(3); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::exit(0); },
                Qt::QueuedConnection);
        }
        return false;
    }
};
