#include "check_elements.h"

#include "design_entries.h"
#include "number_text.h"
#include "position_text.h"
#include "record_packet_names.h"
#include "section_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <type_traits>

namespace ipb {
namespace {

using Text = std::optional<std::string>;

// The length of a UTF-8 text as a Qt text box counts it, in UTF-16 units.
std::size_t boxUnits(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        n += (byte & 0xC0) != 0x80; // every character but its continuation bytes
        n += byte >= 0xF0;          // beyond the first plane: a surrogate pair
    }
    return n;
}

std::optional<int> wholeNumber(std::string_view text) {
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return n;
}

// A number in the shortest form that reads back to the same double, independent of the locale;
// tiny figures come out with an exponent ("1e-04"), which the reading takes.
std::string plainNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

Text writeLoadCase(const FiledCheck& c) {
    return c.request.pointLoad() ? "2" : "1";
}
bool readLoadCase(std::string_view text, FiledCheck& c) {
    if (text != "1" && text != "2") {
        return false;
    }
    c.request.loadCase = text == "2" ? LoadCase::PointLoad : LoadCase::UniformLoad;
    showLoadCaseBoxes(c.request.texts, c.request.loadCase);
    return true;
}

Text writeSection(const FiledCheck& c) {
    return std::string(c.request.section.section().Size);
}
bool readSection(std::string_view text, FiledCheck& c) {
    const auto row = std::find_if(kSectionTable.begin(), kSectionTable.end(),
                                  [&](const BeamSection& s) { return s.Size == text; });
    c.request.section.row = std::size_t(row - kSectionTable.begin());
    return row != kSectionTable.end();
}

Text writeLimit(const FiledCheck& c) {
    return std::to_string(c.request.limit);
}
bool readLimit(std::string_view text, FiledCheck& c) {
    const std::optional<int> divisor = wholeNumber(text);
    c.request.limit = DeflectionLimit(divisor.value_or(0));
    return divisor == 300 || divisor == 500 || divisor == 1000;
}

// A box of the load case, as typed; the boxes it hides are not written and must not be there.
// It holds only what the box takes from the keys (digits, comma, point) within its length: a
// text the input window would change on its way in is not the beam that was filed.
template <InputField Field> Text writeBox(const FiledCheck& c) {
    return c.request.texts.isVisible(Field) ? Text(c.request.texts[Field]) : Text();
}
template <InputField Field> bool readBox(std::string_view text, FiledCheck& c) {
    const auto typed = [](char ch) {
        const int code = static_cast<unsigned char>(ch);
        return code != 0 && code != kBackspaceCode && code != kEnterCode &&
               keptCharacter(Field, code) == code;
    };
    if (!boxShown(c.request.loadCase, Field) || boxUnits(text) > std::size_t(boxLength(Field)) ||
        !std::all_of(text.begin(), text.end(), typed)) {
        return false;
    }
    c.request.texts[Field] = text;
    return true;
}

Text writeGrade(const FiledCheck& c) {
    const SteelGrade grade = c.request.design.grade;
    return grade != SteelGrade::S235 ? Text(gradeName(grade)) : Text();
}
bool readGrade(std::string_view text, FiledCheck& c) {
    const auto known = std::find_if(std::begin(kSteelGrades), std::end(kSteelGrades),
                                    [&](SteelGrade g) { return text == gradeName(g); });
    if (known == std::end(kSteelGrades)) {
        return false;
    }
    c.request.design.grade = *known;
    return true;
}

Text writeHeld(const FiledCheck& c) {
    return c.request.design.topFlangeHeld ? Text("1") : Text();
}
bool readHeld(std::string_view text, FiledCheck& c) {
    c.request.design.topFlangeHeld = text == "1";
    return text == "1" || text == "0";
}

// "Schwerpunkt" or "Untergurt"; the top flange is not written.
Text writeLoadHeight(const FiledCheck& c) {
    const LoadHeight at = c.request.design.loadHeight;
    return at != LoadHeight::TopFlange ? Text(loadHeightName(at)) : Text();
}
bool readLoadHeight(std::string_view text, FiledCheck& c) {
    const auto known = std::find_if(std::begin(kLoadHeights), std::end(kLoadHeights),
                                    [&](LoadHeight at) { return text == loadHeightName(at); });
    if (known == std::end(kLoadHeights)) {
        return false;
    }
    c.request.design.loadHeight = *known;
    return true;
}

// A permanent part (0 is none) or a bearing length (none is not written).
template <auto Member> Text writeFigure(const FiledCheck& c) {
    const auto& value = c.request.design.*Member;
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, double>) {
        return value != 0 ? Text(plainNumber(value)) : Text();
    } else {
        return value ? Text(plainNumber(*value)) : Text();
    }
}
// A plain number in the C locale with nothing around it, as written, within the range the
// design dialog admits and short enough for its box to show: a figure no engineer could have
// entered is a damaged packet, not a beam.
template <auto Member> bool readFigure(std::string_view text, FiledCheck& c) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return false;
    }
    // Judged on its own against the ranges of the design data, so each element answers for its
    // figure whatever the others hold.
    DesignData alone;
    alone.*Member = value;
    c.request.design.*Member = value;
    return validDesignData(alone) && showableFigure(value);
}

