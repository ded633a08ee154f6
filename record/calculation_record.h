#pragma once

#include "calculation.h"
#include "filed_check.h"

#include <memory>

namespace ipb {

// A filed check: the calculation the windows were filled from and when it was made. Nothing in
// it is read back from a window, so no caption on screen can change what is filed.
struct CalculationRecord {
    std::shared_ptr<const Calculation> calculation;
    RecordTime calculatedAt;
    PositionFields position;
};

// What of it the record's packet carries: the request the calculation was made from, for which
// beam and when.
FiledCheck filedCheck(const CalculationRecord& record);

} // namespace ipb
