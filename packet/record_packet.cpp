#include "record_packet.h"

#include "check_elements.h"
#include "position_text.h"
#include "record_packet_names.h"

#include <optional>
#include <string>
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

// An element as the engineer knows it from the windows; one without a caption here goes by its
// name in the packet.
std::string caption(std::string_view name) {
    static constexpr std::pair<std::string_view, std::string_view> kCaptions[] = {
        {kLoadCaseName, "Lastfall"},
        {kSectionName, "Profil"},
        {kLimitName, "zulässige Durchbiegung"},
        {kBoxNames[0], "F"},
        {kBoxNames[1], "+q"},
        {kBoxNames[2], "la"},
        {kBoxNames[3], "lb"},
        {kBoxNames[4], "l"},
        {kBoxNames[5], "Mindestsicherheit"},
        {kSteelGradeName, "Stahlsorte"},
        {kTopFlangeHeldName, "Obergurt seitlich gehalten"},
        {kPermanentUniformName, "davon ständig g,k"},
        {kPermanentPointName, "davon ständig G,k"},
        {kBearingLengthAName, "Lagerlänge s,s am Auflager A"},
        {kBearingLengthBName, "Lagerlänge s,s am Auflager B"},
        {kBearingLengthFName, "Lagerlänge s,s unter F"},
        {kBauvorhabenName, "Bauvorhaben"},
        {kPositionName, "Position"},
        {kBauteilName, "Bauteil"},
        {kBearbeiterName, "Bearbeiter"},
        {kTimeName, "Zeit der Rechnung"},
    };
    for (const auto& [element, text] : kCaptions) {
        if (element == name) {
            return std::string(text);
        }
    }
    return std::string(name);
}

std::string refusalOf(std::string_view what) {
    return "„" + std::string(what) +
           "“ lässt sich nicht so in der Datei ablegen, dass die Rechnung wieder zu öffnen ist.";
}

// Why the reader would not give the check back from these texts, empty when it would: the
// first element it would refuse, or whose text a check read back would not write again.
std::string unreadable(const FiledCheck& check,
                       const std::vector<std::optional<std::string>>& texts) {
    const std::span<const CheckElement> elements = checkElements();
    if (const std::optional<FiledCheck> read = filedCheckFrom(texts);
        read && *read == filedPart(check)) {
        return {};
    }
    FiledCheck probe;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const CheckElement& e = elements[i];
        if (texts[i] ? !e.read(*texts[i], probe) : e.required) {
            return refusalOf(caption(e.name));
        }
    }
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].write(probe) != texts[i] ||
            elements[i].write(filedPart(check)) != texts[i]) {
            return refusalOf(caption(elements[i].name));
        }
    }
    return refusalOf("Trägerberechnung");
}

} // namespace

std::string checkPacket(const FiledCheck& check, std::string_view title,
                        std::string_view creatorTool) {
    return writeCheckPacket(check, title, creatorTool).packet;
}

CheckPacket writeCheckPacket(const FiledCheck& check, std::string_view title,
                             std::string_view creatorTool) {
    std::vector<std::optional<std::string>> texts;
    for (const CheckElement& e : checkElements()) {
        texts.push_back(e.write(check));
    }
    if (std::string refusal = unreadable(check, texts); !refusal.empty()) {
        return {{}, std::move(refusal)};
    }
    // The title and the program are not read back, but a character XML cannot hold there would
    // spoil the whole packet.
    if (!printableText(title) || !printableText(creatorTool)) {
        return {{}, refusalOf("Titel")};
    }
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
    const std::span<const CheckElement> elements = checkElements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (texts[i]) {
            packet += element(elements[i].name, *texts[i]);
        }
    }
    packet += "  </rdf:Description>\n"
              " </rdf:RDF>\n"
              "</x:xmpmeta>\n"
              "<?xpacket end=\"r\"?>";
    return {std::move(packet), {}};
}

} // namespace ipb
