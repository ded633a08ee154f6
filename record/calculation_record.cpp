#include "calculation_record.h"

namespace ipb {

StoredCheck storedCheck(const CalculationRecord& record) {
    const CheckRequest& request = record.calculation->request;
    StoredCheck check;
    check.pointLoad = request.pointLoad();
    check.sectionRow = request.section.row;
    check.limit = request.limit;
    check.design = request.design;
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto field = static_cast<InputField>(i);
        if (request.texts.isVisible(field)) {
            check.texts[field] = request.texts[field];
            check.texts.setVisible(field);
        }
    }
    check.position = record.position;
    check.calculatedAt = record.calculatedAt;
    return check;
}

} // namespace ipb
