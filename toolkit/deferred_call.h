#pragma once

#include <functional>

class QObject;

namespace ipb {

// Runs the call once the events pending now are handled, a window's first frame among them:
// work that can wait a frame never delays what the user sees first.
void afterPendingEvents(QObject* context, std::function<void()> call);

} // namespace ipb
