#pragma once

#include "beam_analysis.h"
#include "input_reading.h"
#include "result_evaluation.h"

#include <optional>

namespace ipb {

// What one press of "Berechnen" leaves behind.
struct CalculationOutcome {
    // The values the input window keeps afterwards: the inputs read so far (a rejected one
    // included) and, after a successful calculation, its results; otherwise the results that
    // were carried in.
    CalculationValues values;
    std::optional<InputRejection> rejected; // the first box that was refused
    bool arithmeticFault = false;           // accepted inputs the statics could not compute
    ResultView view;                        // what the windows show; valid when succeeded()

    bool succeeded() const { return !rejected && !arithmeticFault; }
};

// A calculation that reached its results, with what it was computed from: the boxes as typed,
// the row of the section list, the values and their evaluation. The windows are filled from it
// and the record is made of it.
struct FinishedCalculation {
    InputTexts texts;
    std::size_t sectionRow = 0; // row of kSectionTable
    CalculationValues values;
    ResultView view;
};

// One whole calculation, as the compute command runs it: the visible boxes read and checked,
// the statics of the beam with this section and deflection limit, and the evaluation into the
// rows and the verdict. `carried` is what the input window holds from before: the values the
// reading keeps for boxes it does not read, and the results the analysis does not overwrite.
CalculationOutcome calculate(const InputTexts& texts, const SectionValues& section,
                             DeflectionLimit limit, const CalculationValues& carried,
                             char decimalSeparator);

} // namespace ipb
