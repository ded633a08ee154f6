#pragma once

#include "check_list.h"
#include "check_request.h"
#include "input_reading.h"
#include "result_evaluation.h"
#include "span_values.h"

#include <memory>
#include <optional>

namespace ipb {

// One calculation, made once and never changed: what it was asked, the values, what the
// windows show, every check, how each figure was worked out, the lines along the span for the
// diagrams, and what the record says around each group of checks. The windows, the record, the
// copy, the section choice and the packet only read it.
struct Calculation {
    CheckRequest request;
    CalculationValues values;
    ResultView view;
    ExactMaxima exact;
    CheckResults checks;
    // The report window's verdict over every check: green only where none fails, the designed
    // fail, with its tone, wherever any check fails, so that no green window stands over a beam
    // that fails. The results window keeps the four windows' own rows and marks.
    Verdict verdict = Verdict::Pass;
    ReportSetup report;
    WorkedSteps steps;
    SpanLines lines;
    std::vector<CheckGroupText> groups;

    const BeamSection& section() const { return request.section.section(); }
    bool pointLoad() const { return request.pointLoad(); }
};

// What one press of "Berechnen" leaves behind.
struct CalculationOutcome {
    // The values the input window keeps afterwards: the section and the inputs read so far (a
    // rejected one included) and, after a successful calculation, its results.
    CalculationValues values;
    std::optional<InputRejection> rejected;         // the first box that was refused
    bool arithmeticFault = false;                   // accepted inputs the statics could not compute
    std::shared_ptr<const Calculation> calculation; // there when it succeeded

    bool succeeded() const { return calculation != nullptr; }
};

// One whole calculation, as the compute command runs it: the shown boxes read and checked (the
// hidden ones keep what the request holds for them), the statics of the beam with the request's
// section and deflection limit, the evaluation into the rows and the verdict, and every check.
// A function of the request alone: whoever asks gets the same calculation.
CalculationOutcome calculate(const CheckRequest& request);

// What the input window stores after a press of "Berechnen": the section, every value the
// reading took (a refused one included; the boxes after it keep theirs) and, when the
// calculation succeeded, its results, which otherwise stay those of the last one.
void storeOutcome(CalculationValues& stored, const CheckRequest& request,
                  const CalculationOutcome& outcome);

} // namespace ipb
