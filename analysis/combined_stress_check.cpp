#include "beam_lines.h"
#include "check_list.h"
#include "number_text.h"
#include "worksheet.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ipb {
namespace {

// The largest combined stress where web meets flange, scanned along the span, and what the
// record writes down about its place.
struct CombinedPeak {
    double value = 0; // N/mm²
    double x = 0;
    double M = 0; // kNm
    double V = 0; // kN, signed
    bool rightOfLoad = false;
};

CombinedPeak combinedPeak(const BeamModel& beam, bool pointLoad, double momentFactor,
                          double shearFactor) {
    // σ,v² for each place: x = k·l/1000 and, under a point load, just left and just right of it.
    struct Place {
        double x, M, V;
        bool right;
    };
    std::array<Place, 1003> places;
    std::size_t n = 0;
    const double l = beam.l, la = beam.la;
    bool loadPlaced = !pointLoad;
    for (int k = 0; k <= 1000; ++k) {
        const double x = k * l / 1000;
        if (!loadPlaced && x > la) {
            const double M = bendingMoment(beam, la);
            places[n++] = {la, M, shearForce(beam, la), false};
            places[n++] = {la, M, shearForce(beam, la, true), true};
            loadPlaced = true;
        }
        places[n++] = {x, bendingMoment(beam, x), shearForce(beam, x), pointLoad && x > la};
    }
    const auto squared = [&](const Place& p) {
        const double s = p.M * momentFactor, t = p.V * shearFactor;
        return s * s + 3 * t * t;
    };
    double largest = 0;
    for (std::size_t i = 0; i < n; ++i) {
        largest = std::max(largest, squared(places[i]));
    }
    // The first place that reaches it; mirror images of a symmetric beam differ in the last bits.
    for (std::size_t i = 0; i < n; ++i) {
        if (squared(places[i]) >= largest * (1 - 1e-12)) {
            const Place& p = places[i];
            return {std::sqrt(squared(p)), p.x, p.M, p.V, p.right};
        }
    }
    return {};
}

} // namespace

