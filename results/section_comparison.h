#pragma once

#include "calculation.h"
#include "further_checks.h"
#include "section_table.h"

#include <array>
#include <string>

namespace ipb {

// One section put through the calculation on display.
struct SectionCheck {
    const BeamSection* section = nullptr;
    CalculationOutcome outcome;
    // How much of the allowable stress and deflection the section uses: "74,3 %".
    std::string stressUtilisation;
    std::string deflectionUtilisation;
    // The checks beyond the verdict: the larger of the shear and combined-stress utilisations,
    // and that against lateral-torsional buckling, each with whether it holds.
    std::optional<FurtherChecks> further;
    std::string strengthUtilisation;
    std::string bucklingUtilisation;

    bool passes() const { return outcome.succeeded() && outcome.view.verdict == Verdict::Pass; }
    bool holdsStrength() const {
        return further && further->shearHolds() && further->combinedHolds();
    }
    bool holdsBuckling() const { return further && further->bucklingHolds(); }
};

using SectionComparison = std::array<SectionCheck, kSectionTable.size()>;

// The same typed inputs and deflection limit with each of the twelve sections, lightest first,
// each through exactly the calculation the compute command runs.
SectionComparison compareSections(const InputTexts& texts, DeflectionLimit limit,
                                  const CalculationValues& carried, char decimalSeparator);

// The row of the lightest section that passes, or -1 when none does.
int lightestPassing(const SectionComparison& comparison);

// The lightest that passes and also holds in shear and combined stress; the lightest that
// besides holds against lateral-torsional buckling. -1 when none does.
int lightestHoldingStrength(const SectionComparison& comparison);
int lightestHoldingAll(const SectionComparison& comparison);

} // namespace ipb
