#include "calculation_record.h"

namespace ipb {

StoredCheck storedCheck(const CalculationRecord& record) {
    const FinishedCalculation& c = record.calculation;
    StoredCheck check;
    // The load case as the windows showed it: the point-load box is there only with a point load.
    check.pointLoad = c.texts.isVisible(InputField::F);
    check.sectionRow = c.sectionRow;
    check.limit = c.values.input.fmaxteiler;
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        if (c.texts.isVisible(field)) {
            check.texts[field] = c.texts[field];
            check.texts.setVisible(field);
        }
    }
    check.position = record.position;
    check.calculatedAt = record.calculatedAt;
    return check;
}

} // namespace ipb
