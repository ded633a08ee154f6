#include "deferred_call.h"

#include <QTimer>

namespace ipb {

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

} // namespace ipb
