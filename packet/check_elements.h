#pragma once

#include "filed_check.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ipb {

// One element of the program's namespace in the check packet: its name, its text as written
// from a filed check, and how a text read back is taken into one under the element's rule.
struct CheckElement {
    std::string_view name;
    // The element's text, or nothing where it is left out: a default of the design data, a box
    // the load case hides, an empty position field.
    std::optional<std::string> (*write)(const FiledCheck& check);
    // Takes a text read back into the check; false where it breaks the rule, which makes the
    // packet damaged. The elements are taken in the table's order, the load case first, so a
    // box is judged against its load case.
    bool (*read)(std::string_view text, FiledCheck& check);
    bool required; // a packet of ours without it is damaged
};

// Every element of ours in the order the packet writes them: load case, section, deflection
// limit, the six boxes, the design data, the four position fields, the time.
std::span<const CheckElement> checkElements();

// What of a check its packet carries: the load case, section, limit, the texts of the boxes
// its load case shows, the design data, the position and the time. Not what the hidden boxes
// hold nor the separator of the locale: a check read back has the defaults there.
FiledCheck filedPart(const FiledCheck& check);

// The check from the texts read back, one for each element of checkElements() in its order
// (nothing for one the packet does not hold); nothing when a required one is missing or one
// breaks its rule.
std::optional<FiledCheck> filedCheckFrom(std::span<const std::optional<std::string>> texts);

} // namespace ipb
