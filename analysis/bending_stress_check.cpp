#include "beam_lines.h"
#include "check_list.h"
#include "number_text.h"

#include <cmath>

namespace ipb {

CheckResult bendingStressCheck(const CheckContext& c) {
    const BeamResult& r = c.values.result;
    CheckResult out = namedCheck("bending-stress", CheckGroup::Verdict, "Biegespannung");
    out.state = r.sigmax > r.sigzul ? CheckState::Fails : CheckState::Holds;
    if (const double percent = 100 * r.sigmax / r.sigzul; std::isfinite(percent)) {
        out.utilisation = percent;
    }
    out.comparisonColumn = "Ausnutzung σ";
    out.figureColumn = "Biegespannung [N/mm²]";
    out.figure = stressText(r.sigmax, c.decimalSeparator);
    return out;
}

} // namespace ipb
