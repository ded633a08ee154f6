#pragma once

#include "check_request.h"

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

// A check as it is filed inside its own record: the request the calculation was made from, for
// which beam and when. What came of it is not filed: opening the record computes it again, so
// the figures always come from the program that opens it and never from a file that may have
// been edited.
struct FiledCheck {
    CheckRequest request;
    PositionFields position;
    RecordTime calculatedAt;

    bool operator==(const FiledCheck&) const = default;
};

} // namespace ipb
