#include "record_packet.h"

#include "check_elements.h"
#include "record_packet_names.h"

#include <optional>
#include <string>

namespace ipb {
namespace {

// Element text with the five characters XML reserves escaped. Line breaks and tabs are written
// as character references so that no reader folds them; other control characters cannot stand
// in XML 1.0 at all and become blanks (a single-line box never holds them as typed).
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return out;
}

std::string element(std::string_view name, std::string_view text) {
    const std::string tag = std::string(kPacketPrefix) + ":" + std::string(name);
    return "   <" + tag + ">" + escaped(text) + "</" + tag + ">\n";
}

} // namespace

std::string checkPacket(const FiledCheck& check, std::string_view title,
                        std::string_view creatorTool) {
    const PositionFields& p = check.position;
    std::string packet =
        // The begin attribute holds the byte order mark, as XMP packets do.
        "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
        " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
        "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
        "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" +
        escaped(title) + "</rdf:li></rdf:Alt></dc:title>\n";
    if (!p.bearbeiter.empty()) {
        packet += "   <dc:creator><rdf:Seq><rdf:li>" + escaped(p.bearbeiter) +
                  "</rdf:li></rdf:Seq></dc:creator>\n";
    }
    if (!p.bauvorhaben.empty()) {
        packet += "   <dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">" +
                  escaped(p.bauvorhaben) + "</rdf:li></rdf:Alt></dc:description>\n";
    }
    packet += "  </rdf:Description>\n"
              "  <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
              "   <xmp:CreatorTool>" +
              escaped(creatorTool) +
              "</xmp:CreatorTool>\n"
              "  </rdf:Description>\n"
              "  <rdf:Description rdf:about=\"\" xmlns:" +
              std::string(kPacketPrefix) + "=\"" + std::string(kPacketNamespace) + "\">\n";
    for (const CheckElement& e : checkElements()) {
        if (const std::optional<std::string> text = e.write(check)) {
            packet += element(e.name, *text);
        }
    }
    packet += "  </rdf:Description>\n"
              " </rdf:RDF>\n"
              "</x:xmpmeta>\n"
              "<?xpacket end=\"r\"?>";
    return packet;
}

} // namespace ipb
