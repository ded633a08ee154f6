#pragma once

#include "filed_check.h"

#include <string>
#include <string_view>

namespace ipb {

// The XMP packet a record PDF carries: the usual Dublin Core title, creator (Bearbeiter) and
// description (Bauvorhaben), the writing program, and the check in the program's own namespace.
// PDF writers keep metadata streams uncompressed, so the packet can be found by a byte scan.
//
// A record is filed to be opened again, so the packet is written only when its reader would
// take it back as the same check: every element's text is read back under the element table's
// own rules before anything is written. Otherwise there is no packet, and the refusal names the
// entry that would not come back, in German, for the "Fehler:" message of saving.
struct CheckPacket {
    std::string packet; // empty when refused
    std::string refusal;
};
CheckPacket writeCheckPacket(const FiledCheck& check, std::string_view title,
                             std::string_view creatorTool);

// The packet alone, empty when it is refused.
std::string checkPacket(const FiledCheck& check, std::string_view title,
                        std::string_view creatorTool);

} // namespace ipb
