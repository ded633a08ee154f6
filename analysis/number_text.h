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

// The value written with the display patterns "0.0000" (decimals = 4) or "0.000" (3): at least
// one integer digit, exactly that many decimals, no grouping, the given decimal separator.
// Rounded half away from zero on the value's 15-significant-digit decimal form, as a pocket
// calculator shows it (2.675 gives 2,68 at two places). A value that rounds to zero has no sign.
// Expects a finite value.
std::string textFromNumber(double value, int decimals, char decimalSeparator);

} // namespace ipb
