#include "check_basis.h"
#include "check_list.h"
#include "check_statement.h"
#include "number_text.h"
#include "worksheet.h"

#include <algorithm>
#include <cmath>

namespace ipb {

// Bending where the shear is high (6.2.8): above half the plastic shear resistance the web
// carries less moment, by ρ on its area. Scanned along the span at k·l/1000 and on both sides
// of the point load, where the shear steps.
CheckResult ec3BendingShearCheck(const CheckContext& c) {
    const DesignBasis& b = c.basis.design;
    const SectionDimensions& d = c.section.dimensions;
    const bool point = hasPointLoad(c.values.input);
    Guard g;
    CheckResult out =
        designCheck("ec3-bending-shear", "Biegung und Querkraft", "Biegung und Querkraft (6.2.8)");
    Worksheet w(out.steps);

    const double McRd = b.McRd.value;
    const double VplRd = b.VplRd.value;
    const auto resistance = [&](double V, double* rho) {
        if (std::abs(V) <= 0.5 * VplRd) {
            return McRd;
        }
        const double r = (2 * std::abs(V) / VplRd - 1) * (2 * std::abs(V) / VplRd - 1);
        if (rho) {
            *rho = r;
        }
        return std::min(McRd,
                        (b.Wpl - r * b.Aw * b.Aw / (4 * d.tw / 10)) * b.fy / (kGammaM0 * 1000));
    };
    double largestShear = 0;
    for (const SpanPlace& p : b.places) {
        largestShear = std::max(largestShear, std::abs(p.V));
    }
    // Beyond V,pl,Rd the web cannot carry the shear at all: the rule has no moment to give.
    if (largestShear > VplRd) {
        wordDesignCheck(out, CheckState::NotComputable, "V,Ed > V,pl,Rd");
        out.noFigure = "V,Ed > V,pl,Rd";
        out.remark = "Die Querkraft übersteigt V,pl,Rd = " + germanNumber(VplRd) +
                     " kN: die Interaktion ist nicht definiert.";
        out.note = "Biegung und Querkraft nach DIN EN 1993-1-1 nicht nachweisbar: V,Ed = " +
                   germanFixed(largestShear, 2) + " kN > V,pl,Rd = " + germanFixed(VplRd, 2) +
                   " kN.";
        return out;
    }
    const SpanPlace* governing = governingPlace(
        b.places, [&](const SpanPlace& p) { return p.M / resistance(p.V, nullptr); });
    const SpanPlace& p = governing ? *governing : b.places.front();
    const double x = p.x;
    w.written(b.VplRd.step);
    w.written(b.McRd.step);
    const double MEd = w.step("M,Ed", designMomentFormula(point, p.rightOfLoad), "kNm", p.M,
                              [&] { return designLineOperands(b, x); });
    const double VEd = w.step("V,Ed", designShearFormula(point, p.rightOfLoad, p.V < 0), "kN",
                              std::abs(p.V), [&] { return designLineOperands(b, x); });
    double rho = 0;
    const double MVRd = resistance(p.V, &rho);
    const bool reduced = VEd > 0.5 * VplRd;
    if (reduced) {
        w.step("ρ", "(2·{V,Ed}/{V,pl,Rd} − 1)²", "", rho, [&] {
            return Operands{
                {{"V,Ed", VEd, OperandKind::Precise}, {"V,pl,Rd", VplRd, OperandKind::Precise}}};
        });
        w.step("M,V,Rd", "min({M,c,Rd}, ({W,pl} − {ρ}·{A,w}²/(4·{tw}/10))·{fy}/({γM0}·1000))",
               "kNm", MVRd, [&] {
                   return Operands{{{"M,c,Rd", McRd},
                                    {"W,pl", b.Wpl},
                                    {"ρ", rho},
                                    {"A,w", b.Aw},
                                    {"tw", d.tw},
                                    {"fy", b.fy},
                                    {"γM0", kGammaM0}}};
               });
    } else {
        w.step("M,V,Rd", "{M,c,Rd}", "kNm", MVRd, [&] { return Operands{{{"M,c,Rd", McRd}}}; });
    }
    const double utilisation = w.step("Ausnutzung Biegung und Querkraft", "{M,Ed}/{M,V,Rd}·100",
                                      "%", g.value(g.divide(MEd, MVRd) * 100), [&] {
                                          return Operands{{{"M,Ed", MEd}, {"M,V,Rd", MVRd}}};
                                      });
    out.remark = "Gesucht an den Stellen k·l/1000 (k von 0 bis 1000)" +
                 std::string(point ? " und beidseits der Punktlast" : "") +
                 "; wo |V,Ed| > 0,5·V,pl,Rd, ist M,V,Rd mit ρ abgemindert. Maßgebend: x = " +
                 germanNumber(x) + " m" +
                 (point && x == b.beam.la ? p.rightOfLoad ? ", rechts neben der Punktlast"
                                                          : ", links neben der Punktlast"
                                          : "") +
                 (reduced ? "." : ", |V,Ed| ≤ 0,5·V,pl,Rd, also M,V,Rd = M,c,Rd.");
    if (!g.ok) {
        return out;
    }
    const Comparison moment{"M,Ed", MEd, "M,V,Rd", MVRd, "kNm"};
    const std::string place = " bei x = " + germanFixed(x, 3) + " m";
    settleCheck(out, moment, utilisation,
                "Biegung und Querkraft: Ausnutzung " + percentText(utilisation) + place + " (" +
                    moment.valueText() + ", " + moment.limitText() + ")",
                {"", "nach DIN EN 1993-1-1", "", place});
    return out;
}

} // namespace ipb
