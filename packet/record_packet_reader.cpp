#include "record_packet_reader.h"

#include "check_elements.h"
#include "record_packet_names.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace ipb {
namespace {

constexpr std::string_view kPacketBegin = "<?xpacket begin";
constexpr std::string_view kPacketEnd = "<?xpacket end";
constexpr std::string_view kInstructionEnd = "?>";

// A packet of ours is a few kilobytes with five namespaces and no attribute beyond rdf:about and
// xml:lang. The XML reader's work grows with the square of the attributes on one element and
// with the namespaces declared (a megabyte of empty attributes held it for a minute), so a packet
// beyond these is refused unread: within them any packet is read in milliseconds.
constexpr std::size_t kLargestPacket = 64 * 1024;
constexpr int kMostAttributes = 256; // on one element
constexpr int kMostNamespaces = 64;  // declared in the whole packet

// Counts what the limits name in one pass over the packet's tags, passing over comments,
// CDATA sections, processing instructions and quoted values; false beyond a limit or on a quote
// that never closes. Text between the tags is never looked into, so it may hold anything.
bool withinLimits(std::string_view packet) {
    if (packet.size() > kLargestPacket) {
        return false;
    }
    constexpr auto npos = std::string_view::npos;
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    int namespaces = 0;
    std::size_t i = 0;
    while ((i = packet.find('<', i)) != npos) {
        const std::string_view rest = packet.substr(i);
        std::string_view skipTo;
        if (rest.starts_with("<!--")) {
            skipTo = "-->";
        } else if (rest.starts_with("<![CDATA[")) {
            skipTo = "]]>";
        } else if (rest.starts_with("<?")) {
            skipTo = kInstructionEnd;
        }
        if (!skipTo.empty()) {
            const std::size_t end = packet.find(skipTo, i + 2);
            i = end == npos ? packet.size() : end + skipTo.size();
            continue;
        }
        // Every attribute has its one "=" outside the quotes; the name stands right before it.
        int attributes = 0;
        for (++i; i < packet.size() && packet[i] != '>'; ++i) {
            const char c = packet[i];
            if (c == '"' || c == '\'') {
                i = packet.find(c, i + 1);
                if (i == npos) {
                    return false;
                }
            } else if (c == '=') {
                if (++attributes > kMostAttributes) {
                    return false;
                }
                std::size_t end = i;
                while (end > 0 && isBlank(packet[end - 1])) {
                    --end;
                }
                std::size_t begin = end;
                while (begin > 0 && !isBlank(packet[begin - 1]) &&
                       std::string_view("<=\"'").find(packet[begin - 1]) == npos) {
                    --begin;
                }
                const std::string_view name = packet.substr(begin, end - begin);
                if ((name == "xmlns" || name.starts_with("xmlns:")) &&
                    ++namespaces > kMostNamespaces) {
                    return false;
                }
            }
        }
    }
    return true;
}

// The texts of the program's elements, one for each row of the element table; false when the
// packet is not well-formed, declares a DTD or names an entity, or an element of ours is
// unknown, repeated or not plain text. The texts are only gathered here and judged afterwards in
// the table's order: the packet's own order is whatever the last program to touch it left.
struct OwnElements {
    std::vector<std::optional<std::string>> texts;
    bool any = false;
};

bool readOwnElements(const QByteArray& packet, OwnElements& own) {
    QXmlStreamReader xml(packet);
    const QLatin1StringView ours(kPacketNamespace.data(), qsizetype(kPacketNamespace.size()));
    const std::span<const CheckElement> rows = checkElements();
    own.texts.assign(rows.size(), std::nullopt);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            // A packet of ours never has either; refusing them means no declaration is ever
            // expanded and nothing outside the file is ever fetched.
            return false;
        case QXmlStreamReader::StartElement: {
            if (xml.namespaceUri() != ours) {
                break;
            }
            const auto row = std::find_if(rows.begin(), rows.end(), [&](const CheckElement& e) {
                return xml.name() == QLatin1StringView(e.name.data(), qsizetype(e.name.size()));
            });
            if (row == rows.end() || own.texts[std::size_t(row - rows.begin())]) {
                return false;
            }
            own.any = true;
            own.texts[std::size_t(row - rows.begin())] =
                xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement).toStdString();
            break;
        }
        default:
            break;
        }
    }
    return !xml.hasError();
}

} // namespace

PacketReading readCheckPacket(std::string_view bytes) {
    // Packets do not nest: each scan goes on after the end of the last, so every byte is looked
    // at a bounded number of times however many beginnings a file holds. Other programs' packets
    // (an image's, the PDF writer's own) are passed over unread.
    std::string_view last;
    std::size_t from = 0;
    for (;;) {
        const std::size_t begin = bytes.find(kPacketBegin, from);
        if (begin == std::string_view::npos) {
            break;
        }
        const std::size_t endMark = bytes.find(kPacketEnd, begin + kPacketBegin.size());
        if (endMark == std::string_view::npos) {
            break;
        }
        const std::size_t end = bytes.find(kInstructionEnd, endMark + kPacketEnd.size());
        if (end == std::string_view::npos) {
            break;
        }
        from = end + kInstructionEnd.size();
        const std::string_view packet = bytes.substr(begin, from - begin);
        if (packet.find(kPacketNamespace) != std::string_view::npos) {
            last = packet;
        }
    }
    // A PDF edited by an incremental update carries its newer metadata after the older: the last
    // packet of ours is the one that counts, whatever came before it. Only that one is read, so a
    // file of many packets costs no more than one.
    if (last.empty()) {
        return {std::nullopt, PacketProblem::NoCheck};
    }
    OwnElements own;
    if (!withinLimits(last) ||
        !readOwnElements(QByteArray(last.data(), qsizetype(last.size())), own)) {
        return {std::nullopt, PacketProblem::Damaged};
    }
    if (!own.any) {
        return {std::nullopt, PacketProblem::NoCheck};
    }
    if (std::optional<FiledCheck> check = filedCheckFrom(own.texts)) {
        return {std::move(check), PacketProblem::None};
    }
    return {std::nullopt, PacketProblem::Damaged};
}

} // namespace ipb
