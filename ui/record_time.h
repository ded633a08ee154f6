#pragma once

#include "filed_check.h"

#include <QDateTime>

namespace ipb {

// The moment of a calculation on the engineer's clock, for the record.
inline RecordTime recordTime(const QDateTime& time) {
    const QDate d = time.date();
    const QTime t = time.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

} // namespace ipb
