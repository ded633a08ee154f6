#include "record_model.h"

#include "check_verdict.h"
#include "number_text.h"
#include "record_packet.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace ipb {
namespace {

// The input boxes' captions without their input limits ("Last +q [KN/m], max. 250"), which
// say nothing about this beam, in the order the engineer works through them.
struct InputCaption {
    InputField field;
    std::string_view name;
    std::string_view unit;
};
constexpr InputCaption kInputCaptions[] = {
    {InputField::plusq, "Last +q", "kN/m"}, {InputField::F, "Kraft F", "kN"},
    {InputField::la, "Länge la", "m"},      {InputField::lb, "Länge lb", "m"},
    {InputField::l, "Länge l", "m"},        {InputField::sic, "Mindestsicherheit", ""}};

// The result rows' captions as the results window is designed with them; their units written
// as an engineer writes them, which the window's designed "[KN]" does not.
struct RowCaption {
    std::string_view name;
    std::string_view unit;
};
constexpr std::array<RowCaption, kResultRowCount> kRowCaptions{{
    {"Auflagerkraft FA", "kN"},
    {"Auflagerkraft FB", "kN"},
    {"Gesamtlast q * l", "kN"},
    {"Gesamtspannweite l", "m"},
    {"Max. Biegemoment", "kNm"},
    {"Max. Biegespannung", "N/mm²"},
    {"Zul. Biegespannung", "N/mm²"},
    {"Vorhandene Sicherheit", ""},
    {"Max. Durchbiegung", "mm"},
    {"Zul. Durchbiegung", "mm"},
}};

std::string fixedNumber(double value, int decimals) {
    return textFromNumber(value, decimals, ',');
}

std::string twoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::string germanDate(const RecordTime& t) {
    return twoDigits(t.day) + "." + twoDigits(t.month) + "." + std::to_string(t.year);
}

std::string clockTime(const RecordTime& t, bool seconds) {
    std::string text = twoDigits(t.hour) + ":" + twoDigits(t.minute);
    return seconds ? text + ":" + twoDigits(t.second) : text;
}

// The report's message on one line: its two parts are held apart by a run of blanks meant for
// the window's line break.
std::string oneLine(std::string_view message) {
    std::string line;
    std::size_t blanks = 0;
    for (const char c : message) {
        if (c == ' ') {
            ++blanks;
            continue;
        }
        if (blanks > 0 && !line.empty()) {
            line += ' ';
        }
        blanks = 0;
        line += c;
    }
    return line;
}

std::string failedChecks(const ResultView& v) {
    if (v.stressFailed && v.deflectionFailed) {
        return "Biegespannung und Durchbiegung über dem zulässigen Wert";
    }
    if (v.stressFailed) {
        return "Biegespannung über dem zulässigen Wert";
    }
    if (v.deflectionFailed) {
        return "Durchbiegung über dem zulässigen Wert";
    }
    return {};
}

// The results row whose figure a step gives, if any.
std::optional<std::size_t> rowOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::FA:
        return RowFA;
    case Quantity::FB:
        return RowFB;
    case Quantity::TotalLoad:
        return RowTotalLoad;
    case Quantity::Span:
        return RowSpan;
    case Quantity::Mb:
        return RowMb;
    case Quantity::Sigmax:
        return RowSigmax;
    case Quantity::Sigzul:
        return RowSigzul;
    case Quantity::Safety:
        return RowSafety;
    case Quantity::Fmax:
        return RowFmax;
    case Quantity::Fzul:
        return RowFzul;
    default:
        return std::nullopt;
    }
}

// A value as the engineer typed it: the shortest German number that gives it back. The safety
// is kept in single precision, whose noise beyond seven digits was never typed.
std::string typedNumber(double value) {
    const bool single = static_cast<double>(static_cast<float>(value)) == value;
    return germanNumber(value, single ? 7 : 10);
}

