#pragma once

#include "record_packet.h"

#include <optional>
#include <string_view>

namespace ipb {

enum class PacketProblem {
    None,
    NoCheck, // no packet of this program: another PDF, not a PDF, or a record from before
    Damaged, // a packet of ours that is malformed or holds what the windows cannot show
};

struct PacketReading {
    std::optional<StoredCheck> check;
    PacketProblem problem = PacketProblem::NoCheck;
};

// Scans a file's bytes for XMP packets and reads the first one of this program. Never resolves
// a DTD or an entity; the work is linear in the size of the bytes.
PacketReading readCheckPacket(std::string_view bytes);

} // namespace ipb
