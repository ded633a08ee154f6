// Reads any bytes as a record file the engineer opens: the scan for XMP packets and the XML
// reading of the program's own. It must never crash, never read past the bytes, and whatever it
// accepts must be a check the windows can show, which written again reads back the same and
// writes once more to the same bytes: the writer never refuses what its reader took.

#include "design_entries.h"
#include "record_packet.h"
#include "record_packet_reader.h"
#include "section_table.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void broken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ipb;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const PacketReading reading = readCheckPacket(bytes);
    if (reading.check.has_value() != (reading.problem == PacketProblem::None)) {
        broken("a check without success or success without a check");
    }
    if (!reading.check) {
        return 0;
    }
    const FiledCheck& check = *reading.check;
    const CheckRequest& request = check.request;
    if (request.section.row >= kSectionTable.size()) {
        broken("section row outside the table");
    }
    if (request.limit != 300 && request.limit != 500 && request.limit != 1000) {
        broken("deflection limit the options do not offer");
    }
    if (!validDesignData(request.design)) {
        broken("design data the dialog does not admit");
    }
    if (request.texts.isVisible(InputField::F) != request.pointLoad() ||
        request.texts.isVisible(InputField::l) == request.pointLoad()) {
        broken("boxes of the other load case");
    }
    const DesignData& d = request.design;
    for (const std::optional<double> figure :
         {std::optional(d.permanentUniform), std::optional(d.permanentPoint), d.bearingA,
          d.bearingB, d.bearingF}) {
        if (figure && !showableFigure(*figure)) {
            broken("a design figure its box cannot show");
        }
    }
    const CheckPacket again = writeCheckPacket(check, "Titel", "ipbtraeger");
    if (again.packet.empty() || !again.refusal.empty()) {
        broken("the writer refuses a check its reader took");
    }
    const PacketReading reread = readCheckPacket(again.packet);
    if (!reread.check || !(*reread.check == check)) {
        broken("written again, the check reads back differently");
    }
    if (checkPacket(*reread.check, "Titel", "ipbtraeger") != again.packet) {
        broken("read back and written once more, the packet is not the same");
    }
    return 0;
}