std::string operandText(const Operand& operand) {
    switch (operand.kind) {
    case OperandKind::Typed:
        return typedNumber(operand.value);
    case OperandKind::Precise:
        return germanNumber(operand.value, 15);
    case OperandKind::Computed:
    case OperandKind::Constant:
        break;
    }
    return germanNumber(operand.value);
}

WorkingLine workingLine(const WorkedStep& step) {
    return {std::string(step.symbol), formulaText(step), valuesText(step, operandText),
            germanNumber(step.result), std::string(step.unit)};
}

std::vector<WorkingLine> workingLines(const Calculation& c) {
    std::vector<WorkingLine> lines;
    for (const WorkedStep& step : c.steps) {
        WorkingLine line = workingLine(step);
        // A row's figure is written as the window shows it, so paper and screen agree; where
        // the window shows a bound ("> 1000") or a word, the paper shows the number itself.
        if (const auto row = rowOf(step.quantity)) {
            const std::string shown = c.view.rows[*row].text.value_or("");
            if (!shown.empty() &&
                (std::isdigit(static_cast<unsigned char>(shown[0])) || shown[0] == '-')) {
                line.result = shown;
                std::replace(line.result.begin(), line.result.end(), '.', ',');
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The program's figure against the exact one, in percent of the exact one, always signed.
std::string deviation(double program, double exact) {
    const std::string percent = fixedNumber(100 * (program - exact) / exact, 1);
    return (percent.front() == '-' ? percent : "+" + percent) + " %";
}

std::array<ExactLine, 3> exactLines(const ExactMaxima& exact, const Calculation& c) {
    const BeamResult& r = c.values.result;
    const auto figure = [&](std::size_t row) { return c.view.rows[row].text.value_or(""); };
    return {{
        {"M,max", fixedNumber(exact.moment.value, 4), "kNm", fixedNumber(exact.moment.x, 3),
         figure(RowMb), deviation(r.Mb, exact.moment.value)},
        {"σ,max", fixedNumber(exact.stress, 3), "N/mm²", fixedNumber(exact.moment.x, 3),
         figure(RowSigmax), deviation(r.sigmax, exact.stress)},
        {"f,max", fixedNumber(exact.deflection.value, 3), "mm", fixedNumber(exact.deflection.x, 3),
         figure(RowFmax), deviation(r.fmax, exact.deflection.value)},
    }};
}

// A sentence for each check that the exact maximum decides otherwise than the program's figure,
// by the same strict comparison; none when both agree.
std::vector<std::string> exactVerdictNotes(const ExactMaxima& exact, const Calculation& c) {
    const BeamResult& r = c.values.result;
    std::vector<std::string> notes;
    const auto note = [&](std::string_view what, std::string_view symbol, std::string_view limit,
                          double value, double allowable, bool shownFails, std::string_view unit) {
        const bool exactFails = value > allowable;
        if (exactFails == shownFails) {
            return;
        }
        notes.push_back("Genau gerechnet " + std::string(exactFails ? "ist" : "wäre") + " die " +
                        std::string(what) + " " + (exactFails ? "unzulässig" : "zulässig") + ": " +
                        std::string(symbol) + " = " + fixedNumber(value, 3) + " " +
                        std::string(unit) + " " + (exactFails ? ">" : "≤") + " " +
                        std::string(limit) + " = " + fixedNumber(allowable, 3) + " " +
                        std::string(unit) + ".");
    };
    note("Biegespannung", "σ,max", "zul. σ", exact.stress, r.sigzul, c.view.stressFailed, "N/mm²");
    note("Durchbiegung", "f,max", "zul. f", exact.deflection.value, r.fzul, c.view.deflectionFailed,
         "mm");
    return notes;
}

// The point of the lines at x, which they hold: the supports and the point load's place.
const SpanPoint& pointAt(const SpanLines& lines, double x) {
    for (const SpanPoint& p : lines.points) {
        if (p.x == x) {
            return p;
        }
    }
    return lines.points.front();
}

// The three lines along the span, with the values at the supports, under the point load and at
// the maxima, and each line's largest value with its place. The moment is drawn on the tension
// side and the deflection downwards, as engineers draw them.
std::array<Diagram, 3> diagrams(const SpanLines& lines, const ExactMaxima& exact, bool point) {
    const double l = lines.l, la = lines.la;
    const auto mark = [&](BeamLine line, double x, double value, bool below) {
        return DiagramMark{x, value, below,
                           fixedNumber(value, line == BeamLine::Deflection ? 3 : 2)};
    };
    const auto largest = [](const DiagramMark& at, std::string_view unit) {
        return "größter Wert " + at.text + " " + std::string(unit) +
               " bei x = " + fixedNumber(at.x, 3) + " m";
    };
    Diagram shear{"Querkraft V [kN]", "", BeamLine::Shear, false, {}};
    shear.marks = {mark(BeamLine::Shear, 0, lines.points.front().shear, false),
                   mark(BeamLine::Shear, l, lines.points.back().shear, true)};
    Diagram moment{"Biegemoment M [kNm]", "", BeamLine::Moment, true, {}};
    moment.marks = {mark(BeamLine::Moment, 0, 0, false), mark(BeamLine::Moment, l, 0, false),
                    mark(BeamLine::Moment, exact.moment.x, exact.moment.value, true)};
    Diagram bending{"Biegelinie w [mm]", "", BeamLine::Deflection, true, {}};
    bending.marks = {mark(BeamLine::Deflection, 0, 0, false),
                     mark(BeamLine::Deflection, l, 0, false),
                     mark(BeamLine::Deflection, exact.deflection.x, exact.deflection.value, true)};
    if (point) {
        // Both sides of the step under the load.
        shear.marks.push_back(mark(BeamLine::Shear, la, lines.shearLeftOfLoad, false));
        shear.marks.push_back(mark(BeamLine::Shear, la, lines.shearRightOfLoad, true));
        // Under the point load, unless the maximum stands there already; written inside the
        // curve, so that it keeps clear of the maximum's value below it.
        const SpanPoint& underLoad = pointAt(lines, la);
        if (std::abs(exact.moment.x - la) > l * 1e-3) {
            moment.marks.push_back(mark(BeamLine::Moment, la, underLoad.moment, false));
        }
        if (std::abs(exact.deflection.x - la) > l * 1e-3) {
            bending.marks.push_back(mark(BeamLine::Deflection, la, underLoad.deflection, false));
        }
    }
    // The shear is straight between the supports and the load, so its largest value stands at
    // one of its marks; the first of equal ones is taken, from A on.
    const DiagramMark* biggest = &shear.marks.front();
    for (const DiagramMark& m : shear.marks) {
        if (std::abs(m.value) > std::abs(biggest->value) ||
            (std::abs(m.value) == std::abs(biggest->value) && m.x < biggest->x)) {
            biggest = &m;
        }
    }
    shear.largest = largest(*biggest, "kN");
    moment.largest = largest(moment.marks[2], "kNm");
    bending.largest = largest(bending.marks[2], "mm");
    return {shear, moment, bending};
}

// A group's checks as the record writes them: each check's worked lines under its title, the
// results in one line each, a note for each that fails, what the group assumes, and the line
// that names the failing ones.
CheckSection checkSection(const CheckGroupText& group, const CheckResults& checks) {
    CheckSection section;
    section.heading = group.heading;
    section.closing = group.closing;
    std::vector<const CheckResult*> members;
    for (const CheckResult& check : checks) {
        if (check.group == group.group) {
            members.push_back(&check);
        }
    }
    section.computed = std::none_of(members.begin(), members.end(),
                                    [](const CheckResult* c) { return c->summary.empty(); });
    if (!section.computed) {
        section.results = {group.uncomputable};
        return section;
    }
    section.preamble = group.preamble;
    // The figures the checks share, worked out under a title of their own.
    if (!group.basis.empty()) {
        CheckSteps basis{group.basisTitle, {}, {}};
        for (const WorkedStep& step : group.basis) {
            basis.lines.push_back(workingLine(step));
        }
        section.checks.push_back(std::move(basis));
    }
    for (const CheckResult* check : members) {
        CheckSteps steps{std::string(check->title), check->remark, {}};
        for (const WorkedStep& step : check->steps) {
            steps.lines.push_back(workingLine(step));
        }
        // A check with nothing worked out (one that does not apply) says so in its result.
        if (!steps.lines.empty() || !steps.remark.empty()) {
            section.checks.push_back(std::move(steps));
        }
        section.results.push_back(check->summary);
        if (!check->note.empty()) {
            section.notes.push_back(check->note);
        }
        if (check->fails()) {
            section.failed += (section.failed.empty() ? group.failedPrefix : std::string(", ")) +
                              std::string(check->name);
        }
    }
    // A group that states its verdict says it after its results, whichever way it goes.
    section.pageOneLine = section.failed.empty() ? group.passedLine : section.failed;
    if (!group.passedLine.empty()) {
        section.results.push_back(section.pageOneLine);
    }
    return section;
}

std::vector<std::string> method(bool point) {
    const std::string E = germanNumber(kElasticModulus);
    const std::string R = germanNumber(kReferenceStrength);
    std::vector<std::string> paragraphs{
        "Stahl mit E = " + E + " kN/cm². Zulässige Biegespannung = " + R +
        " N/mm² geteilt durch die Mindestsicherheit; vorhandene Sicherheit = " + R +
        " N/mm² geteilt durch die größte Biegespannung. Die Streckenlast enthält das "
        "Eigengewicht q0 des Profils."};
    if (point) {
        paragraphs.push_back("Größtes Biegemoment: Feldmoment der Streckenlast plus Moment unter "
                             "der Punktlast, gleich wo diese steht (auf der sicheren Seite, da "
                             "beide Größtwerte nicht an derselben Stelle liegen müssen).");
        paragraphs.push_back("Größte Durchbiegung: an der Stelle, an der die Punktlast allein am "
                             "weitesten durchbiegt, mit der Durchbiegung der Streckenlast an "
                             "dieser Stelle addiert.");
    } else {
        paragraphs.push_back(
            "Nur Streckenlast: größtes Biegemoment und größte Durchbiegung in Feldmitte.");
    }
    return paragraphs;
}

// The position fields with their captions, in filing order; only those that are set.
std::vector<RecordField> positionRows(const PositionFields& p) {
    std::vector<RecordField> rows;
    for (const auto& [caption, value] :
         {std::pair{"Bauvorhaben", &p.bauvorhaben}, std::pair{"Position", &p.position},
          std::pair{"Bauteil", &p.bauteil}, std::pair{"Bearbeiter", &p.bearbeiter}}) {
        if (!value->empty()) {
            rows.push_back({caption, *value, ""});
        }
    }
    return rows;
}

// File systems take names of 255 bytes; the proposal keeps well below, so the dialog can
// still add to it. 40 characters of at most four bytes each keep it there whatever is typed.
constexpr std::size_t kFileNamePartCharacters = 40;
constexpr std::size_t kLongestFileName = 200; // bytes of UTF-8, the file system's encoding

// Characters that a file name cannot hold on any of the engineers' systems become "_"; a long
// text is cut after its first 40 characters, never inside one.
std::string fileNamePart(std::string_view text) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end) {
        const bool startsCharacter = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kFileNamePartCharacters) {
            break;
        }
    }
    std::string out(text.substr(0, end));
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    return out;
}

std::string programTitle() {
    return "IPB-Träger (ipbtraeger) " IPB_VERSION;
}

} // namespace

