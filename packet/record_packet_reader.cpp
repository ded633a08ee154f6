#include "record_packet_reader.h"

#include "check_request.h"
#include "record_packet_names.h"
#include "section_table.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

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

std::optional<int> number(std::string_view text) {
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return n;
}

// "2026-12-08T14:30:05", nothing else.
std::optional<RecordTime> isoTime(std::string_view text) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    const auto part = [&](std::size_t at, std::size_t n) {
        const std::string_view digits = text.substr(at, n);
        for (const char c : digits) {
            if (c < '0' || c > '9') {
                return -1;
            }
        }
        return number(digits).value_or(-1);
    };
    RecordTime t{part(0, 4), part(5, 2), part(8, 2), part(11, 2), part(14, 2), part(17, 2)};
    if (t.year < 0 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0 ||
        t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59) {
        return std::nullopt;
    }
    return t;
}

// A position field as the dialog would hold it: one line, blanks at both ends dropped.
std::optional<std::string> positionText(const QString& text) {
    const QString line = text.trimmed();
    if (line.size() > kPositionFieldLength) {
        return std::nullopt;
    }
    for (const QChar c : line) {
        if (c.unicode() < 0x20) {
            return std::nullopt;
        }
    }
    return line.toStdString();
}

// The texts of the program's elements, by name; false when the packet is not well-formed,
// declares a DTD or names an entity, or an element of ours is unknown, repeated or not plain text.
struct OwnElements {
    std::array<std::optional<QString>, 4> head; // load case, section, limit, time
    std::array<std::optional<QString>, kInputFieldCount> boxes;
    std::array<std::optional<QString>, 4> position;
    std::array<std::optional<QString>, kDesignNames.size()> design;
    bool any = false;
};

std::optional<QString>* slotFor(OwnElements& own, QStringView name) {
    const std::string_view heads[] = {kLoadCaseName, kSectionName, kLimitName, kTimeName};
    for (std::size_t i = 0; i < std::size(heads); ++i) {
        if (name == QLatin1StringView(heads[i].data(), qsizetype(heads[i].size()))) {
            return &own.head[i];
        }
    }
    for (std::size_t i = 0; i < kBoxNames.size(); ++i) {
        if (name == QLatin1StringView(kBoxNames[i].data(), qsizetype(kBoxNames[i].size()))) {
            return &own.boxes[i];
        }
    }
    for (std::size_t i = 0; i < kPositionNames.size(); ++i) {
        if (name ==
            QLatin1StringView(kPositionNames[i].data(), qsizetype(kPositionNames[i].size()))) {
            return &own.position[i];
        }
    }
    for (std::size_t i = 0; i < kDesignNames.size(); ++i) {
        if (name == QLatin1StringView(kDesignNames[i].data(), qsizetype(kDesignNames[i].size()))) {
            return &own.design[i];
        }
    }
    return nullptr;
}

bool readOwnElements(const QByteArray& packet, OwnElements& own) {
    QXmlStreamReader xml(packet);
    const QLatin1StringView ours(kPacketNamespace.data(), qsizetype(kPacketNamespace.size()));
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
            std::optional<QString>* slot = slotFor(own, xml.name());
            if (!slot || slot->has_value()) {
                return false;
            }
            own.any = true;
            *slot = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            break;
        }
        default:
            break;
        }
    }
    return !xml.hasError();
}

