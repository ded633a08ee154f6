#include "design_entries.h"

#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace ipb {
namespace {

// Each box by the name its label gives it (without the unit in brackets and the colon), its
// range from 0 and the unit the message names.
struct BoxRule {
    std::string_view name;
    double top;
    std::string_view unit;
};
constexpr std::array<BoxRule, kDesignBoxCount> kBoxRules{{
    {"davon ständig g,k", kPermanentUniformMax, "kN/m"},
    {"davon ständig G,k", kPermanentPointMax, "kN"},
    {"Lagerlänge s,s am Auflager A", kBearingLengthMax, "mm"},
    {"Lagerlänge s,s am Auflager B", kBearingLengthMax, "mm"},
    {"Lagerlänge s,s unter F", kBearingLengthMax, "mm"},
}};

// Digits with at most one decimal comma or point and a digit on at least one side of it. Signs,
// blanks inside, thousands separators and exponents are refused rather than half read: a box
// either holds the figure the engineer sees or is refused.
bool plainFigure(std::string_view t) {
    const std::size_t separator = t.find_first_of(".,");
    const std::string_view whole = t.substr(0, separator);
    const std::string_view fraction =
        separator == std::string_view::npos ? std::string_view() : t.substr(separator + 1);
    const auto digits = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return digits(whole) && digits(fraction) && (!whole.empty() || !fraction.empty());
}

// The top of a range as the message names it: a whole number, no grouping ("10000").
std::string topText(double top) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, top, std::chars_format::fixed, 0);
    return std::string(text, end.ptr);
}

} // namespace

std::string figureText(double value, char decimalSeparator) {
    // The shortest fixed form that reads back exactly; the largest double has 309 digits and the
    // smallest 1074 decimals at most 770 of which are significant, so this always fits.
    char text[1100];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    std::string shown(text, end.ptr);
    std::replace(shown.begin(), shown.end(), '.', decimalSeparator);
    return shown;
}

bool showableFigure(double value) {
    return std::isfinite(value) && figureText(value, ',').size() <= kDesignBoxLength;
}

std::optional<SteelGrade> gradeNamed(std::string_view name) {
    for (const SteelGrade g : kSteelGrades) {
        if (name == gradeName(g)) {
            return g;
        }
    }
    return std::nullopt;
}

std::variant<DesignData, DesignRejection> readDesignEntries(const DesignEntries& entries,
                                                            const DesignData& before) {
    std::array<std::optional<double>, kDesignBoxCount> value;
    for (std::size_t i = 0; i < kDesignBoxCount; ++i) {
        const auto box = static_cast<DesignBox>(i);
        const bool asked = entries.pointLoadShown ||
                           (box != DesignBox::PermanentPoint && box != DesignBox::BearingF);
        const std::string_view t = trimmedText(entries[box]);
        if (!asked || t.empty()) {
            continue;
        }
        const BoxRule& rule = kBoxRules[i];
        if (plainFigure(t)) {
            std::string point(t);
            std::replace(point.begin(), point.end(), ',', '.');
            value[i] = numberFromText(point);
        }
        if (!value[i] || !(*value[i] >= 0 && *value[i] <= rule.top) || !showableFigure(*value[i])) {
            return DesignRejection{box, std::string(rule.name) + ": bitte eine Zahl von 0 bis " +
                                            topText(rule.top) + " " + std::string(rule.unit) +
                                            " eingeben."};
        }
        // A permanent part larger than its load would be taken as the whole load with γG,
        // below the γQ the safe side asks for: refused where it is typed.
        const bool uniform = box == DesignBox::PermanentUniform;
        if (uniform || box == DesignBox::PermanentPoint) {
            const double load = uniform ? entries.uniformLoad : entries.pointLoad;
            if (*value[i] > load) {
                return DesignRejection{box, std::string(rule.name) + ": höchstens " +
                                                (uniform ? "+q = " : "F = ") + germanNumber(load) +
                                                " " + std::string(rule.unit) + "."};
            }
        }
    }
    DesignData d;
    const auto item = [](const auto& list, int index) {
        return list[std::clamp(index, 0, static_cast<int>(std::size(list)) - 1)];
    };
    d.grade = item(kSteelGrades, entries.gradeIndex);
    d.topFlangeHeld = entries.topFlangeHeld;
    d.loadHeight = item(kLoadHeights, entries.loadHeightIndex);
    // Empty parts are no parts; what the uniform-load case does not ask stays as it was.
    const auto at = [&](DesignBox b) { return value[static_cast<std::size_t>(b)]; };
    d.permanentUniform = at(DesignBox::PermanentUniform).value_or(0);
    d.permanentPoint =
        entries.pointLoadShown ? at(DesignBox::PermanentPoint).value_or(0) : before.permanentPoint;
    d.bearingA = at(DesignBox::BearingA);
    d.bearingB = at(DesignBox::BearingB);
    d.bearingF = entries.pointLoadShown ? at(DesignBox::BearingF) : before.bearingF;
    return d;
}

} // namespace ipb