std::string RecordField::captionWithUnit() const {
    return unit.empty() ? caption : caption + " [" + unit + "]";
}

std::string WorkingLine::text() const {
    // "q·l = q·l = …" or "F,Ed = A,Ed = 579,3 = 579,3" would say something twice.
    std::string line = symbol + " = " + (formula == symbol ? "" : formula + " = ") +
                       (values == result ? "" : values + " = ") + result;
    return unit.empty() ? line : line + " " + unit;
}

std::string ExactLine::text() const {
    return symbol + " = " + value + " " + unit + " bei x = " + place + " m (Programmwert " +
           programFigure + " " + unit + ", " + deviation + ")";
}

double lineValue(const SpanPoint& point, BeamLine line) {
    switch (line) {
    case BeamLine::Shear:
        return point.shear;
    case BeamLine::Moment:
        return point.moment;
    case BeamLine::Deflection:
        break;
    }
    return point.deflection;
}

RecordModel recordModel(const CalculationRecord& record) {
    const Calculation& c = *record.calculation;
    const BeamSection& section = c.section();
    const SectionChoice choice = chooseSection(section.listEntry);
    const RecordTime& t = record.calculatedAt;
    RecordModel m;

    m.programTitle = programTitle();
    m.calculatedAt = "Berechnet am " + germanDate(t) + " um " + clockTime(t, true) + " Uhr";
    m.calculatedAtShort = germanDate(t) + " " + clockTime(t, false);
    m.calculatedAtFull = germanDate(t) + " " + clockTime(t, true);
    m.fileName = "Traeger_IPB" + std::string(section.Size) + "_" + std::to_string(t.year) + "-" +
                 twoDigits(t.month) + "-" + twoDigits(t.day) + "_" + twoDigits(t.hour) +
                 twoDigits(t.minute) + ".pdf";
    m.pdfTitle = "Trägerberechnung " + choice.designationDin;
    const PositionFields& position = record.position;
    if (!position.position.empty()) {
        m.pdfTitle = "Position " + position.position +
                     (position.bauteil.empty() ? "" : ": " + position.bauteil) + " – " + m.pdfTitle;
        const std::string named = "Pos_" + fileNamePart(position.position) + "_" + m.fileName;
        if (named.size() <= kLongestFileName) {
            m.fileName = named;
        }
    }
    const std::vector<RecordField> positionFields = positionRows(position);
    for (const RecordField& field : positionFields) {
        m.positionLine +=
            (m.positionLine.empty() ? "" : " · ") + field.caption + ": " + field.value;
    }
    m.footer = "Rechnungsprotokoll " + choice.designationDin + ", " + m.calculatedAtShort;

    m.pointLoad = hasPointLoad(c.values.input);
    m.loadCaseName = m.pointLoad ? "Träger auf 2 Stützen, Streckenlast plus Punktlast"
                                 : "Träger auf 2 Stützen, Streckenlast (mind. Eigengewicht)";
    m.method = method(m.pointLoad);
    for (const CheckGroupText& group : c.groups) {
        if (!group.method.empty()) {
            m.method.push_back(group.method);
        }
        m.method.insert(m.method.end(), group.notes.begin(), group.notes.end());
    }

    m.designationDin = choice.designationDin;
    m.designationEuro = choice.designationEuro;
    // The whole numbers the calculation used; where the table gives the value more finely, the
    // table's figure stands beside it, so that the paper shows what was computed.
    const auto used = [](std::string caption, std::int32_t value, std::string_view tabulated,
                         std::string unit) {
        const std::string figure = std::to_string(value);
        return RecordField{std::move(caption), figure,
                           figure == tabulated
                               ? unit
                               : unit + " (Tabelle: " + std::string(tabulated) + " " + unit + ")"};
    };
    m.sectionValues = {{{"Ix", std::to_string(section.values.Ix), "cm⁴"},
                        used("Wx", section.values.Wx, section.WxTabulated, "cm³"),
                        used("q0", section.values.q0, section.q0Tabulated, "N/m")}};
    for (std::size_t i = 0; i < m.sectionValues.size(); ++i) {
        const RecordField& v = m.sectionValues[i];
        m.sectionTexts[i] = v.caption + " = " + v.value + " " + v.unit;
    }
    const BeamInput& read = c.values.input;
    for (const auto& [field, name, unit] : kInputCaptions) {
        if (c.request.texts.isVisible(field)) {
            // Each value as the calculation read it, in German notation. A box left empty (the
            // point-load case allows it for +q) was computed as zero; a typed point is a decimal
            // point, which a German reader would take for thousands: the typed text follows.
            const std::string& typed = c.request.texts[field];
            const std::string value = typedNumber(
                field == InputField::sic ? double(read.sic)
                                         : read.*kInputMembers[static_cast<std::size_t>(field)]);
            m.inputs.push_back({std::string(name),
                                typed.empty() ? "(leer) → 0 " + std::string(unit)
                                : typed.find('.') != std::string::npos
                                    ? value + " (eingegeben: „" + typed + "“)"
                                    : value,
                                std::string(unit)});
        }
    }
    m.deflectionLimit = "l/" + std::to_string(c.values.input.fmaxteiler);
    const DesignData& design = c.request.design;
    const auto bearing = [](const std::optional<double>& s) {
        return s ? germanNumber(*s) + " mm" : std::string("nicht angegeben");
    };
    m.designData = {
        {"Stahlsorte",
         std::string(gradeName(design.grade)) +
             ", fy = " + germanNumber(yieldStrength(design.grade)) + " N/mm²",
         ""},
        {m.pointLoad ? "g,k / G,k" : "g,k",
         germanNumber(design.permanentUniform) + " kN/m" +
             (m.pointLoad ? " / " + germanNumber(design.permanentPoint) + " kN" : ""),
         ""},
        {"Obergurt", design.topFlangeHeld ? "seitlich gehalten" : "nicht seitlich gehalten", ""},
        {"Lastangriff", loadHeightName(design.loadHeight), ""},
        {"s,s an A", bearing(design.bearingA), ""},
        {"s,s an B", bearing(design.bearingB), ""}};
    if (m.pointLoad) {
        m.designData.push_back({"s,s unter F", bearing(design.bearingF), ""});
    }

    for (std::size_t i = 0; i < kResultRowCount; ++i) {
        const ResultRow& row = c.view.rows[i];
        RecordRow& out = m.rows[i];
        out.hasValue = i != RowSpan || c.view.spanRowShown;
        out.field = {
            std::string(kRowCaptions[i].name), out.hasValue && row.text ? *row.text : std::string(),
            std::string(kRowCaptions[i].unit), out.hasValue && row.colour == TextColour::Red};
    }

    m.passes = c.view.verdict == Verdict::Pass;
    m.allHold = allHold(c.checks);
    m.verdictLine =
        std::string(groupName(CheckGroup::Verdict)) + ": " + oneLine(c.view.report.message);
    const std::string notExamined = notExaminedChecks(c.checks);
    m.overallLine = !m.allHold            ? "Gesamturteil: nicht erfüllt"
                    : notExamined.empty() ? "Gesamturteil: alle Nachweise erfüllt"
                                          : "Gesamturteil: alle untersuchten Nachweise erfüllt; "
                                            "nicht untersucht: " +
                                                notExamined;
    m.failedChecks = failedChecks(c.view);
    m.verdictDetail = m.passes ? "Biegespannung und Durchbiegung innerhalb der zulässigen Werte"
                               : "Nicht eingehalten: " + m.failedChecks;

    for (const CheckGroup group :
         {CheckGroup::Verdict, CheckGroup::Further, CheckGroup::Eurocode}) {
        CheckTableGroup table{groupHeading(group, c.request.design), {}};
        for (const CheckResult& check : c.checks) {
            if (check.group == group) {
                table.rows.push_back({std::string(check.name), utilisationText(check, ','),
                                      std::string(stateWord(check.state)), check.fails(),
                                      check.utilisation && *check.utilisation > 100});
            }
        }
        m.checkTable.push_back(std::move(table));
    }

    m.workingsPreamble = "E = " + germanNumber(kElasticModulus) + " kN/cm², Bezugsfestigkeit " +
                         germanNumber(kReferenceStrength) +
                         " N/mm². Lasten in kN und kN/m, Längen in m, Ix in cm⁴, Wx in cm³; der "
                         "Faktor " +
                         std::string(kToMillimetresText) + " ergibt die Durchbiegung in mm.";
    m.workings = workingLines(c);

    m.lines = c.lines;
    m.exactLines = exactLines(c.exact, c);
    m.exactNotes = exactVerdictNotes(c.exact, c);
    m.diagrams = diagrams(m.lines, c.exact, m.pointLoad);
    m.places.push_back({0, fixedNumber(0, 3)});
    if (m.pointLoad) {
        m.places.push_back({m.lines.la, fixedNumber(m.lines.la, 3)});
    }
    m.places.push_back({m.lines.l, fixedNumber(m.lines.l, 3)});
    m.spanDimension = "l = " + fixedNumber(m.lines.l, 3) + " m";

    for (const CheckGroupText& group : c.groups) {
        m.checkSections.push_back(checkSection(group, c.checks));
    }

    m.copy = positionFields;
    m.copy.insert(m.copy.end(), {{"Programm", m.programTitle, ""},
                                 {"Berechnet am", m.calculatedAtFull, ""},
                                 {"Lastfall", m.loadCaseName, ""},
                                 {"Profil", m.designationDin, m.designationEuro}});
    m.copy.insert(m.copy.end(), m.sectionValues.begin(), m.sectionValues.end());
    m.copy.insert(m.copy.end(), m.inputs.begin(), m.inputs.end());
    m.copy.push_back({"Max. zul. Durchbiegung", m.deflectionLimit, ""});
    m.copy.push_back({"Urteil", oneLine(c.view.report.message), m.failedChecks});
    m.copy.push_back(
        {"Gesamturteil", m.allHold ? "erfüllt" : "nicht erfüllt: " + failingChecks(c.checks),
         m.allHold && !notExamined.empty() ? "nicht untersucht: " + notExamined : "", !m.allHold});
    m.copy.push_back({}); // a blank line between the data and the results
    for (const RecordRow& row : m.rows) {
        m.copy.push_back(row.field);
    }
    // The true maxima along the span, after the program's figures they check.
    for (const ExactLine& line : m.exactLines) {
        m.copy.push_back(
            {line.symbol + " genau (x = " + line.place + " m)", line.value, line.unit});
    }
    // The checks beyond the verdict, each with the figure it rests on, group by group: first
    // those without a section of their own, then each group's rows between its own.
    const auto copyRows = [&](CheckGroup group, bool inGroups) {
        for (const CheckResult& check : c.checks) {
            const bool grouped =
                std::any_of(c.groups.begin(), c.groups.end(),
                            [&](const CheckGroupText& g) { return g.group == check.group; });
            if (check.copy && (inGroups ? check.group == group : !grouped)) {
                m.copy.push_back(
                    {check.copy->caption, check.copy->value, check.copy->unit, check.fails()});
            }
        }
    };
    copyRows(CheckGroup::Verdict, false);
    for (std::size_t i = 0; i < c.groups.size(); ++i) {
        const CheckGroupText& group = c.groups[i];
        for (const CheckFigure& row : group.copyBefore) {
            m.copy.push_back({row.caption, row.value, row.unit});
        }
        copyRows(group.group, true);
        for (const CheckFigure& row : group.copyAfter) {
            m.copy.push_back({row.caption, row.value, row.unit});
        }
        if (!group.copyVerdict.empty()) {
            const std::string& failed = m.checkSections[i].failed;
            const std::string names =
                failed.empty() ? std::string() : failed.substr(group.failedPrefix.size());
            m.copy.push_back({group.copyVerdict, failed.empty() ? "erfüllt" : "nicht erfüllt",
                              names, !failed.empty()});
        }
    }

    CheckPacket packet = writeCheckPacket(filedCheck(record), m.pdfTitle, m.programTitle);
    m.checkPacket = std::move(packet.packet);
    m.packetRefusal = std::move(packet.refusal);
    return m;
}

} // namespace ipb
