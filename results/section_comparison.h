#pragma once

#include "calculation.h"
#include "section_table.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace ipb {

// One section put through the calculation on display.
struct SectionCheck {
    const BeamSection* section = nullptr;
    CalculationOutcome outcome;

    // The verdict of the four windows.
    bool passes() const;
    // Every check that the predicate picks holds (a section that was not computed holds none).
    bool holds(const std::function<bool(const CheckResult&)>& picks) const;
    // The verdict and every check beyond it.
    bool holdsEverything() const;
};

using SectionComparison = std::array<SectionCheck, kSectionTable.size()>;

// The same request with each of the twelve sections, lightest first, each through exactly the
// calculation the compute command runs: the calculation of the row on display is the one on
// display, and the one of the row taken is shown as it stands in the table.
SectionComparison compareSections(const CheckRequest& request);

// The row of the lightest section that qualifies, or -1 when none does.
int lightestWhere(const SectionComparison& comparison,
                  const std::function<bool(const SectionCheck&)>& qualifies);
int lightestPassing(const SectionComparison& comparison);

// What the section choice proposes, the lightest section that holds every check (`lightest`,
// -1 for none): "Leichtestes Profil, das alle Nachweise erfüllt: IPB 280", or where checks were
// not examined "…, das alle untersuchten Nachweise erfüllt: IPB 280 (nicht untersucht:
// Lasteinleitung)".
std::string proposalHeadline(const SectionComparison& comparison, int lightest);

// The comparison as a table: each check gives the column of the figure it rests on, where it
// has one, and its column of utilisations, which shows the largest of the checks that enter it.
struct ComparisonCell {
    std::string text;
    bool red = false;
};
struct ComparisonTable {
    std::vector<std::string> headers; // the columns the checks give, after section and q0
    std::vector<std::vector<ComparisonCell>> rows;
};
ComparisonTable comparisonTable(const SectionComparison& comparison, char decimalSeparator);

} // namespace ipb
