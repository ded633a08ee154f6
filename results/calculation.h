#pragma once

#include "span_values.h"
#include "check_list.h"
#include "check_request.h"
#include "input_reading.h"
#include "result_evaluation.h"

#include <memory>
#include <optional>

namespace ipb {

// One calculation, made once and never changed: what it was asked, the values, what the
// windows show, and every check. The windows, the record, the copy and the packet only read it.
struct Calculation {
    CheckRequest request;
    CalculationValues values;
    ResultView view;
    ExactMaxima exact;
    CheckResults checks;
    // Written only when a record is kept: how each figure was worked out, the lines along the
    // span for the diagrams, and what the record says around each group of checks.
    bool detailed = false;
    WorkedSteps steps;
    SpanLines lines;
    std::vector<CheckGroupText> groups;

    const BeamSection& section() const { return request.section.section(); }
    bool pointLoad() const { return request.pointLoad(); }
};

// Whether the caller keeps a record of the calculation (the compute command, an opened check),
// or only reads its figures (the section choice, the fuzz target, the benchmarks).
enum class Detail { Figures, Record };

// What one press of "Berechnen" leaves behind.
struct CalculationOutcome {
    // The values the input window keeps afterwards: the inputs read so far (a rejected one
    // included) and, after a successful calculation, its results; otherwise the results that
    // were carried in.
    CalculationValues values;
    std::optional<InputRejection> rejected;         // the first box that was refused
    bool arithmeticFault = false;                   // accepted inputs the statics could not compute
    std::shared_ptr<const Calculation> calculation; // there when it succeeded

    bool succeeded() const { return calculation != nullptr; }
};

// One whole calculation, as the compute command runs it: the visible boxes read and checked,
// the statics of the beam with the request's section and deflection limit, the evaluation into
// the rows and the verdict, and every check. `carried` is what the input window holds from
// before: the values the reading keeps for boxes it does not read, and the results the analysis
// does not overwrite.
CalculationOutcome calculate(const CheckRequest& request, const CalculationValues& carried,
                             char decimalSeparator, Detail detail = Detail::Figures);

} // namespace ipb
