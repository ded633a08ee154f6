#include "check_basis.h"
#include "check_list.h"
#include "check_statement.h"
#include "eurocode_design.h"
#include "number_text.h"
#include "worksheet.h"

namespace ipb {

// Serviceability under the characteristic loads, unfactored: the beam's true largest
// deflection against the agreed limit (the National Annex sets none).
CheckResult ec3DeflectionCheck(const CheckContext& c) {
    const BeamModel& beam = c.basis.beam;
    const double n = c.values.input.fmaxteiler;
    Guard g;
    CheckResult out =
        designCheck("ec3-deflection", "Durchbiegung", "Durchbiegung (charakteristisch)");
    Worksheet w(out.steps);
    const Maximum& peak = c.basis.exact.deflection;
    const double wmax = g.value(peak.value);
    const double allowed =
        w.step("w,zul", "{l}·1000/{n}", "mm", g.value(g.divide(beam.l * 1000, n)), [&] {
            return Operands{{{"l", beam.l}, {"n", n, OperandKind::Constant}}};
        });
    const double utilisation = w.step("Ausnutzung Durchbiegung", "{w}/{w,zul}·100", "%",
                                      g.value(g.divide(wmax, allowed) * 100), [&] {
                                          return Operands{{{"w", wmax}, {"w,zul", allowed}}};
                                      });
    out.remark = std::string("w: die genaue größte Durchbiegung unter den charakteristischen "
                             "Lasten (q mit q0") +
                 (hasPointLoad(c.values.input) ? ", F" : "") +
                 "), wie unter „Genaue Größtwerte“: w = " + germanNumber(wmax) +
                 " mm bei x = " + germanNumber(peak.x) + " m. Grenzwert l/" + germanNumber(n) +
                 " nach Vereinbarung (der Nationale Anhang legt keinen fest).";
    if (!g.ok) {
        return out;
    }
    const Comparison deflection{"w", wmax, "w,zul", allowed, "mm", 3};
    // The name stays "Durchbiegung"; the line says under which loads.
    settleCheck(out, deflection, utilisation,
                "Durchbiegung (charakteristisch): " + deflection.valueText() +
                    " bei x = " + germanFixed(peak.x, 3) + " m, " + deflection.limitText() +
                    ", Ausnutzung " + percentText(utilisation),
                {"", "nach DIN EN 1993-1-1", "", ""});
    return out;
}

} // namespace ipb
