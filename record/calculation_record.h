#pragma once

#include "calculation.h"

#include <memory>
#include <string>

namespace ipb {

// The local time of a calculation, as the engineer's clock showed it.
struct RecordTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
    bool operator==(const RecordTime&) const = default;
};

// Which beam of which project a check is, as a structural calculation files it: "Bauvorhaben"
// Schulneubau, "Position" 3, "Bauteil" Unterzug Achse B, "Bearbeiter" who computed it. Each is
// one line of at most kPositionFieldLength characters, blanks at both ends dropped; any may be
// empty.
struct PositionFields {
    std::string bauvorhaben;
    std::string position;
    std::string bauteil;
    std::string bearbeiter;

    bool empty() const {
        return bauvorhaben.empty() && position.empty() && bauteil.empty() && bearbeiter.empty();
    }
    bool operator==(const PositionFields&) const = default;
};
inline constexpr int kPositionFieldLength = 80;

// A filed check: the calculation the windows were filled from and when it was made. Nothing in
// it is read back from a window, so no caption on screen can change what is filed.
struct CalculationRecord {
    std::shared_ptr<const Calculation> calculation;
    RecordTime calculatedAt;
    PositionFields position;
};

} // namespace ipb
