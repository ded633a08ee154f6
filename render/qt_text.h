#pragma once

#include <QString>

#include <string_view>

namespace ipb {

// A text of the calculation core (UTF-8) as the windows and the record's pages show it.
QString qtText(std::string_view text);

// The decimal separator of the user's locale for the calculation's number texts: a comma in
// German, a point where the locale has no single-character one.
char localeDecimalSeparator();

} // namespace ipb
