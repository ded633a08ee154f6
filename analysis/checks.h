#pragma once

#include "check_result.h"

namespace ipb {

// Each engineering check, one function of the calculation each, in its own file. The list of
// checks (check_list.h) gives their order; nothing else names them.

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
// supports and under the point load (DIN EN 1993-1-5), and the deflection under the
// characteristic loads. The check under the point load has no place without one.
CheckResult ec3BendingCheck(const CheckContext& context);
CheckResult ec3ShearCheck(const CheckContext& context);
CheckResult ec3BendingShearCheck(const CheckContext& context);
CheckResult ec3BucklingCheck(const CheckContext& context);
CheckResult ec3BearingACheck(const CheckContext& context);
CheckResult ec3BearingBCheck(const CheckContext& context);
CheckResult ec3BearingFCheck(const CheckContext& context);
CheckResult ec3DeflectionCheck(const CheckContext& context);

} // namespace ipb
