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
// The design to DIN EN 1993-1-1 with the German National Annex: the resistances of the section
// under the factored loads, lateral-torsional buckling, the web's load introduction at the
// supports and under the point load (DIN EN 1993-1-5) with its interaction with the moment
// there, and the deflection under the characteristic loads. The checks under the point load have
// no place without one.
CheckResult ec3BendingCheck(const CheckContext& context);
CheckResult ec3ShearCheck(const CheckContext& context);
CheckResult ec3BendingShearCheck(const CheckContext& context);
CheckResult ec3BucklingCheck(const CheckContext& context);
CheckResult ec3BearingACheck(const CheckContext& context);
CheckResult ec3BearingBCheck(const CheckContext& context);
CheckResult ec3BearingFCheck(const CheckContext& context);
CheckResult ec3BearingBendingCheck(const CheckContext& context);
CheckResult ec3DeflectionCheck(const CheckContext& context);

// Every check in the order the record, the copy, the section choice and the window of all
// checks show them. Adding a check is its file, its declaration above and one entry here.
using CheckFunction = CheckResult (*)(const CheckContext&);
inline constexpr std::array kChecks{
    &bendingStressCheck,     &deflectionCheck,    &shearCheck,       &combinedStressCheck,
    &bucklingCheck,          &ec3BendingCheck,    &ec3ShearCheck,    &ec3BendingShearCheck,
    &ec3BucklingCheck,       &ec3BearingACheck,   &ec3BearingBCheck, &ec3BearingFCheck,
    &ec3BearingBendingCheck, &ec3DeflectionCheck,
};

// Every check of the list for one calculation. A check that has no place in the calculation's
// load case returns a result without an id, and the list leaves it out: nothing names it.
CheckResults runChecks(const CheckContext& context);

// What the record says around a group's checks: its heading, the data it rests on, what it
// assumes and leaves out, how it names its failing checks.
struct CheckGroupText {
    CheckGroup group = CheckGroup::Further;
    std::string heading;
    std::string method; // what page 1 says of the group among the method's lines; may be empty
    std::vector<std::string> preamble;
    std::vector<std::string> closing;
    // What the group took otherwise than it was given, said wherever its checks are shown:
    // page 1, its own section and the window of all checks.
    std::vector<std::string> notes;
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
