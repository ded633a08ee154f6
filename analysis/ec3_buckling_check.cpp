#include "check_basis.h"
#include "check_list.h"
#include "check_statement.h"
#include "critical_moment.h"
#include "eurocode_design.h"
#include "number_text.h"
#include "worksheet.h"

#include <cmath>

namespace ipb {

// Lateral-torsional buckling of a rolled section (6.3.2.3) whose top flange nothing holds
// sideways: fork supports, the design loads at the height the design data give (the top flange
// unless the engineer says otherwise). M,cr comes from the energy method on the design load
// pattern itself, so the moment's shape and the load height need no tabulated factors.
CheckResult ec3BucklingCheck(const CheckContext& c) {
    CheckResult out =
        designCheck("ec3-buckling", "Biegedrillknicken", "Biegedrillknicken (6.3.2.3)");
    if (c.design.topFlangeHeld) {
        wordDesignCheck(out, CheckState::DoesNotApply, "Obergurt seitlich gehalten");
        return out;
    }
    const DesignBasis& b = c.basis.design;
    const SectionDimensions& d = c.section.dimensions;
    Guard g;
    Worksheet w(out.steps);
    // Curve b for rolled I sections with h/b ≤ 2, which every IPB 100 to 600 has.
    constexpr double alphaLT = 0.34, lambda0 = kLambdaLT0, beta = kBetaLT;
    const LoadHeightWords at = loadHeightWords(c.design.loadHeight);
    out.remark = "Gabellagerung an beiden Auflagern, alle Bemessungslasten " +
                 std::string(at.place) +
                 (at.offset.empty() ? "" : " (" + std::string(at.offset) + ")") +
                 (hasPointLoad(c.values.input) ? ". αcr: Faktor auf q,Ed und F,Ed gemeinsam"
                                               : ". αcr: Faktor auf q,Ed") +
                 ", bei dem der Träger seitlich ausweicht "
                 "und sich verdreht, nach der Energiemethode mit E = 210000 N/mm² und G = 81000 "
                 "N/mm². Walzprofil mit h/b ≤ 2: Knicklinie b. Ohne Modifikation durch f (auf der "
                 "sicheren Seite).";

    const double Iw = w.step("Iw", "{Iz}·(({h} − {tf})/10)²/4", "cm⁶", warpingConstant(d), [&] {
        return Operands{{{"Iz", d.Iz}, {"h", d.h}, {"tf", d.tf}}};
    });
    const double factor =
        criticalLoadFactor(b.beam, {d.Iz, d.It, Iw, loadHeightAbove(d, c.design.loadHeight)}, true);
    if (!(factor > 0)) {
        return out;
    }
    const double MEd = g.value(b.moment.value);
    const double Mcr = w.step("M,cr", "{αcr}·{M,Ed}", "kNm", g.value(factor * MEd), [&] {
        return Operands{{{"αcr", factor}, {"M,Ed", MEd}}};
    });
    const double lam = w.step("λ,LT", "√({W,pl}·{fy}/({M,cr}·1000))", "",
                              g.root(g.divide(b.Wpl * b.fy, Mcr * 1000)), [&] {
                                  return Operands{{{"W,pl", b.Wpl}, {"fy", b.fy}, {"M,cr", Mcr}}};
                              });
    const BucklingReduction reduction = lateralTorsionalReduction(lam, alphaLT);
    const double phi = w.step(
        "Φ,LT", "0,5·(1 + {α,LT}·({λ,LT} − {λ,LT,0}) + {β}·{λ,LT}²)", "", g.value(reduction.phi),
        [&] {
            return Operands{{{"α,LT", alphaLT}, {"λ,LT", lam}, {"λ,LT,0", lambda0}, {"β", beta}}};
        });
    const double chi =
        w.step("χ,LT", "min(1, min(1/{λ,LT}², 1/({Φ,LT} + √({Φ,LT}² − {β}·{λ,LT}²))))", "",
               g.value(reduction.chi), [&] {
                   return Operands{{{"λ,LT", lam}, {"Φ,LT", phi}, {"β", beta}}};
               });
    const double MbRd = w.step(
        "M,b,Rd", "{χ,LT}·{W,pl}·{fy}/({γM1}·1000)", "kNm",
        g.value(chi * b.Wpl * b.fy / (kGammaM1 * 1000)), [&] {
            return Operands{{{"χ,LT", chi}, {"W,pl", b.Wpl}, {"fy", b.fy}, {"γM1", kGammaM1}}};
        });
    const double utilisation = w.step("Ausnutzung Biegedrillknicken", "{M,Ed}/{M,b,Rd}·100", "%",
                                      g.value(g.divide(MEd, MbRd) * 100), [&] {
                                          return Operands{{{"M,Ed", MEd}, {"M,b,Rd", MbRd}}};
                                      });
    if (!g.ok) {
        return out;
    }
    const Comparison moment{"M,Ed", MEd, "M,b,Rd", MbRd, "kNm"};
    settleCheck(
        out, moment, utilisation,
        "Biegedrillknicken: M,cr = " + germanFixed(Mcr, 2) + " kNm, λ,LT = " + germanFixed(lam, 3) +
            ", χ,LT = " + germanFixed(chi, 3) + ", " + moment.limitText() + ", Ausnutzung " +
            percentText(utilisation),
        {"", "nach DIN EN 1993-1-1", ", falls der Obergurt nicht seitlich gehalten ist", ""});
    return out;
}

} // namespace ipb
