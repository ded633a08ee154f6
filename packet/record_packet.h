#pragma once

#include "beam_values.h"
#include "design_data.h"
#include "input_reading.h"

#include <cstddef>
#include <string>
#include <string_view>

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

// A check as it is filed inside its own record: what the engineer chose and typed, not what
// came of it. Opening the record computes it again, so the figures always come from the
// program that opens it and never from a file that may have been edited.
struct StoredCheck {
    bool pointLoad = false;
    std::size_t sectionRow = 0; // row of kSectionTable
    DeflectionLimit limit = 300;
    InputTexts texts; // the boxes of the load case, as typed; the others empty and hidden
    DesignData design;
    PositionFields position;
    RecordTime calculatedAt;

    bool operator==(const StoredCheck& other) const;
};

// The XMP packet a record PDF carries: the usual Dublin Core title, creator (Bearbeiter) and
// description (Bauvorhaben), the writing program, and the check in the program's own namespace.
// PDF writers keep metadata streams uncompressed, so the packet can be found by a byte scan.
std::string checkPacket(const StoredCheck& check, std::string_view title,
                        std::string_view creatorTool);

} // namespace ipb
