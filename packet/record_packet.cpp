#include "record_packet.h"

#include "record_packet_names.h"
#include "section_table.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

std::string isoTime(const RecordTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

// A number in the shortest form that reads back to the same double, independent of the locale.
std::string plainNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

// The design data that differ from the defaults, by element name.
std::vector<std::pair<std::string_view, std::string>> designElements(const DesignData& d) {
    std::vector<std::pair<std::string_view, std::string>> out;
    if (d.grade != SteelGrade::S235) {
        out.emplace_back(kDesignNames[0], gradeName(d.grade));
    }
    if (d.topFlangeHeld) {
        out.emplace_back(kDesignNames[1], "1");
    }
    if (d.permanentUniform != 0) {
        out.emplace_back(kDesignNames[2], plainNumber(d.permanentUniform));
    }
    if (d.permanentPoint != 0) {
        out.emplace_back(kDesignNames[3], plainNumber(d.permanentPoint));
    }
    const std::optional<double>* bearings[] = {&d.bearingA, &d.bearingB, &d.bearingF};
    for (std::size_t i = 0; i < std::size(bearings); ++i) {
        if (*bearings[i]) {
            out.emplace_back(kDesignNames[4 + i], plainNumber(**bearings[i]));
        }
    }
    return out;
}

} // namespace

bool StoredCheck::operator==(const StoredCheck& other) const {
    return pointLoad == other.pointLoad && sectionRow == other.sectionRow && limit == other.limit &&
           texts.text == other.texts.text && texts.visible == other.texts.visible &&
           design == other.design && position == other.position &&
           calculatedAt == other.calculatedAt;
}

std::string checkPacket(const StoredCheck& check, std::string_view title,
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
    packet += element(kLoadCaseName, check.pointLoad ? "2" : "1");
    packet += element(kSectionName, kSectionTable.at(check.sectionRow).Size);
    packet += element(kLimitName, std::to_string(check.limit));
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        if (check.texts.visible[i]) {
            packet += element(kBoxNames[i], check.texts.text[i]);
        }
    }
    for (const auto& [name, value] : designElements(check.design)) {
        packet += element(name, value);
    }
    const std::string* fields[] = {&p.bauvorhaben, &p.position, &p.bauteil, &p.bearbeiter};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (!fields[i]->empty()) {
            packet += element(kPositionNames[i], *fields[i]);
        }
    }
    packet += element(kTimeName, isoTime(check.calculatedAt));
    packet += "  </rdf:Description>\n"
              " </rdf:RDF>\n"
              "</x:xmpmeta>\n"
              "<?xpacket end=\"r\"?>";
    return packet;
}

} // namespace ipb
