#include "check_list.h"
#include "check_statement.h"
#include "number_text.h"

namespace ipb {

CheckResult bendingStressCheck(const CheckContext& c) {
    const BeamResult& r = c.values.result;
    CheckResult out = limitCheck("bending-stress", "Biegespannung", r.sigmax, r.sigzul);
    out.comparisonColumn = "Ausnutzung σ";
    out.figureColumn = "Biegespannung [N/mm²]";
    out.figure = stressText(r.sigmax, c.decimalSeparator);
    return out;
}

} // namespace ipb
