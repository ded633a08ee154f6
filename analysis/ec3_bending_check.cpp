#include "check_list.h"
#include "eurocode_design.h"
#include "number_text.h"
#include "worksheet.h"

namespace ipb {

// The largest design moment against the plastic moment of a class 1 section (6.2.5).
CheckResult ec3BendingCheck(const CheckContext& c) {
    const DesignBasis b = designBasis(c);
    const bool point = hasPointLoad(c.values.input);
    Guard g;
    WorkedSteps steps;
    Worksheet w(c.withSteps ? &steps : nullptr);
    CheckResult out = designCheck("ec3-bending", "Biegung", "Biegung (6.2.5)");
    const Quantity Q = Quantity::Design;

    const Maximum peak = maximumMoment(b.beam);
    const double x = peak.x;
    const double MEd = w.step(Q, "M,Ed", designMomentFormula(point, point && x > b.beam.la), "kNm",
                              g.value(peak.value), [&] { return designLineOperands(b, x); });
    const double McRd =
        w.step(Q, "M,c,Rd", "{W,pl}·{fy}/({γM0}·1000)", "kNm",
               g.value(b.Wpl * b.fy / (kGammaM0 * 1000)), [&] {
                   return Operands{{{"W,pl", b.Wpl}, {"fy", b.fy}, {"γM0", kGammaM0}}};
               });
    const double utilisation = w.step(Q, "Ausnutzung Biegung", "{M,Ed}/{M,c,Rd}·100", "%",
                                      g.value(g.divide(MEd, McRd) * 100), [&] {
                                          return Operands{{{"M,Ed", MEd}, {"M,c,Rd", McRd}}};
                                      });
    out.remark = "M,Ed: das größte Bemessungsmoment unter q,Ed und F,Ed, an der Stelle x, an der "
                 "die Querkraft das Vorzeichen wechselt; Querschnittsklasse 1, also plastisch.";
    out.steps = std::move(steps);
    if (!g.ok) {
        return out;
    }
    settleDesignCheck(out, MEd <= McRd, utilisation,
                      "M,Ed = " + germanFixed(MEd, 2) + " kNm bei x = " + germanFixed(x, 3) +
                          " m, M,c,Rd = " + germanFixed(McRd, 2) + " kNm, Ausnutzung " +
                          percentText(utilisation),
                      "Biegung nach DIN EN 1993-1-1 nicht erfüllt: M,Ed = " + germanFixed(MEd, 2) +
                          " kNm > M,c,Rd = " + germanFixed(McRd, 2) + " kNm.");
    return out;
}

} // namespace ipb
