#include "check_basis.h"
#include "check_list.h"
#include "check_statement.h"
#include "number_text.h"
#include "worksheet.h"

#include <cmath>

namespace ipb {

// The bending stress where web meets flange and the shear stress of the flange's first moment,
// where their combination peaks along the span, against zul. σ.
CheckResult combinedStressCheck(const CheckContext& c) {
    const BeamResult& r = c.values.result;
    const SectionDimensions& d = c.section.dimensions;
    const BeamModel& beam = c.basis.beam;
    const bool pointLoad = hasPointLoad(c.values.input);
    const double Ix = c.values.section.Ix;
    const double l = beam.l, q = beam.q, F = beam.F, la = beam.la, lb = beam.lb;
    Guard g;
    CheckResult out = namedCheck(
        "combined-stress", CheckGroup::Further, "Vergleichsspannung",
        "Vergleichsspannung am Übergang von Steg und Flansch, h/2 − tf über dem Schwerpunkt");
    out.comparisonColumn = "Ausnutzung τ, σv";
    Worksheet w(out.steps);

    const double y = d.h / 2 - d.tf;                        // mm from the centre
    const double Sf = d.b * d.tf * (d.h - d.tf) / 2 / 1000; // cm³
    const double momentFactor = y / Ix * 100;               // kNm to N/mm²
    const double shearFactor = Sf / (Ix * d.tw) * 100;      // kN to N/mm²
    const auto squared = [&](const SpanPlace& p) {
        const double s = p.M * momentFactor, t = p.V * shearFactor;
        return s * s + 3 * t * t;
    };
    const SpanPlace* governing = governingPlace(c.basis.places, squared);
    const SpanPlace peak = governing ? *governing : SpanPlace{};
    const double x = peak.x;
    const std::string_view momentFormula = !pointLoad ? "{q}·{x}·({l} − {x})/2"
                                           : peak.rightOfLoad
                                               ? "{q}·{x}·({l} − {x})/2 + {F}·{la}·({l} − {x})/{l}"
                                               : "{q}·{x}·({l} − {x})/2 + {F}·{lb}·{x}/{l}";
    const double M = w.step("M", momentFormula, "kNm", g.value(peak.M), [&] {
        return Operands{{{"q", q}, {"x", x}, {"l", l}, {"F", F}, {"la", la}, {"lb", lb}}};
    });
    // The shear's size only: a negative shear is written with its terms turned round.
    const bool negative = peak.V < 0;
    const std::string_view shearFormula =
        !pointLoad ? (negative ? "{q}·({x} − {l}/2)" : "{q}·({l}/2 − {x})")
        : peak.rightOfLoad
            ? (negative ? "{q}·({x} − {l}/2) + {F}·{la}/{l}" : "{q}·({l}/2 − {x}) − {F}·{la}/{l}")
            : (negative ? "{q}·({x} − {l}/2) − {F}·{lb}/{l}" : "{q}·({l}/2 − {x}) + {F}·{lb}/{l}");
    const double V = w.step("V", shearFormula, "kN", g.value(std::abs(peak.V)), [&] {
        return Operands{{{"q", q}, {"x", x}, {"l", l}, {"F", F}, {"la", la}, {"lb", lb}}};
    });
    const double sigma1 =
        w.step("σ1", "{M}·({h}/2 − {tf})/{Ix}·100", "N/mm²", g.value(M * momentFactor), [&] {
            return Operands{{{"M", M}, {"h", d.h}, {"tf", d.tf}, {"Ix", Ix}}};
        });
    w.step("Sf", "{b}·{tf}·({h} − {tf})/2/1000", "cm³", Sf, [&] {
        return Operands{{{"b", d.b}, {"tf", d.tf}, {"h", d.h}}};
    });
    const double tau1 =
        w.step("τ1", "{V}·{Sf}/({Ix}·{tw})·100", "N/mm²", g.value(V * shearFactor), [&] {
            return Operands{{{"V", V}, {"Sf", Sf}, {"Ix", Ix}, {"tw", d.tw}}};
        });
    const double sigmaV =
        w.step("σ,v", "√({σ1}² + 3·{τ1}²)", "N/mm²", g.value(std::sqrt(squared(peak))), [&] {
            return Operands{{{"σ1", sigma1}, {"τ1", tau1}}};
        });
    const double utilisation = w.step("Ausnutzung σ,v", "{σ,v}/{zul. σ}·100", "%",
                                      g.value(g.divide(sigmaV, r.sigzul) * 100), [&] {
                                          return Operands{{{"σ,v", sigmaV}, {"zul. σ", r.sigzul}}};
                                      });
    if (!g.ok) {
        return out;
    }
    out.remark = "Stelle der größten Vergleichsspannung, gesucht an den Stellen k·l/1000 "
                 "(k von 0 bis 1000)" +
                 std::string(pointLoad ? " und beidseits der Punktlast" : "") + ": x " +
                 germanNumber(x) + " m" +
                 (x == la && pointLoad ? peak.rightOfLoad ? ", rechts neben der Punktlast"
                                                          : ", links neben der Punktlast"
                                       : "") +
                 ".";
    const Comparison stress{"σ,v", sigmaV, "zul. σ", r.sigzul, "N/mm²", 3};
    settleCheck(out, stress, utilisation,
                stress.valueText() + " bei x = " + germanFixed(x, 3) + " m (" + stress.limitText() +
                    ", Ausnutzung " + percentText(utilisation) + ")",
                {});
    out.copy = CheckFigure{"Vergleichsspannung σ,v", germanFixed(sigmaV, 3), "N/mm²"};
    return out;
}

} // namespace ipb
