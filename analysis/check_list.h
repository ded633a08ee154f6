#pragma once

#include "check_result.h"

#include <array>
#include <string>
#include <vector>

namespace ipb {

// The engineering checks, each a function of the calculation in a file of its own.
// The verdict of the four windows: the bending stress against zul. σ = 330/ν, the deflection
// against the agreed limit.
CheckResult bendingStressCheck(const CheckContext& context);
CheckResult deflectionCheck(const CheckContext& context);
// What the verdict leaves out, against the same allowable stress: shear in the web, the
// combined stress where web meets flange, lateral-torsional buckling of a free top flange.
CheckResult shearCheck(const CheckContext& context);
CheckResult combinedStressCheck(const CheckContext& context);
CheckResult bucklingCheck(const CheckContext& context);

// Every check in the order the record, the copy, the section choice and the window of all
// checks show them. Adding a check is its file, its declaration above and one entry here.
using CheckFunction = CheckResult (*)(const CheckContext&);
inline constexpr std::array kChecks{
    &bendingStressCheck, &deflectionCheck, &shearCheck, &combinedStressCheck, &bucklingCheck,
};

// Every check of the list for one calculation.
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
};

// The groups that have a section of their own on the record, in its order; the verdict's own
// checks stand on the first pages.
std::vector<CheckGroupText> recordGroups(const CheckContext& context);

} // namespace ipb
