#pragma once

#include "filed_check.h"

#include <string>
#include <string_view>

namespace ipb {

// The XMP packet a record PDF carries: the usual Dublin Core title, creator (Bearbeiter) and
// description (Bauvorhaben), the writing program, and the check in the program's own namespace.
// PDF writers keep metadata streams uncompressed, so the packet can be found by a byte scan.
std::string checkPacket(const FiledCheck& check, std::string_view title,
                        std::string_view creatorTool);

} // namespace ipb
