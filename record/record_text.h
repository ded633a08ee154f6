#pragma once

#include "calculation_record.h"
#include "section_table.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace ipb {

// A caption and the text beside it.
struct RecordLine {
    QString caption; // "Last +q [KN/m]"
    QString value;   // "10", as typed
};

// One of the ten result rows as the results window shows it.
struct RecordRow {
    QString caption;           // "Max. Biegespannung [N/mm²]"
    QString value;             // empty when the row shows no value
    bool shown = true;         // false: the greyed span row of the uniform-load case
    bool inadmissible = false; // the value is red
};

bool hasPointLoad(const CalculationRecord& record);

// "Träger auf 2 Stützen, Streckenlast plus Punktlast", and the drawing of that load case.
QString loadCaseName(const CalculationRecord& record);
QString loadCaseDrawing(const CalculationRecord& record);

// "IPB 200 DIN 1025" and "HE 200 B (EuroN)".
QString designationDin(const CalculationRecord& record);
QString designationEuro(const CalculationRecord& record);

// The section's tabulated values as the input window shows them: "Ix=5700 cm^4", "Wx=…",
// "q0=…", without their padding.
QList<QString> sectionValueTexts(const CalculationRecord& record);

// The boxes of the load case in working order, the safety last, with what was typed.
QList<RecordLine> inputLines(const CalculationRecord& record);

// "l/300".
QString deflectionLimitText(const CalculationRecord& record);

// The ten result rows with their captions, in screen order.
QList<RecordRow> resultRows(const CalculationRecord& record);

// Name and version as the record states them.
QString programTitle();

// "Last +q [KN/m]" gives "Last +q" and "KN/m"; a caption without brackets has no unit.
struct CaptionParts {
    QString name;
    QString unit;
};
CaptionParts splitCaption(const QString& caption);

// "Ix=5700 cm^4" gives "Ix", "5700" and "cm^4"; the unit may follow the number unspaced.
struct SectionValueParts {
    QString name;
    QString value;
    QString unit;
};
SectionValueParts splitSectionValue(const QString& text);

// The report's message on one line: its two parts are held apart by a run of blanks meant for
// the window's line break.
QString verdictLine(const CalculationRecord& record);
bool passes(const CalculationRecord& record);

// Which limit was exceeded, in words; empty for a pass.
QString failedChecks(const CalculationRecord& record);

// The word that marks an inadmissible value, so that a black-and-white print still shows it.
QString inadmissibleMark();

// The time of the calculation for Qt.
QDateTime calculatedAt(const CalculationRecord& record);
RecordTime recordTime(const QDateTime& time);

// "Traeger_IPB200_2026-12-08_1430.pdf": section size and the time of the calculation.
QString proposedFileName(const CalculationRecord& record);

} // namespace ipb
