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

} // namespace ipb
