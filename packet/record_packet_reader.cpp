#include "record_packet_reader.h"

#include "check_request.h"
#include "record_packet_names.h"
#include "section_table.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>
#include <charconv>

namespace ipb {
namespace {

constexpr std::string_view kPacketBegin = "<?xpacket begin";
constexpr std::string_view kPacketEnd = "<?xpacket end";
constexpr std::string_view kInstructionEnd = "?>";

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
    // at a bounded number of times however many beginnings a file holds.
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
        // Other programs' packets (an image's, the PDF writer's own) are passed over unread.
        if (packet.find(kPacketNamespace) == std::string_view::npos) {
            continue;
        }
        OwnElements own;
        if (!readOwnElements(QByteArray(packet.data(), qsizetype(packet.size())), own)) {
            return {std::nullopt, PacketProblem::Damaged};
        }
        if (!own.any) {
            continue;
        }
        if (std::optional<StoredCheck> check = checkFrom(own)) {
            return {std::move(check), PacketProblem::None};
        }
        return {std::nullopt, PacketProblem::Damaged};
    }
    return {std::nullopt, PacketProblem::NoCheck};
}

} // namespace ipb
