#include "check_basis.h"
#include "check_list.h"
#include "check_statement.h"
#include "number_text.h"
#include "worksheet.h"

#include <algorithm>
#include <cmath>

namespace ipb {

// The larger support force over the web, the first moment of half the section about the centre
// giving the stress at the centre line, against zul. σ/√3.
CheckResult shearCheck(const CheckContext& c) {
    const BeamResult& r = c.values.result;
    const SectionDimensions& d = c.section.dimensions;
    const double Ix = c.values.section.Ix;
    Guard g;
    CheckResult out = namedCheck("shear", CheckGroup::Further, "Schub",
                                 "Schub im Steg, am Auflager mit der größeren Auflagerkraft");
    out.comparisonColumn = "Ausnutzung τ, σv";
    Worksheet w(out.steps);

    const double Vmax = w.step("V,max", "max({FA}, {FB})", "kN", std::max(r.FA, r.FB), [&] {
        return Operands{{{"FA", r.FA}, {"FB", r.FB}}};
    });
    const double place = r.FA >= r.FB ? 0 : c.basis.beam.l;
    const double tau =
        w.step("τ,max", "{V,max}·{Sx}/({Ix}·{tw})·100", "N/mm²",
               g.value(Vmax * d.Sx / (Ix * d.tw) * 100), [&] {
                   return Operands{{{"V,max", Vmax}, {"Sx", d.Sx}, {"Ix", Ix}, {"tw", d.tw}}};
               });
    const double allowable =
        w.step("zul. τ", "{zul. σ}/√3", "N/mm²", g.value(r.sigzul / std::sqrt(3.0)), [&] {
            return Operands{{{"zul. σ", r.sigzul}}};
        });
    const double utilisation = w.step("Ausnutzung τ", "{τ,max}/{zul. τ}·100", "%",
                                      g.value(g.divide(tau, allowable) * 100), [&] {
                                          return Operands{{{"τ,max", tau}, {"zul. τ", allowable}}};
                                      });
    if (!g.ok) {
        return out;
    }
    const Comparison stress{"τ,max", tau, "zul. τ", allowable, "N/mm²", 3};
    settleCheck(out, stress, utilisation,
                stress.valueText() + " bei x = " + germanFixed(place, 3) + " m (" +
                    stress.limitText() + ", Ausnutzung " + percentText(utilisation) + ")",
                {});
    out.copy = CheckFigure{"Schubspannung τ,max", germanFixed(tau, 3), "N/mm²"};
    return out;
}

} // namespace ipb