// A design figure as the writer writes it: a plain number in the C locale, nothing around it.
std::optional<double> designNumber(const QString& text) {
    const std::string s = text.toStdString();
    double value = 0;
    const auto end = std::from_chars(s.data(), s.data() + s.size(), value);
    if (end.ec != std::errc() || end.ptr != s.data() + s.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The design data of the elements; a packet without them has the defaults. Nothing when one is
// not a plain figure or lies outside the range the design dialog admits: that packet is damaged.
std::optional<DesignData> designFrom(const OwnElements& own) {
    DesignData d;
    if (const auto& grade = own.design[0]) {
        const auto known =
            std::find_if(std::begin(kSteelGrades), std::end(kSteelGrades),
                         [&](SteelGrade g) { return *grade == QLatin1StringView(gradeName(g)); });
        if (known == std::end(kSteelGrades)) {
            return std::nullopt;
        }
        d.grade = *known;
    }
    if (const auto& held = own.design[1]) {
        if (*held != QLatin1StringView("1") && *held != QLatin1StringView("0")) {
            return std::nullopt;
        }
        d.topFlangeHeld = *held == QLatin1StringView("1");
    }
    double* parts[] = {&d.permanentUniform, &d.permanentPoint};
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        if (const auto& text = own.design[2 + i]) {
            const std::optional<double> value = designNumber(*text);
            if (!value) {
                return std::nullopt;
            }
            *parts[i] = *value;
        }
    }
    std::optional<double>* bearings[] = {&d.bearingA, &d.bearingB, &d.bearingF};
    for (std::size_t i = 0; i < std::size(bearings); ++i) {
        if (const auto& text = own.design[4 + i]) {
            *bearings[i] = designNumber(*text);
            if (!*bearings[i]) {
                return std::nullopt;
            }
        }
    }
    if (!validDesignData(d)) {
        return std::nullopt;
    }
    return d;
}

// The check from the program's elements, if they hold one the windows can show.
std::optional<StoredCheck> checkFrom(const OwnElements& own) {
    const auto& [loadCase, section, limit, time] = own.head;
    if (!loadCase || !section || !limit || !time) {
        return std::nullopt;
    }
    StoredCheck check;
    if (*loadCase != QLatin1StringView("1") && *loadCase != QLatin1StringView("2")) {
        return std::nullopt;
    }
    check.pointLoad = *loadCase == QLatin1StringView("2");

    const std::string size = section->toStdString();
    const auto row = std::find_if(kSectionTable.begin(), kSectionTable.end(),
                                  [&](const BeamSection& s) { return s.Size == size; });
    if (row == kSectionTable.end()) {
        return std::nullopt;
    }
    check.sectionRow = std::size_t(row - kSectionTable.begin());

    const std::optional<int> divisor = number(limit->toStdString());
    if (divisor != 300 && divisor != 500 && divisor != 1000) {
        return std::nullopt;
    }
    check.limit = DeflectionLimit(*divisor);

    const std::optional<RecordTime> at = isoTime(time->toStdString());
    if (!at) {
        return std::nullopt;
    }
    check.calculatedAt = *at;

    // Only the load case's boxes, and no text longer than its box takes.
    InputTexts shown;
    showLoadCaseBoxes(shown, check.pointLoad ? LoadCase::PointLoad : LoadCase::UniformLoad);
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        if (!shown.isVisible(field)) {
            if (own.boxes[i]) {
                return std::nullopt;
            }
            continue;
        }
        check.texts.setVisible(field);
        if (own.boxes[i]) {
            if (own.boxes[i]->size() > boxLength(field)) {
                return std::nullopt;
            }
            check.texts[field] = own.boxes[i]->toStdString();
        }
    }

    const std::optional<DesignData> design = designFrom(own);
    if (!design) {
        return std::nullopt;
    }
    check.design = *design;

    std::string* fields[] = {&check.position.bauvorhaben, &check.position.position,
                             &check.position.bauteil, &check.position.bearbeiter};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (own.position[i]) {
            const std::optional<std::string> text = positionText(*own.position[i]);
            if (!text) {
                return std::nullopt;
            }
            *fields[i] = *text;
        }
    }
    return check;
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
    if (std::optional<StoredCheck> check = checkFrom(own)) {
        return {std::move(check), PacketProblem::None};
    }
    return {std::nullopt, PacketProblem::Damaged};
}

} // namespace ipb
