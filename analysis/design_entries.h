#pragma once

#include "design_data.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace ipb {

// The five boxes of "Bemessung…" in the order they are read: g,k, G,k, and the bearing lengths
// at A, at B and under F.
enum class DesignBox { PermanentUniform, PermanentPoint, BearingA, BearingB, BearingF };
inline constexpr std::size_t kDesignBoxCount = 5;

// What the dialog holds when "OK" is pressed.
struct DesignEntries {
    int gradeIndex = 0; // in the list's order S235, S275, S355
    bool topFlangeHeld = false;
    int loadHeightIndex = 0; // in the list's order Obergurt, Schwerpunkt, Untergurt
    std::array<std::string, kDesignBoxCount> boxes; // UTF-8, as typed
    bool pointLoadShown = false;                    // G,k and the bearing under F are asked
    // The loads the permanent parts are parts of, as the calculation on display read them.
    double uniformLoad = kPermanentUniformMax; // +q, kN/m
    double pointLoad = kPermanentPointMax;     // F, kN

    std::string& operator[](DesignBox b) { return boxes[static_cast<std::size_t>(b)]; }
    const std::string& operator[](DesignBox b) const { return boxes[static_cast<std::size_t>(b)]; }
};

// The first box refused and the message that says what it takes, exact to the character:
// "davon ständig g,k: bitte eine Zahl von 0 bis 250 kN/m eingeben."
struct DesignRejection {
    DesignBox box;
    std::string message;
};

// The longest text a box of the dialog takes: room for the seventeen digits of any double from
// 0,001 up, so a figure the program wrote itself always shows whole.
inline constexpr std::size_t kDesignBoxLength = 24;

// A figure as the dialog's box shows it: positional notation with the digits the value was
// given and no more (the shortest that reads back to the same double), never an exponent:
// 0.00001 is "0,00001", 100.33333333 "100,33333333". Expects a finite value.
std::string figureText(double value, char decimalSeparator);
// Whether the box can show the figure whole, within kDesignBoxLength characters. Only such a
// figure is taken, from the dialog and from a packet alike, so that "OK" on an unchanged dialog
// files what was there: 5e-324 would need 326 characters and is refused.
bool showableFigure(double value);

// The grade of this name ("S235", "S275", "S355"), nothing for any other text.
std::optional<SteelGrade> gradeNamed(std::string_view name);

// Reads the entries in the order of the boxes. A box takes a plain figure with a decimal comma
// or point and no sign or exponent, within its range; an empty box is no permanent part or no
// bearing length. A figure the box could not show again (see showableFigure) is refused like
// one out of range. A permanent part is at most its load ("davon ständig g,k: höchstens +q = 10
// kN/m."). What is not asked (the point-load boxes without a point load) stays as it was
// `before`.
std::variant<DesignData, DesignRejection> readDesignEntries(const DesignEntries& entries,
                                                            const DesignData& before);

} // namespace ipb
