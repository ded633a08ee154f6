#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace ipb {

// A text of the calculation core (UTF-8) as the windows and the record's pages show it.
QString qtText(std::string_view text);

// A text of the windows (or the settings) in UTF-8 for the core, with the halves of surrogate
// pairs that stand alone dropped: converted as they are they would arrive as replacement
// characters, which look like text and are none.
std::string coreText(const QString& text);

// The decimal separator of the user's locale for the calculation's number texts: a comma in
// German, a point where the locale has no single-character one.
char localeDecimalSeparator();

} // namespace ipb
