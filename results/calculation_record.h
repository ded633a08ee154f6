#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace ipb {

// A caption and the text beside it, both exactly as a window shows them.
struct RecordLine {
    QString caption; // "Last +q [KN/m]"
    QString value;   // "10", as typed
};

// What the input window showed when the calculation ran. The results window keeps it, because
// after "Neue Rechnung" the boxes are edited while the old results stay on screen.
struct CalculationContext {
    QDateTime calculatedAt;
    bool pointLoad = false;
    QString loadCase;         // "Träger auf 2 Stützen, Streckenlast plus Punktlast"
    QString drawing;          // the load case's drawing in the resources
    QString sectionEntry;     // "  200", the entry of the section list
    QString designationDin;   // "IPB 200 DIN 1025"
    QString designationEuro;  // "HE 200 B (EuroN)"
    QString Ix, Wx, q0;       // "Ix=5700 cm^4", the section data labels without their padding
    QList<RecordLine> inputs; // the shown boxes in working order, the safety last
    QString deflectionLimit;  // "l/300"
};

// One of the ten result rows as the results window shows it.
struct RecordRow {
    QString caption;           // "Max. Biegespannung [N/mm²]"
    QString value;             // empty when the row shows no value
    bool shown = true;         // false: the greyed span row of the uniform-load case
    bool inadmissible = false; // the value is red
};

// Everything a filed check holds, read from what the windows show.
struct CalculationRecord {
    CalculationContext context;
    QList<RecordRow> rows;
    bool pass = true;
    QString verdict; // the report's message
    bool stressFailed = false;
    bool deflectionFailed = false;
};

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

// Which limit was exceeded, in words; empty for a pass.
QString failedChecks(const CalculationRecord& record);

// The word that marks an inadmissible value, so that a black-and-white print still shows it.
QString inadmissibleMark();

// "Traeger_IPB200_2026-12-08_1430.pdf": section size and the time of the calculation.
QString proposedFileName(const CalculationRecord& record);

} // namespace ipb
