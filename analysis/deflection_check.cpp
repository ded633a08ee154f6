#include "beam_lines.h"
#include "check_list.h"
#include "number_text.h"

#include <cmath>

namespace ipb {

CheckResult deflectionCheck(const CheckContext& c) {
    const BeamResult& r = c.values.result;
    CheckResult out = namedCheck("deflection", CheckGroup::Verdict, "Durchbiegung");
    out.state = r.fmax > r.fzul ? CheckState::Fails : CheckState::Holds;
    if (const double percent = 100 * r.fmax / r.fzul; std::isfinite(percent)) {
        out.utilisation = percent;
    }
    out.comparisonColumn = "Ausnutzung f";
    out.figureColumn = "Durchbiegung [mm]";
    out.figure = deflectionText(r.fmax, c.decimalSeparator);
    return out;
}

} // namespace ipb
