#include "check_basis.h"
#include "check_list.h"
#include "check_statement.h"
#include "number_text.h"
#include "worksheet.h"

namespace ipb {

// The largest design moment against the plastic moment of a class 1 section (6.2.5).
CheckResult ec3BendingCheck(const CheckContext& c) {
    const DesignBasis& b = c.basis.design;
    const bool point = hasPointLoad(c.values.input);
    Guard g;
    CheckResult out = designCheck("ec3-bending", "Biegung", "Biegung (6.2.5)");
    Worksheet w(out.steps);

    const double x = b.moment.x;
    const double MEd = w.step("M,Ed", designMomentFormula(point, point && x > b.beam.la), "kNm",
                              g.value(b.moment.value), [&] { return designLineOperands(b, x); });
    const double McRd = w.written(b.McRd.step);
    const double utilisation = w.step("Ausnutzung Biegung", "{M,Ed}/{M,c,Rd}·100", "%",
                                      g.value(g.divide(MEd, McRd) * 100), [&] {
                                          return Operands{{{"M,Ed", MEd}, {"M,c,Rd", McRd}}};
                                      });
    out.remark = std::string("M,Ed: das größte Bemessungsmoment unter ") +
                 (point ? "q,Ed und F,Ed" : "q,Ed") +
                 ", an der Stelle x, an der "
                 "die Querkraft das Vorzeichen wechselt; Querschnittsklasse 1, also plastisch.";
    if (!g.ok) {
        return out;
    }
    const Comparison moment{"M,Ed", MEd, "M,c,Rd", McRd, "kNm"};
    settleCheck(out, moment, utilisation,
                "Biegung: " + moment.valueText() + " bei x = " + germanFixed(x, 3) + " m, " +
                    moment.limitText() + ", Ausnutzung " + percentText(utilisation),
                {"", "nach DIN EN 1993-1-1", "", ""});
    return out;
}

} // namespace ipb
