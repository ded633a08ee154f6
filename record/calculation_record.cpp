#include "calculation_record.h"

namespace ipb {

FiledCheck filedCheck(const CalculationRecord& record) {
    return {record.calculation->request, record.position, record.calculatedAt};
}

} // namespace ipb
