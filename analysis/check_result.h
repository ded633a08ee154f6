#pragma once

#include "beam_values.h"
#include "design_data.h"
#include "section_table.h"
#include "worked_step.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ipb {

struct CheckBasis; // what the statics work out once for every check

// Who a check answers to: the verdict of the four windows (the bending stress against 330/ν and
// the deflection), the further checks the verdict leaves out, and the design to the standard.
enum class CheckGroup { Verdict, Further, Eurocode };

enum class CheckState {
    Holds,
    Fails,
    DoesNotApply,  // "entfällt": the beam is held so that the check has nothing to find
    NotExamined,   // "nicht untersucht": what it needs was not given
    NotComputable, // "nicht nachweisbar": the figures exist but the rule has no answer
};

// A check that cannot be computed is not one that holds: every surface counts it as failing.
inline bool failing(CheckState state) {
    return state == CheckState::Fails || state == CheckState::NotComputable;
}

// One row of the copy, caption, value and unit.
struct CheckFigure {
    std::string caption;
    std::string value;
    std::string unit;
};

// What one engineering check finds for a calculation, and everything every surface says of it:
// the section choice, the record and the copy only read these fields.
struct CheckResult {
    std::string_view id;
    CheckGroup group = CheckGroup::Further;
    std::string_view name;  // "Schub": how lists and the verdict name it
    std::string_view title; // the heading of its worked steps on the record
    std::string remark;     // a sentence before the steps; empty where none is needed
    CheckState state = CheckState::NotComputable;
    std::optional<double> utilisation; // percent, where the check has one
    // What stands in place of the utilisation where there is none and a reason fits in a few
    // symbols ("V,Ed > V,pl,Rd"); empty: a dash.
    std::string_view noFigure;
    std::string summary;             // the result in one line
    std::string note;                // why it fails, said in a red frame; empty when it holds
    WorkedSteps steps;               // written only when a record is kept
    std::optional<CheckFigure> copy; // its row of the copy, where it has one
    // The section choice's column of utilisations it enters (the largest of a column counts),
    // and, before it, the column of the figure it rests on with that figure's text.
    std::string_view comparisonColumn;
    std::string_view figureColumn;
    std::string figure;

    bool fails() const { return failing(state); }
};

using CheckResults = std::vector<CheckResult>;

// What a check is computed from: the finished calculation, the section's shape, the data of
// the design to the standard, what the statics worked out once for all checks, and the
// separator the windows write numbers with.
struct CheckContext {
    const CalculationValues& values;
    const BeamSection& section;
    const DesignData& design;
    const CheckBasis& basis;
    char decimalSeparator = ',';
};

} // namespace ipb
