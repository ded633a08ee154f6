#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

// Ends the event loop once the watched window has been painted for the first time. exit() only
// marks the loop as done: the paint in progress (the window, then its children) still finishes
// and reaches the screen, and the loop returns after it. Queuing the exit instead would let the
// work a program deliberately puts after its first frame (drawings, icon, sound) run first and
// be counted as start-up. A window that is never painted ends the run after ten seconds with
// exit code 3, so a broken build cannot hang the timing loop.
class FirstPaintExit : public QObject {
  public:
    FirstPaintExit() {
        QTimer::singleShot(10000, this, [] { QCoreApplication::exit(3); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QCoreApplication::exit(0);
        }
        return false;
    }
};
