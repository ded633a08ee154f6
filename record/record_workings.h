#pragma once

#include "beam_lines.h"
#include "record_text.h"

#include <QStringList>

namespace ipb {

// The hand calculation behind the results window, one line a figure in the order of its rows,
// each as symbol = formula = the formula with the calculation's values put in = the figure as
// the window shows it: "FA = q·l/2 + F·lb/l = 10,601·5/2 + 50·2/5 = 46,5025 kN". How the total
// uniform load is formed comes first, the pieces of the deflection before it.
QStringList workingLines(const CalculationRecord& record);

// The beam's true maxima, found along the span rather than by the program's simplifications.
struct ExactMaxima {
    Maximum moment;     // kNm
    double stress = 0;  // N/mm², at the moment's place
    Maximum deflection; // mm
};
ExactMaxima exactMaxima(const CalculationRecord& record);

// One exact maximum beside the program's figure, for the record and the clipboard.
struct ExactLine {
    QString symbol;    // "M,max"
    QString value;     // "91,8030"
    QString unit;      // "kNm"
    QString place;     // "3,000"
    QString shown;     // "93,1281", the program's figure as the window shows it
    QString deviation; // "+1,4 %", the program's figure against the exact one
};
QList<ExactLine> exactLines(const CalculationRecord& record);

// "M,max = 91,8030 kNm bei x = 3,000 m (Programmwert 93,1281 kNm, +1,4 %)"
QString exactLineText(const ExactLine& line);

// A sentence for each check that the exact maximum decides otherwise than the program's figure,
// by the same strict comparison; none when both agree.
QStringList exactVerdictNotes(const CalculationRecord& record);

// A value as the calculation used it, in German notation: up to ten significant digits, no
// trailing zeros ("10,601", "2,645751311").
QString germanNumber(double value);

} // namespace ipb
