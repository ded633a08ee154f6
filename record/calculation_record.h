#pragma once

#include "calculation.h"

namespace ipb {

// The local time of a calculation, as the engineer's clock showed it.
struct RecordTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

// A filed check: the calculation the windows were filled from and when it was made. Nothing in
// it is read back from a window, so no caption on screen can change what is filed.
struct CalculationRecord {
    FinishedCalculation calculation;
    RecordTime calculatedAt;
};

} // namespace ipb
