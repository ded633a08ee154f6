#pragma once

#include "filed_check.h"

#include <optional>
#include <string_view>

namespace ipb {

enum class PacketProblem {
    None,
    NoCheck, // no packet of this program: another PDF, not a PDF, or a record from before
    Damaged, // a packet of ours that is malformed or holds what the windows cannot show
};

struct PacketReading {
    std::optional<FiledCheck> check;
    PacketProblem problem = PacketProblem::NoCheck;
};

// Scans a file's bytes for XMP packets and reads the last one that names this program's
// namespace; one without an element of ours holds no check. Never resolves a DTD or an entity; a
// packet of ours over 64 KB, with more than 256 attributes on an element or more than 64 namespace
// declarations is damaged unread, so the XML reader's work stays bounded per packet and the whole
// stays linear in the size of the bytes.
PacketReading readCheckPacket(std::string_view bytes);

} // namespace ipb
