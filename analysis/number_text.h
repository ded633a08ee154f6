#pragma once

#include <string>
#include <string_view>

namespace ipb {

// The number a text begins with, read the way the input boxes are meant: leading blanks, tabs
// and line feeds skipped, an optional sign, digits with at most one decimal point (blanks
// between them ignored), an optional exponent after E or D. Reading stops at the first
// character that cannot continue the number; a text that does not begin with one gives 0.
// Independent of the process locale. No "inf", "nan" or hexadecimal forms: a huge exponent
// gives +-infinity, a tiny one 0.
double numberFromText(std::string_view text);

// A UTF-8 text without the blanks at both ends, as a text box's owner drops them: ASCII white
// space and the Unicode spaces a paste brings along (no-break, typographic, line and paragraph
// separators). Bytes that are no UTF-8 stay as they are.
std::string_view trimmedText(std::string_view text);

// The value written with the display patterns "0.0000" (decimals = 4) or "0.000" (3): at least
// one integer digit, exactly that many decimals, no grouping, the given decimal separator.
// Rounded half away from zero on the value's 15-significant-digit decimal form, as a pocket
// calculator shows it (2.675 gives 2,68 at two places). A value that rounds to zero has no sign.
// Expects a finite value.
std::string textFromNumber(double value, int decimals, char decimalSeparator);

// A value with a fixed number of decimals in German notation, as the record writes figures.
inline std::string germanFixed(double value, int decimals) {
    return textFromNumber(value, decimals, ',');
}

// A utilisation in percent with one decimal, "91,0"; one above 100 that would round to "100,0"
// gets the decimals that show it above ("100,01"), so a failing check never reads as 100 %.
std::string utilisationFigure(double percent, char decimalSeparator = ',');
// The same with its unit: "91,0 %"; the windows pass the user's decimal separator.
inline std::string percentText(double percent, char decimalSeparator = ',') {
    return utilisationFigure(percent, decimalSeparator) + " %";
}

// A value as the calculation used it, in German notation: up to ten significant digits, no
// trailing zeros, no thousands separator, never an exponent ("10,601", "2,645751311",
// "0,00001", "2810139788000").
std::string germanNumber(double value, int significantDigits = 10);

// The bending stress and the deflection as the results window writes them: a bound where the
// figure is too small or too large to mean anything, else three decimals.
std::string stressText(double sigma, char decimalSeparator);
std::string deflectionText(double f, char decimalSeparator);

inline constexpr std::string_view kBelowThousandth = "< 0,001";
inline constexpr std::string_view kAboveThousand = "> 1000";

} // namespace ipb
