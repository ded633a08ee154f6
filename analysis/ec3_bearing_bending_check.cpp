#include "check_basis.h"
#include "check_list.h"
#include "check_statement.h"
#include "eurocode_design.h"
#include "number_text.h"
#include "worksheet.h"

namespace ipb {

// The web under the point load carries the load through the flange and, at the same place, the
// bending stress of the moment there (DIN EN 1993-1-5, 7.2): η2 + 0,8·η1 ≤ 1,4. η2 is the load
// introduction's own ratio, against the F,Rd worked out once for both checks; η1 the moment at
// the point load against the elastic moment of 1-5, 4.6, which is below the plastic one a class 1
// section would carry and so errs on the safe side.
CheckResult ec3BearingBendingCheck(const CheckContext& c) {
    if (!hasPointLoad(c.values.input)) {
        return {}; // no point load: the list leaves this check out
    }
    CheckResult out =
        designCheck("ec3-bearing-bending-f", "Querlast und Biegung unter F",
                    "Querlast und Biegung unter der Punktlast (DIN EN 1993-1-5, 7.2)");
    if (!c.basis.bearingF) {
        wordDesignCheck(out, CheckState::NotExamined);
        return out;
    }
    const DesignBasis& b = c.basis.design;
    const double FRd = c.basis.bearingF->FRd;
    Guard g;
    Worksheet w(out.steps);
    out.remark = "M,Ed an der Stelle der Punktlast, x = la; W,el: das elastische Widerstandsmoment "
                 "Wx der Profiltabelle (DIN EN 1993-1-5, 4.6), für den Querschnitt der Klasse 1 "
                 "auf der sicheren Seite; F,Rd aus der Lasteinleitung unter F.";

    const double x = b.beam.la;
    const double MEd =
        w.step("M,Ed", designMomentFormula(true, false), "kNm", g.value(bendingMoment(b.beam, x)),
               [&] { return designLineOperands(b, x); });
    const double Wel = c.values.section.Wx;
    w.step("W,el", "{Wx}", "cm³", Wel, [&] { return Operands{{{"Wx", Wel}}}; });
    const double eta1 =
        w.step("η1", "{M,Ed}/({W,el}·{fy}/({γM0}·1000))", "",
               g.divide(MEd, Wel * b.fy / (kGammaM0 * 1000)), [&] {
                   return Operands{{{"M,Ed", MEd}, {"W,el", Wel}, {"fy", b.fy}, {"γM0", kGammaM0}}};
               });
    const double eta2 = w.step("η2", "{F,Ed}/{F,Rd}", "", g.divide(b.FEd, FRd), [&] {
        return Operands{{{"F,Ed", b.FEd}, {"F,Rd", FRd}}};
    });
    const double sum =
        w.step("η2 + 0,8·η1", "{η2} + 0,8·{η1}", "", g.value(eta2 + 0.8 * eta1), [&] {
            return Operands{{{"η2", eta2}, {"η1", eta1}}};
        });
    constexpr double limit = 1.4;
    const double utilisation =
        w.step("Ausnutzung", "({η2} + 0,8·{η1})/1,4·100", "%", g.value(sum / limit * 100), [&] {
            return Operands{{{"η2", eta2}, {"η1", eta1}}};
        });
    if (!g.ok) {
        return out;
    }
    const Comparison interaction{"η2 + 0,8·η1", sum, {}, limit, {}, 3};
    settleCheck(out, interaction, utilisation,
                std::string(out.name) + ": η1 = " + germanFixed(eta1, 3) +
                    ", η2 = " + germanFixed(eta2, 3) + ", " + interaction.valueText() +
                    (interaction.holds() ? " ≤ " : " > ") + interaction.limitText() +
                    ", Ausnutzung " + percentText(utilisation),
                {"", "nach DIN EN 1993-1-5", "", ""});
    return out;
}

} // namespace ipb
