#include "calculation.h"

#include "beam_analysis.h"
#include "beam_lines.h"
#include "check_basis.h"
#include "check_verdict.h"

namespace ipb {

CalculationOutcome calculate(const CheckRequest& request) {
    CalculationOutcome out;
    const BeamSection& section = request.section.section();
    out.values.section = section.values;
    BeamInput held = request.held;
    held.fmaxteiler = request.limit;

    const InputReading reading = readInputs(request.texts, held);
    out.values.input = reading.input;
    if (reading.rejected) {
        out.rejected = reading.rejected;
        return out;
    }
    auto calculation = std::make_shared<Calculation>();
    Calculation& c = *calculation;
    const auto analysis = analyseBeam(out.values.section, out.values.input, {}, &c.steps);
    if (!analysis) {
        out.arithmeticFault = true;
        return out;
    }
    out.values.input = analysis->input;
    out.values.result = analysis->result;

    c.request = request;
    c.values = out.values;
    c.view = evaluateResults(c.values, request.decimalSeparator);
    const CheckBasis basis = checkBasis(c.values, section, request.design);
    c.exact = basis.exact;
    const CheckContext context{c.values, section, request.design, basis, request.decimalSeparator};
    c.checks = runChecks(context);
    c.verdict =
        c.view.verdict == Verdict::Pass && allHold(c.checks) ? Verdict::Pass : Verdict::Fail;
    c.report = reportSetup(c.verdict);
    c.lines = spanLines(basis.beam, hasPointLoad(c.values.input));
    c.groups = recordGroups(context);
    out.calculation = std::move(calculation);
    return out;
}

void storeOutcome(CalculationValues& stored, const CheckRequest& request,
                  const CalculationOutcome& outcome) {
    stored.section = outcome.values.section;
    stored.input.fmaxteiler = request.limit;
    if (outcome.succeeded()) {
        stored.input = outcome.values.input;
        stored.result = outcome.values.result;
        return;
    }
    const BeamInput& read = outcome.values.input;
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        if (field == InputField::sic) {
            stored.input.sic = read.sic;
        } else if (request.texts.isVisible(field)) {
            stored.input.*kInputMembers[i] = read.*kInputMembers[i];
        }
        if (outcome.rejected && outcome.rejected->field == field) {
            return;
        }
    }
}

} // namespace ipb
