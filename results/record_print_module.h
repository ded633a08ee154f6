#pragma once

#include "calculation_record.h"

#include <QStringList>

class QWidget;

namespace ipb {

// Where the print module is looked for: beside the program, then where an installation puts
// it. A path set here (tests, an unusual installation) is tried alone.
QStringList printModuleCandidates();
extern QString printModuleOverride;

// Prints the record through Qt's print dialog, loading the print module on first use. A module
// that cannot be loaded or a print that fails gives a "Fehler:" message over parent.
void printRecord(QWidget* parent, const CalculationRecord& record);

} // namespace ipb
