#pragma once

#include <string>
#include <string_view>

namespace ipb {

// What a text of the record is held to wherever it comes from (the "Position" dialog, the
// settings file, a packet read back): one line of printable characters, so that the record's
// head line shows it as it is and the packet's XML can carry it. Noncharacters (U+FDD0 to
// U+FDEF, U+FFFE and U+FFFF of every plane), control characters and bytes that are no UTF-8
// (an unpaired surrogate among them) are dropped; a line break or a tab becomes a blank, so two
// pasted lines stay two words. Then the blanks at both ends go and the line is cut to
// maxUnits UTF-16 units, as a Qt text box counts them, never inside a character.
std::string cleanedLine(std::string_view text, std::size_t maxUnits);

// A position field as the record files it: a cleaned line of at most kPositionFieldLength units.
std::string positionField(std::string_view text);

// Whether the text is UTF-8 of printable characters only (no control character, noncharacter
// or broken byte), as cleanedLine leaves it; any length.
bool printableText(std::string_view text);

} // namespace ipb
