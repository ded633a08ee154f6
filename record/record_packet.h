#pragma once

#include "calculation_record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ipb {

// A check as it is filed inside its own record: what the engineer chose and typed, not what
// came of it. Opening the record computes it again, so the figures always come from the
// program that opens it and never from a file that may have been edited.
struct StoredCheck {
    bool pointLoad = false;
    std::size_t sectionRow = 0; // row of kSectionTable
    DeflectionLimit limit = 300;
    InputTexts texts; // the boxes of the load case, as typed; the others empty and hidden
    PositionFields position;
    RecordTime calculatedAt;

    bool operator==(const StoredCheck& other) const;
};

StoredCheck storedCheck(const CalculationRecord& record);

// The XMP packet a record PDF carries: the usual Dublin Core title, creator (Bearbeiter) and
// description (Bauvorhaben), the writing program, and the check in the program's own namespace.
// PDF writers keep metadata streams uncompressed, so the packet can be found by a byte scan.
std::string checkPacket(const StoredCheck& check, std::string_view title,
                        std::string_view creatorTool);

// The longest text each input box takes, as the input window's boxes are designed.
int inputBoxLength(InputField field);

enum class PacketProblem {
    None,
    NoCheck, // no packet of this program: another PDF, not a PDF, or a record from before
    Damaged, // a packet of ours that is malformed or holds what the windows cannot show
};

struct PacketReading {
    std::optional<StoredCheck> check;
    PacketProblem problem = PacketProblem::NoCheck;
};

// Scans a file's bytes for XMP packets and reads the last one that names this program's
// namespace; one without an element of ours holds no check. Never resolves a DTD or an entity; a
// packet of ours over 64 KB, with more than 256 attributes on an element or more than 64 namespace
// declarations is damaged unread, so the XML reader's work stays bounded per packet and the whole
// stays linear in the size of the bytes.
PacketReading readCheckPacket(std::string_view bytes);

} // namespace ipb
