#include "section_comparison.h"

#include "number_text.h"

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
        }
    }
    return comparison;
}

int lightestPassing(const SectionComparison& comparison) {
    for (std::size_t i = 0; i < comparison.size(); ++i) {
        if (comparison[i].passes()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace ipb
