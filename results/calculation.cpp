#include "calculation.h"

#include "beam_analysis.h"
#include "beam_lines.h"

namespace ipb {

CalculationOutcome calculate(const CheckRequest& request, const CalculationValues& carried,
                             char decimalSeparator, Detail detail) {
    CalculationOutcome out{carried, std::nullopt, false, nullptr};
    const BeamSection& section = request.section.section();
    out.values.section = section.values;
    out.values.input.fmaxteiler = request.limit;

    const InputReading reading = readInputs(request.texts, out.values.input);
    out.values.input = reading.input;
    if (reading.rejected) {
        out.rejected = reading.rejected;
        return out;
    }
    auto calculation = std::make_shared<Calculation>();
    Calculation& c = *calculation;
    c.detailed = detail == Detail::Record;
    const auto analysis = analyseBeam(out.values.section, out.values.input, out.values.result,
                                      c.detailed ? &c.steps : nullptr);
    if (!analysis) {
        out.arithmeticFault = true;
        return out;
    }
    out.values.input = analysis->input;
    out.values.result = analysis->result;

    c.request = request;
    c.values = out.values;
    c.view = evaluateResults(c.values, decimalSeparator);
    const BeamModel beam = beamModel(c.values);
    c.exact = exactMaxima(beam);
    const CheckContext context{c.values,       section,          beam,
                               request.design, decimalSeparator, c.detailed};
    c.checks = runChecks(context);
    if (c.detailed) {
        c.lines = spanLines(beam, hasPointLoad(c.values.input));
        c.groups = recordGroups(context);
    }
    out.calculation = std::move(calculation);
    return out;
}

} // namespace ipb
