#pragma once

#include "calculation.h"
#include "record_packet.h"

#include <memory>

namespace ipb {

// A filed check: the calculation the windows were filled from and when it was made. Nothing in
// it is read back from a window, so no caption on screen can change what is filed.
struct CalculationRecord {
    std::shared_ptr<const Calculation> calculation;
    RecordTime calculatedAt;
    PositionFields position;
};

// What of a filed check its record's packet carries: what the engineer chose and typed.
StoredCheck storedCheck(const CalculationRecord& record);

} // namespace ipb
