#pragma once

#include "check_result.h"

#include <array>
#include <string>
#include <vector>

namespace ipb {

// Every engineering check in the order the record, the copy, the section choice and the window
// of all checks show them. Adding a check is one file and one line here.
using CheckFunction = CheckResult (*)(const CheckContext&);
extern const std::array<CheckFunction, 13> kChecks;

// Every check of the list for one calculation. A check that has no place in the calculation's
// load case returns a result without an id, and the list leaves it out: nothing names it.
CheckResults runChecks(const CheckContext& context);

// What the record says around a group's checks: its heading, the data it rests on, what it
// assumes and leaves out, how it names its failing checks.
struct CheckGroupText {
    CheckGroup group = CheckGroup::Further;
    std::string heading;
    std::vector<std::string> preamble;
    std::vector<std::string> closing;
    std::string failedPrefix; // "Weitere Nachweise nicht erfüllt: ", the names follow
    std::string uncomputable; // said instead of the steps when the figures cannot be computed
    // Worked lines of the data the checks share, written after the preamble under their title.
    std::string basisTitle;
    WorkedSteps basis;
    // Said after the results when every check holds; where it is set, the line naming the
    // failing checks stands there too. Empty: the group says nothing of its own verdict there.
    std::string passedLine;
    // The copy's rows before and after those of the group's checks, and the caption of a row
    // that gives the group's verdict ("erfüllt", the failing names beside it); empty for none.
    std::vector<CheckFigure> copyBefore, copyAfter;
    std::string copyVerdict;
};

// The groups that have a section of their own on the record, in its order; the verdict's own
// checks stand on the first pages.
std::vector<CheckGroupText> recordGroups(const CheckContext& context);

} // namespace ipb
