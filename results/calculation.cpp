#include "calculation.h"

namespace ipb {

CalculationOutcome calculate(const InputTexts& texts, const SectionValues& section,
                             DeflectionLimit limit, const CalculationValues& carried,
                             char decimalSeparator) {
    CalculationOutcome out{carried, std::nullopt, false, {}};
    out.values.section = section;
    out.values.input.fmaxteiler = limit;

    const InputReading reading = readInputs(texts, out.values.input);
    out.values.input = reading.input;
    if (reading.rejected) {
        out.rejected = reading.rejected;
        return out;
    }
    const auto analysis = analyseBeam(out.values.section, out.values.input, out.values.result);
    if (!analysis) {
        out.arithmeticFault = true;
        return out;
    }
    out.values.input = analysis->input;
    out.values.result = analysis->result;
    out.view = evaluateResults(out.values, decimalSeparator);
    return out;
}

} // namespace ipb
