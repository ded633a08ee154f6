#include "check_list.h"
#include "eurocode_design.h"
#include "number_text.h"
#include "worksheet.h"

#include <algorithm>
#include <cmath>

namespace ipb {

// The larger design support force against the plastic shear resistance of the shear area
// (6.2.6); a web as stocky as every rolled IPB needs no check of shear buckling.
CheckResult ec3ShearCheck(const CheckContext& c) {
    const DesignBasis b = designBasis(c);
    const SectionDimensions& d = c.section.dimensions;
    Guard g;
    WorkedSteps steps;
    Worksheet w(c.withSteps ? &steps : nullptr);
    CheckResult out = designCheck("ec3-shear", "Querkraft", "Querkraft (6.2.6)");
    const Quantity Q = Quantity::Design;

    const double VEd = w.step(Q, "V,Ed", "max({A,Ed}, {B,Ed})", "kN", std::max(b.AEd, b.BEd), [&] {
        return Operands{{{"A,Ed", b.AEd}, {"B,Ed", b.BEd}}};
    });
    const double x = b.AEd >= b.BEd ? 0 : b.beam.l;
    const double VplRd =
        w.step(Q, "V,pl,Rd", "{A,v}·100·{fy}/(√3·{γM0})/1000", "kN",
               g.value(b.Av * 100 * b.fy / (std::sqrt(3.0) * kGammaM0) / 1000), [&] {
                   return Operands{{{"A,v", b.Av}, {"fy", b.fy}, {"γM0", kGammaM0}}};
               });
    const double ratio = w.step(Q, "h,w/tw", "{h,w}/{tw}", "", g.divide(b.hw, d.tw), [&] {
        return Operands{{{"h,w", b.hw}, {"tw", d.tw}}};
    });
    const double limit = w.step(Q, "72·ε/η", "72·{ε}/{η}", "", 72 * b.epsilon / kEta, [&] {
        return Operands{{{"ε", b.epsilon}, {"η", kEta}}};
    });
    const double utilisation = w.step(Q, "Ausnutzung Querkraft", "{V,Ed}/{V,pl,Rd}·100", "%",
                                      g.value(g.divide(VEd, VplRd) * 100), [&] {
                                          return Operands{{{"V,Ed", VEd}, {"V,pl,Rd", VplRd}}};
                                      });
    out.remark = ratio <= limit
                     ? "Schubbeulen ist nicht nachzuweisen: h,w/tw = " + germanNumber(ratio) +
                           " ≤ 72·ε/η = " + germanNumber(limit) + "."
                     : "h,w/tw = " + germanNumber(ratio) + " > 72·ε/η = " + germanNumber(limit) +
                           ": Schubbeulen (DIN EN 1993-1-5) nicht untersucht.";
    out.steps = std::move(steps);
    if (!g.ok) {
        return out;
    }
    settleDesignCheck(
        out, VEd <= VplRd, utilisation,
        "V,Ed = " + germanFixed(VEd, 2) + " kN bei x = " + germanFixed(x, 3) + " m, V,pl,Rd = " +
            germanFixed(VplRd, 2) + " kN, Ausnutzung " + percentText(utilisation),
        "Querkraft nach DIN EN 1993-1-1 nicht erfüllt: V,Ed = " + germanFixed(VEd, 2) +
            " kN > V,pl,Rd = " + germanFixed(VplRd, 2) + " kN.");
    return out;
}

} // namespace ipb