template <std::string PositionFields::*Field> Text writePosition(const FiledCheck& c) {
    const std::string& text = c.position.*Field;
    return !text.empty() ? Text(text) : Text();
}
// As the position dialog would hold it: blanks at both ends dropped, and then a line the
// position fields' cleaning leaves as it is.
template <std::string PositionFields::*Field>
bool readPosition(std::string_view text, FiledCheck& c) {
    const std::string_view line = trimmedText(text);
    c.position.*Field = line;
    return positionField(line) == line;
}

// "2026-12-08T14:30:05", nothing else.
Text writeTime(const FiledCheck& c) {
    const RecordTime& t = c.calculatedAt;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}
bool readTime(std::string_view text, FiledCheck& c) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':') {
        return false;
    }
    const auto part = [&](std::size_t at, std::size_t n) {
        const std::string_view digits = text.substr(at, n);
        const bool plain =
            std::all_of(digits.begin(), digits.end(), [](char d) { return d >= '0' && d <= '9'; });
        return plain ? wholeNumber(digits).value_or(-1) : -1;
    };
    const RecordTime t{part(0, 4), part(5, 2), part(8, 2), part(11, 2), part(14, 2), part(17, 2)};
    c.calculatedAt = t;
    return t.year >= 0 && t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 &&
           t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
           t.second <= 59;
}

template <InputField Field> constexpr CheckElement box() {
    return {kBoxNames[static_cast<std::size_t>(Field)], writeBox<Field>, readBox<Field>, false};
}
template <auto Member> constexpr CheckElement figure(std::string_view name) {
    return {name, writeFigure<Member>, readFigure<Member>, false};
}
template <std::string PositionFields::*Field>
constexpr CheckElement position(std::string_view name) {
    return {name, writePosition<Field>, readPosition<Field>, false};
}

constexpr CheckElement kElements[] = {
    {kLoadCaseName, writeLoadCase, readLoadCase, true},
    {kSectionName, writeSection, readSection, true},
    {kLimitName, writeLimit, readLimit, true},
    box<InputField::F>(),
    box<InputField::plusq>(),
    box<InputField::la>(),
    box<InputField::lb>(),
    box<InputField::l>(),
    box<InputField::sic>(),
    {kSteelGradeName, writeGrade, readGrade, false},
    {kTopFlangeHeldName, writeHeld, readHeld, false},
    {kLoadHeightName, writeLoadHeight, readLoadHeight, false},
    figure<&DesignData::permanentUniform>(kPermanentUniformName),
    figure<&DesignData::permanentPoint>(kPermanentPointName),
    figure<&DesignData::bearingA>(kBearingLengthAName),
    figure<&DesignData::bearingB>(kBearingLengthBName),
    figure<&DesignData::bearingF>(kBearingLengthFName),
    position<&PositionFields::bauvorhaben>(kBauvorhabenName),
    position<&PositionFields::position>(kPositionName),
    position<&PositionFields::bauteil>(kBauteilName),
    position<&PositionFields::bearbeiter>(kBearbeiterName),
    {kTimeName, writeTime, readTime, true},
};
static_assert(std::size(kElements) == 3 + kInputFieldCount + 8 + 4 + 1);

} // namespace

std::span<const CheckElement> checkElements() {
    return kElements;
}

FiledCheck filedPart(const FiledCheck& check) {
    FiledCheck filed;
    filed.request.loadCase = check.request.loadCase;
    filed.request.section = check.request.section;
    filed.request.limit = check.request.limit;
    showLoadCaseBoxes(filed.request.texts, filed.request.loadCase);
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        if (filed.request.texts.isVisible(field) && check.request.texts.isVisible(field)) {
            filed.request.texts[field] = check.request.texts[field];
        }
    }
    filed.request.design = check.request.design;
    filed.position = check.position;
    filed.calculatedAt = check.calculatedAt;
    return filed;
}

std::optional<FiledCheck> filedCheckFrom(std::span<const std::optional<std::string>> texts) {
    if (texts.size() != std::size(kElements)) {
        return std::nullopt;
    }
    FiledCheck check;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool taken = texts[i] ? kElements[i].read(*texts[i], check) : !kElements[i].required;
        if (!taken) {
            return std::nullopt;
        }
    }
    return check;
}

} // namespace ipb
