#include "check_list.h"
#include "eurocode_design.h"
#include "number_text.h"
#include "worksheet.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ipb {

// Bending where the shear is high (6.2.8): above half the plastic shear resistance the web
// carries less moment, by ρ on its area. Scanned along the span at k·l/1000 and on both sides
// of the point load, where the shear steps.
CheckResult ec3BendingShearCheck(const CheckContext& c) {
    const DesignBasis b = designBasis(c);
    const SectionDimensions& d = c.section.dimensions;
    const bool point = hasPointLoad(c.values.input);
    const BeamModel& beam = b.beam;
    Guard g;
    WorkedSteps steps;
    Worksheet w(c.withSteps ? &steps : nullptr);
    CheckResult out =
        designCheck("ec3-bending-shear", "Biegung und Querkraft", "Biegung und Querkraft (6.2.8)");
    const Quantity Q = Quantity::Design;

    const double McRd = g.value(b.Wpl * b.fy / (kGammaM0 * 1000));
    const double VplRd = g.value(b.Av * 100 * b.fy / (std::sqrt(3.0) * kGammaM0) / 1000);
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
    struct Place {
        double x, M, V;
        bool right;
    };
    std::vector<Place> places;
    places.reserve(1003);
    bool loadPlaced = !point;
    double largestShear = 0;
    for (int k = 0; k <= 1000; ++k) {
        const double x = k * beam.l / 1000;
        if (!loadPlaced && x > beam.la) {
            const double M = bendingMoment(beam, beam.la);
            places.push_back({beam.la, M, shearForce(beam, beam.la), false});
            places.push_back({beam.la, M, shearForce(beam, beam.la, true), true});
            loadPlaced = true;
        }
        places.push_back({x, bendingMoment(beam, x), shearForce(beam, x), point && x > beam.la});
    }
    for (const Place& p : places) {
        largestShear = std::max(largestShear, std::abs(p.V));
    }
    if (!g.ok) {
        return out;
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
    const auto ratio = [&](const Place& p) { return p.M / resistance(p.V, nullptr); };
    double largest = 0;
    for (const Place& p : places) {
        largest = std::max(largest, ratio(p));
    }
    // The first place that reaches it; mirror images of a symmetric beam differ in the last bits.
    const Place* governing = &places.front();
    for (const Place& p : places) {
        if (ratio(p) >= largest * (1 - 1e-12)) {
            governing = &p;
            break;
        }
    }
    const Place& p = *governing;
    const double x = p.x;
    w.step(Q, "V,pl,Rd", "{A,v}·100·{fy}/(√3·{γM0})/1000", "kN", VplRd, [&] {
        return Operands{{{"A,v", b.Av}, {"fy", b.fy}, {"γM0", kGammaM0}}};
    });
    w.step(Q, "M,c,Rd", "{W,pl}·{fy}/({γM0}·1000)", "kNm", McRd, [&] {
        return Operands{{{"W,pl", b.Wpl}, {"fy", b.fy}, {"γM0", kGammaM0}}};
    });
    const double MEd = w.step(Q, "M,Ed", designMomentFormula(point, p.right), "kNm", p.M,
                              [&] { return designLineOperands(b, x); });
    const double VEd = w.step(Q, "V,Ed", designShearFormula(point, p.right, p.V < 0), "kN",
                              std::abs(p.V), [&] { return designLineOperands(b, x); });
    double rho = 0;
    const double MVRd = resistance(p.V, &rho);
    const bool reduced = VEd > 0.5 * VplRd;
    if (reduced) {
        w.step(Q, "ρ", "(2·{V,Ed}/{V,pl,Rd} − 1)²", "", rho, [&] {
            return Operands{{{"V,Ed", VEd}, {"V,pl,Rd", VplRd}}};
        });
        w.step(Q, "M,V,Rd", "min({M,c,Rd}, ({W,pl} − {ρ}·{A,w}²/(4·{tw}/10))·{fy}/({γM0}·1000))",
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
        w.step(Q, "M,V,Rd", "{M,c,Rd}", "kNm", MVRd, [&] { return Operands{{{"M,c,Rd", McRd}}}; });
    }
    const double utilisation = w.step(Q, "Ausnutzung Biegung und Querkraft", "{M,Ed}/{M,V,Rd}·100",
                                      "%", g.value(g.divide(MEd, MVRd) * 100), [&] {
                                          return Operands{{{"M,Ed", MEd}, {"M,V,Rd", MVRd}}};
                                      });
    out.remark = "Gesucht an den Stellen k·l/1000 (k von 0 bis 1000)" +
                 std::string(point ? " und beidseits der Punktlast" : "") +
                 "; wo |V,Ed| > 0,5·V,pl,Rd, ist M,V,Rd mit ρ abgemindert. Maßgebend: x = " +
                 germanNumber(x) + " m" +
                 (point && x == beam.la
                      ? p.right ? ", rechts neben der Punktlast" : ", links neben der Punktlast"
                      : "") +
                 (reduced ? "." : ", |V,Ed| ≤ 0,5·V,pl,Rd, also M,V,Rd = M,c,Rd.");
    out.steps = std::move(steps);
    if (!g.ok) {
        return out;
    }
    settleDesignCheck(out, MEd <= MVRd, utilisation,
                      "Ausnutzung " + percentText(utilisation) + " bei x = " + germanFixed(x, 3) +
                          " m (M,Ed = " + germanFixed(MEd, 2) +
                          " kNm, M,V,Rd = " + germanFixed(MVRd, 2) + " kNm)",
                      "Biegung und Querkraft nach DIN EN 1993-1-1 nicht erfüllt: M,Ed = " +
                          germanFixed(MEd, 2) + " kNm > M,V,Rd = " + germanFixed(MVRd, 2) +
                          " kNm bei x = " + germanFixed(x, 3) + " m.");
    return out;
}

} // namespace ipb