// The bending stress where web meets flange and the shear stress of the flange's first moment,
// where their combination peaks along the span, against zul. σ.
CheckResult combinedStressCheck(const CheckContext& c) {
    const BeamResult& r = c.values.result;
    const SectionDimensions& d = c.section.dimensions;
    const BeamModel& beam = c.beam;
    const bool pointLoad = hasPointLoad(c.values.input);
    const double Ix = c.values.section.Ix;
    const double l = beam.l, q = beam.q, F = beam.F, la = beam.la, lb = beam.lb;
    Guard g;
    WorkedSteps steps;
    Worksheet w(c.withSteps ? &steps : nullptr);
    CheckResult out = namedCheck(
        "combined-stress", CheckGroup::Further, "Vergleichsspannung",
        "Vergleichsspannung am Übergang von Steg und Flansch, h/2 − tf über dem Schwerpunkt");
    out.comparisonColumn = "Ausnutzung τ, σv";

    // Combined stress where web meets flange: the bending stress there and the shear stress of
    // the flange's first moment, where their combination peaks along the span.
    const double y = d.h / 2 - d.tf;                        // mm from the centre
    const double Sf = d.b * d.tf * (d.h - d.tf) / 2 / 1000; // cm³
    const double momentFactor = y / Ix * 100;               // kNm to N/mm²
    const double shearFactor = Sf / (Ix * d.tw) * 100;      // kN to N/mm²
    const CombinedPeak peak = combinedPeak(beam, pointLoad, momentFactor, shearFactor);
    const double x = peak.x;
    const std::string_view momentFormula = !pointLoad ? "{q}·{x}·({l} − {x})/2"
                                           : peak.rightOfLoad
                                               ? "{q}·{x}·({l} − {x})/2 + {F}·{la}·({l} − {x})/{l}"
                                               : "{q}·{x}·({l} − {x})/2 + {F}·{lb}·{x}/{l}";
    const double M = w.step(Quantity::PlaceMoment, "M", momentFormula, "kNm", g.value(peak.M), [&] {
        return Operands{{{"q", q}, {"x", x}, {"l", l}, {"F", F}, {"la", la}, {"lb", lb}}};
    });
    // The shear's size only: a negative shear is written with its terms turned round.
    const bool negative = peak.V < 0;
    const std::string_view shearFormula =
        !pointLoad ? (negative ? "{q}·({x} − {l}/2)" : "{q}·({l}/2 − {x})")
        : peak.rightOfLoad
            ? (negative ? "{q}·({x} − {l}/2) + {F}·{la}/{l}" : "{q}·({l}/2 − {x}) − {F}·{la}/{l}")
            : (negative ? "{q}·({x} − {l}/2) − {F}·{lb}/{l}" : "{q}·({l}/2 − {x}) + {F}·{lb}/{l}");
    const double V =
        w.step(Quantity::PlaceShear, "V", shearFormula, "kN", g.value(std::abs(peak.V)), [&] {
            return Operands{{{"q", q}, {"x", x}, {"l", l}, {"F", F}, {"la", la}, {"lb", lb}}};
        });
    const double sigma1 =
        w.step(Quantity::FlangeStress, "σ1", "{M}·({h}/2 − {tf})/{Ix}·100", "N/mm²",
               g.value(M * momentFactor), [&] {
                   return Operands{{{"M", M}, {"h", d.h}, {"tf", d.tf}, {"Ix", Ix}}};
               });
    w.step(Quantity::FlangeFirstMoment, "Sf", "{b}·{tf}·({h} − {tf})/2/1000", "cm³", Sf, [&] {
        return Operands{{{"b", d.b}, {"tf", d.tf}, {"h", d.h}}};
    });
    const double tau1 =
        w.step(Quantity::FlangeShearStress, "τ1", "{V}·{Sf}/({Ix}·{tw})·100", "N/mm²",
               g.value(V * shearFactor), [&] {
                   return Operands{{{"V", V}, {"Sf", Sf}, {"Ix", Ix}, {"tw", d.tw}}};
               });
    const double sigmaV = w.step(Quantity::CombinedStress, "σ,v", "√({σ1}² + 3·{τ1}²)", "N/mm²",
                                 g.value(peak.value), [&] {
                                     return Operands{{{"σ1", sigma1}, {"τ1", tau1}}};
                                 });
    const double utilisation =
        w.step(Quantity::CombinedUtilisation, "Ausnutzung σ,v", "{σ,v}/{zul. σ}·100", "%",
               g.value(g.divide(sigmaV, r.sigzul) * 100), [&] {
                   return Operands{{{"σ,v", sigmaV}, {"zul. σ", r.sigzul}}};
               });

    out.steps = std::move(steps);
    if (!g.ok) {
        return out;
    }
    out.state = sigmaV <= r.sigzul ? CheckState::Holds : CheckState::Fails;
    out.utilisation = utilisation;
    out.remark = "Stelle der größten Vergleichsspannung, gesucht an den Stellen k·l/1000 "
                 "(k von 0 bis 1000)" +
                 std::string(pointLoad ? " und beidseits der Punktlast" : "") + ": x " +
                 germanNumber(x) + " m" +
                 (x == la && pointLoad ? peak.rightOfLoad ? ", rechts neben der Punktlast"
                                                          : ", links neben der Punktlast"
                                       : "") +
                 ".";
    const std::string sigzul = germanFixed(r.sigzul, 3);
    out.summary = "σ,v = " + germanFixed(sigmaV, 3) + " N/mm² bei x = " + germanFixed(x, 3) +
                  " m (zul. σ = " + sigzul + " N/mm², Ausnutzung " + percentText(utilisation) + ")";
    if (out.fails()) {
        out.note = "Vergleichsspannung nicht erfüllt: σ,v = " + germanFixed(sigmaV, 3) +
                   " N/mm² > zul. σ = " + sigzul + " N/mm².";
    }
    out.copy = CheckFigure{"Vergleichsspannung σ,v", germanFixed(sigmaV, 3), "N/mm²"};
    return out;
}

} // namespace ipb
