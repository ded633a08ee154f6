#include "check_list.h"
#include "check_statement.h"
#include "number_text.h"

namespace ipb {

CheckResult deflectionCheck(const CheckContext& c) {
    const BeamResult& r = c.values.result;
    CheckResult out = limitCheck("deflection", "Durchbiegung", r.fmax, r.fzul);
    out.comparisonColumn = "Ausnutzung f";
    out.figureColumn = "Durchbiegung [mm]";
    out.figure = deflectionText(r.fmax, c.decimalSeparator);
    return out;
}

} // namespace ipb
