#pragma once

#include "calculation_record.h"
#include "number_text.h"
#include "result_evaluation.h"

#include <array>
#include <string>
#include <vector>

namespace ipb {

// A caption with its value and unit: the copy's three columns.
struct RecordField {
    std::string caption; // "Last +q"
    std::string value;   // "10", as typed
    std::string unit;    // "KN/m"; empty where there is none
    bool inadmissible = false;

    // "Last +q [KN/m]", the caption as the windows write it.
    std::string captionWithUnit() const;
    bool operator==(const RecordField&) const = default;
};

// One of the ten result rows as the results window shows it.
struct RecordRow {
    RecordField field;
    bool hasValue = true; // false: the greyed span row of the uniform-load case
};

// One line of the hand calculation: symbol = formula = values = result unit.
struct WorkingLine {
    std::string symbol;  // "FA"
    std::string formula; // "q·l/2 + F·lb/l"
    std::string values;  // "10,601·5/2 + 50·2/5"
    std::string result;  // "46,5025": a results row's figure as the window shows it
    std::string unit;    // "kN"

    std::string text() const;
};

// One exact maximum beside the program's figure.
struct ExactLine {
    std::string symbol;        // "M,max"
    std::string value;         // "91,8030"
    std::string unit;          // "kNm"
    std::string place;         // "3,000"
    std::string programFigure; // "93,1281", the program's figure as the window shows it
    std::string deviation;     // "+1,4 %", the program's figure against the exact one

    // "M,max = 91,8030 kNm bei x = 3,000 m (Programmwert 93,1281 kNm, +1,4 %)"
    std::string text() const;
};

// A group of checks as the record writes it on a page of its own: each check's worked lines
// under its title, the results in one line each, a note for each that fails, what the group
// assumes and leaves out, and the line that names the failing checks.
struct CheckSteps {
    std::string title;  // "Schub im Steg"
    std::string remark; // a sentence before the lines; empty where none is needed
    std::vector<WorkingLine> lines;
};
struct CheckSection {
    bool computed = false;
    std::string heading;               // "Weitere Nachweise"
    std::vector<std::string> preamble; // the data the checks rest on
    std::vector<CheckSteps> checks;
    std::vector<std::string> results;
    std::vector<std::string> notes; // one for each check that fails
    std::vector<std::string> closing;
    std::string failed; // "Weitere Nachweise nicht erfüllt: Schub, …"; empty when all hold
    // The group's line in the verdict on page 1: the failing checks, or the group's own passed
    // line; empty for a group that is named there only when it fails.
    std::string pageOneLine;
};

// One check in page 1's table, as the window of all checks shows it.
struct CheckTableRow {
    std::string name;
    std::string utilisation; // "91,0 %", or what stands in its place
    std::string state;       // "erfüllt", "nicht erfüllt", "entfällt", "nicht untersucht"
    bool fails = false;
    bool overLimit = false; // a utilisation above 100 %
};
// A group of the table under its heading.
struct CheckTableGroup {
    std::string heading;
    std::vector<CheckTableRow> rows;
};

// A line along the span and what its diagram writes beside it.
enum class BeamLine { Shear, Moment, Deflection };
struct DiagramMark {
    double x = 0;
    double value = 0;
    bool below = false; // the value goes below the curve point rather than above it
    std::string text;   // "46,50"
};
struct Diagram {
    std::string caption; // "Querkraft V [kN]"
    std::string largest; // "größter Wert 91,80 kNm bei x = 3,000 m"
    BeamLine line = BeamLine::Shear;
    bool downwards = false; // positive values drawn below the axis
    std::vector<DiagramMark> marks;
};

// Everything the two pages and the copy show, worked out once from the filed calculation. The
// page painter, the PDF, the printer and the clipboard only render it.
struct RecordModel {
    std::string programTitle;      // "IPB-Träger (ipbtraeger) 1.0.0"
    std::string calculatedAt;      // "Berechnet am 08.12.2026 um 14:30:05 Uhr"
    std::string calculatedAtShort; // "08.12.2026 14:30"
    std::string calculatedAtFull;  // "08.12.2026 14:30:05"
    std::string fileName;          // "Traeger_IPB200_2026-12-08_1430.pdf"
    std::string pdfTitle;          // "Trägerberechnung IPB 200 DIN 1025"
    std::string footer;            // "Rechnungsprotokoll IPB 200 DIN 1025, 08.12.2026 14:30"
    // "Bauvorhaben: Schule · Position: 3 · Bauteil: Unterzug · Bearbeiter: M. Weber", the set
    // fields only; empty when none is set.
    std::string positionLine;
    std::string checkPacket;   // the XMP packet the PDF carries: the check, to be opened again
    std::string packetRefusal; // why there is no packet; such a record is not saved

    bool pointLoad = false;
    std::string loadCaseName;
    std::vector<std::string> method; // the program's method, its constants and simplifications

    std::string designationDin;
    std::string designationEuro;
    std::array<std::string, 3> sectionTexts;  // "Ix=5700 cm^4", as the input window shows it
    std::array<RecordField, 3> sectionValues; // "Ix", "5700", "cm^4"
    std::vector<RecordField> inputs;          // the load case's boxes, the safety last
    // The design data the checks to the standard rest on, beside the inputs: grade, permanent
    // parts, restraint, load height, bearing lengths.
    std::vector<RecordField> designData;
    std::string deflectionLimit; // "l/300"
    std::array<RecordRow, kResultRowCount> rows;

    bool passes = true;  // the verdict of the four windows
    bool allHold = true; // every check, the verdict's and all others
    // "Urteil der vier Fenster: " and the report's message on one line.
    std::string verdictLine;
    std::string overallLine;   // "Gesamturteil: alle Nachweise erfüllt" or "…: nicht erfüllt"
    std::string failedChecks;  // which limit was exceeded, in words; empty for a pass
    std::string verdictDetail; // the sentence under the verdict
    // Every check of the list by group, in its order: page 1's table "Nachweise".
    std::vector<CheckTableGroup> checkTable;

    std::string workingsPreamble;
    std::vector<WorkingLine> workings;

    SpanLines lines; // the shear, moment and deflection along the span
    std::array<ExactLine, 3> exactLines;
    std::vector<std::string> exactNotes; // where an exact maximum decides otherwise
    std::array<Diagram, 3> diagrams;     // shear, moment, deflection
    // The places marked on the axis under them: 0, la with a point load, and l, in metres.
    std::vector<std::pair<double, std::string>> places;
    std::string spanDimension; // "l = 5,000 m"

    // The groups of checks beyond the verdict, each on the record's pages in this order.
    std::vector<CheckSection> checkSections;

    // The copy, line by line; an empty field is the blank line between data and results.
    std::vector<RecordField> copy;
};

RecordModel recordModel(const CalculationRecord& record);

// The word that marks an inadmissible value, so that a black-and-white print still shows it.
inline constexpr std::string_view kInadmissibleMark = "unzulässig";

// A line's value at a point along the span.
double lineValue(const SpanPoint& point, BeamLine line);

} // namespace ipb
