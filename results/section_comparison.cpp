#include "section_comparison.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>

namespace ipb {
namespace {

std::string percentOf(double value, double allowable, char decimalSeparator) {
    const double percent = 100 * value / allowable;
    return std::isfinite(percent) ? textFromNumber(percent, 1, decimalSeparator) + " %" : "";
}

} // namespace

SectionComparison compareSections(const InputTexts& texts, DeflectionLimit limit,
                                  const CalculationValues& carried, char decimalSeparator) {
    SectionComparison comparison;
    for (std::size_t i = 0; i < kSectionTable.size(); ++i) {
        SectionCheck& check = comparison[i];
        check.section = &kSectionTable[i];
        check.outcome = calculate(texts, check.section->values, limit, carried, decimalSeparator);
        if (check.outcome.succeeded()) {
            const BeamResult& r = check.outcome.values.result;
            check.stressUtilisation = percentOf(r.sigmax, r.sigzul, decimalSeparator);
            check.deflectionUtilisation = percentOf(r.fmax, r.fzul, decimalSeparator);
            check.further = furtherChecks(check.outcome.values, check.section->dimensions);
        }
        if (const auto& f = check.further) {
            check.strengthUtilisation = percentOf(
                std::max(f->shearUtilisation, f->combinedUtilisation), 100, decimalSeparator);
            check.bucklingUtilisation = percentOf(f->bucklingUtilisation, 100, decimalSeparator);
        }
    }
    return comparison;
}

namespace {

template <class Holds> int lightest(const SectionComparison& comparison, Holds holds) {
    for (std::size_t i = 0; i < comparison.size(); ++i) {
        if (holds(comparison[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

int lightestPassing(const SectionComparison& comparison) {
    return lightest(comparison, [](const SectionCheck& c) { return c.passes(); });
}

int lightestHoldingStrength(const SectionComparison& comparison) {
    return lightest(comparison,
                    [](const SectionCheck& c) { return c.passes() && c.holdsStrength(); });
}

int lightestHoldingAll(const SectionComparison& comparison) {
    return lightest(comparison, [](const SectionCheck& c) {
        return c.passes() && c.holdsStrength() && c.holdsBuckling();
    });
}

} // namespace ipb
