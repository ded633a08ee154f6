#include "check_basis.h"
#include "check_list.h"
#include "check_statement.h"
#include "critical_moment.h"
#include "number_text.h"
#include "worksheet.h"

#include <algorithm>
#include <cmath>

namespace ipb {

// Lateral-torsional buckling of a top flange that nothing holds sideways: the critical factor
// on the loads as they stand, at the height the design data give, times the largest moment they
// cause; then the reduction of buckling curve a on the allowable stress.
CheckResult bucklingCheck(const CheckContext& c) {
    const BeamResult& r = c.values.result;
    const SectionDimensions& d = c.section.dimensions;
    const BeamModel& beam = c.basis.beam;
    const double Wx = c.values.section.Wx;
    Guard g;
    CheckResult out = namedCheck("buckling", CheckGroup::Further, "Kippen ohne seitliche Halterung",
                                 "Kippen (Biegedrillknicken), Obergurt nicht seitlich gehalten");
    const LoadHeightWords at = loadHeightWords(c.design.loadHeight);
    const bool point = hasPointLoad(c.values.input);
    out.remark = std::string("αcr: Faktor auf ") + (point ? "die Lasten q und F" : "die Last q") +
                 ", bei dem der Träger seitlich ausweicht und "
                 "sich verdreht, nach der Energiemethode (Sinusreihen für Verschiebung und "
                 "Verdrehung, Lasten " +
                 std::string(at.place) + (at.offset.empty() ? "" : " ") + std::string(at.offset) +
                 "); M,max: das größte Moment dieser Lasten. Knicklinie a (Walzprofil, h/b ≤ 2).";
    out.comparisonColumn = "Ausnutzung Kippen";
    // A slab or bracing that holds the top flange leaves nothing to buckle sideways.
    if (c.design.topFlangeHeld) {
        out.title = {};
        out.remark.clear();
        out.state = CheckState::DoesNotApply;
        out.summary = "Kippen: entfällt, Obergurt seitlich gehalten";
        out.copy = CheckFigure{"Kippen: χ,LT · zul. σ", "entfällt", ""};
        return out;
    }
    Worksheet w(out.steps);

    const double Iw = w.step("Iw", "{Iz}·(({h} − {tf})/10)²/4", "cm⁶", warpingConstant(d), [&] {
        return Operands{{{"Iz", d.Iz}, {"h", d.h}, {"tf", d.tf}}};
    });
    const double factor =
        criticalLoadFactor(beam, {d.Iz, d.It, Iw, loadHeightAbove(d, c.design.loadHeight)});
    if (!(factor > 0)) {
        return out;
    }
    const double Mmax = g.value(c.basis.exact.moment.value);
    const double Mcr = w.step("M,cr", "{αcr}·{M,max}", "kNm", g.value(factor * Mmax), [&] {
        return Operands{{{"αcr", factor}, {"M,max", Mmax}}};
    });
    const Operand strength{"R", kReferenceStrength, OperandKind::Constant};
    const double lambdaLT = w.step("λ,LT", "√({Wx}·{R}/({M,cr}·1000))", "",
                                   g.root(g.divide(Wx * kReferenceStrength, Mcr * 1000)), [&] {
                                       return Operands{{{"Wx", Wx}, strength, {"M,cr", Mcr}}};
                                   });
    const double lam = lambdaLT;
    const double phi = w.step("Φ", "0,5·(1 + 0,21·({λ,LT} − 0,2) + {λ,LT}²)", "",
                              g.value(0.5 * (1 + 0.21 * (lam - 0.2) + lam * lam)), [&] {
                                  return Operands{{{"λ,LT", lam}}};
                              });
    const double chiLT =
        w.step("χ,LT", "min(1, 1/({Φ} + √({Φ}² − {λ,LT}²)))", "",
               std::min(1.0, g.divide(1, phi + g.root(phi * phi - lam * lam))), [&] {
                   return Operands{{{"Φ", phi}, {"λ,LT", lam}}};
               });
    const double allowable =
        w.step("χ,LT · zul. σ", "{χ,LT}·{zul. σ}", "N/mm²", g.value(chiLT * r.sigzul), [&] {
            return Operands{{{"χ,LT", chiLT}, {"zul. σ", r.sigzul}}};
        });
    const double utilisation =
        w.step("Ausnutzung Kippen", "{σ}/({χ,LT}·{zul. σ})·100", "%",
               g.value(g.divide(r.sigmax, allowable) * 100), [&] {
                   return Operands{{{"σ", r.sigmax}, {"χ,LT", chiLT}, {"zul. σ", r.sigzul}}};
               });

    if (!g.ok) {
        return out;
    }
    const Comparison stress{"σ,max", r.sigmax, "χ,LT · zul. σ", allowable, "N/mm²", 3};
    settleCheck(out, stress, utilisation,
                "Kippen: M,cr = " + germanFixed(Mcr, 2) + " kNm, λ,LT = " +
                    germanFixed(lambdaLT, 3) + ", χ,LT = " + germanFixed(chiLT, 3) + " (" +
                    stress.limitText() + ", Ausnutzung " + percentText(utilisation) + ")",
                {"Kippen", "", ", falls der Obergurt nicht seitlich gehalten ist", ""});
    out.copy = CheckFigure{"Kippen: χ,LT · zul. σ", germanFixed(allowable, 3), "N/mm²"};
    return out;
}

} // namespace ipb
