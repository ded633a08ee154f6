#include "check_list.h"
#include "eurocode_design.h"
#include "number_text.h"
#include "worksheet.h"

namespace ipb {

// Serviceability under the characteristic loads, unfactored: the beam's true largest
// deflection against the agreed limit (the National Annex sets none).
CheckResult ec3DeflectionCheck(const CheckContext& c) {
    const BeamModel& beam = c.beam;
    const double n = c.values.input.fmaxteiler;
    Guard g;
    WorkedSteps steps;
    Worksheet w(c.withSteps ? &steps : nullptr);
    CheckResult out =
        designCheck("ec3-deflection", "Durchbiegung", "Durchbiegung (charakteristisch)");
    const Quantity Q = Quantity::Design;
    const Maximum peak = maximumDeflection(beam);
    const double wmax = g.value(peak.value);
    const double allowed =
        w.step(Q, "w,zul", "{l}·1000/{n}", "mm", g.value(g.divide(beam.l * 1000, n)), [&] {
            return Operands{{{"l", beam.l}, {"n", n, OperandKind::Constant}}};
        });
    const double utilisation = w.step(Q, "Ausnutzung Durchbiegung", "{w}/{w,zul}·100", "%",
                                      g.value(g.divide(wmax, allowed) * 100), [&] {
                                          return Operands{{{"w", wmax}, {"w,zul", allowed}}};
                                      });
    out.remark = "w: die genaue größte Durchbiegung unter den charakteristischen Lasten (q mit "
                 "q0, F), wie unter „Genaue Größtwerte“: w = " +
                 germanNumber(wmax) + " mm bei x = " + germanNumber(peak.x) + " m. Grenzwert l/" +
                 germanNumber(n) + " nach Vereinbarung (der Nationale Anhang legt keinen fest).";
    out.steps = std::move(steps);
    if (!g.ok) {
        return out;
    }
    settleDesignCheck(
        out, wmax <= allowed, utilisation,
        "w = " + germanFixed(wmax, 3) + " mm bei x = " + germanFixed(peak.x, 3) + " m, w,zul = " +
            germanFixed(allowed, 3) + " mm, Ausnutzung " + percentText(utilisation),
        "Durchbiegung nach DIN EN 1993-1-1 nicht erfüllt: w = " + germanFixed(wmax, 3) +
            " mm > w,zul = " + germanFixed(allowed, 3) + " mm.");
    // The name stays "Durchbiegung"; the line says under which loads.
    out.summary =
        "Durchbiegung (charakteristisch): " + out.summary.substr(out.summary.find(": ") + 2);
    return out;
}

} // namespace ipb
