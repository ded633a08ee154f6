#include "check_basis.h"
#include "check_list.h"
#include "check_statement.h"
#include "number_text.h"
#include "worksheet.h"

#include <algorithm>

namespace ipb {

// The larger design support force against the plastic shear resistance of the shear area
// (6.2.6); a web as stocky as every rolled IPB needs no check of shear buckling.
CheckResult ec3ShearCheck(const CheckContext& c) {
    const DesignBasis& b = c.basis.design;
    const SectionDimensions& d = c.section.dimensions;
    Guard g;
    CheckResult out = designCheck("ec3-shear", "Querkraft", "Querkraft (6.2.6)");
    Worksheet w(out.steps);

    const double VEd = w.step("V,Ed", "max({A,Ed}, {B,Ed})", "kN", std::max(b.AEd, b.BEd), [&] {
        return Operands{{{"A,Ed", b.AEd}, {"B,Ed", b.BEd}}};
    });
    const double x = b.AEd >= b.BEd ? 0 : b.beam.l;
    const double VplRd = w.written(b.VplRd.step);
    const double ratio = w.step("h,w/tw", "{h,w}/{tw}", "", g.divide(b.hw, d.tw), [&] {
        return Operands{{{"h,w", b.hw}, {"tw", d.tw}}};
    });
    const double limit = w.step("72·ε/η", "72·{ε}/{η}", "", 72 * b.epsilon / kEta, [&] {
        return Operands{{{"ε", b.epsilon}, {"η", kEta}}};
    });
    const double utilisation = w.step("Ausnutzung Querkraft", "{V,Ed}/{V,pl,Rd}·100", "%",
                                      g.value(g.divide(VEd, VplRd) * 100), [&] {
                                          return Operands{{{"V,Ed", VEd}, {"V,pl,Rd", VplRd}}};
                                      });
    out.remark = ratio <= limit
                     ? "Schubbeulen ist nicht nachzuweisen: h,w/tw = " + germanNumber(ratio) +
                           " ≤ 72·ε/η = " + germanNumber(limit) + "."
                     : "h,w/tw = " + germanNumber(ratio) + " > 72·ε/η = " + germanNumber(limit) +
                           ": Schubbeulen (DIN EN 1993-1-5) nicht untersucht.";
    if (!g.ok) {
        return out;
    }
    const Comparison shear{"V,Ed", VEd, "V,pl,Rd", VplRd, "kN"};
    settleCheck(out, shear, utilisation,
                "Querkraft: " + shear.valueText() + " bei x = " + germanFixed(x, 3) + " m, " +
                    shear.limitText() + ", Ausnutzung " + percentText(utilisation),
                {"", "nach DIN EN 1993-1-1", "", ""});
    return out;
}

} // namespace ipb
