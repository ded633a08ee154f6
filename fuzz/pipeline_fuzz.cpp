// Drives the whole calculation the way the input window runs it: the box texts are read and
// checked, the statics computed and the results turned into the rows and the verdict. One fuzz
// input is one run of the program, several computations in a row, and the values carry over
// from one to the next exactly as the input window keeps them, so a stale distance or result
// from an earlier computation gets its chance to leak into a later one.
//
// The input is readable text so that seeds can be written by hand: tokens separated by '|',
// seven per computation, a header and then the texts of the boxes F, +q, la, lb, l and safety,
// each cut to what its box holds. Header characters, each optional:
//   [0] load case: an odd byte ('1') uniform load, an even one ('2') with a point load
//   [1] section: the byte modulo 12 is the row of the section list ('3' is IPB 200)
//   [2] deflection limit: the byte modulo 3, '0' span / 300, '1' / 500, '2' / 1000
//   [3] the locale's decimal separator: '.' a point, anything else a comma
//   [4] 'b': back to the start window first (choosing another load case implies it)
//   [5..11] the design data: the steel grade (byte modulo 3), the top flange held (odd) and
//       the load height (byte/2 modulo 3: top flange, centre, bottom flange), the permanent parts
//       of +q and F (byte/200 of their range, so some exceed the load they are part of), and the
//       bearing lengths at A, B and under F ('-' none, else byte·4 mm, up to the range's 1000 mm)

#include "beam_lines.h"
#include "calculation.h"
#include "check_request.h"
#include "section_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace ipb;

namespace {

// What each box holds and what an accepted value of it may be: loads and lengths positive (+q
// may be zero), the safety from 1 to 10.
struct Box {
    const char* name;
    double low;
    bool lowIncluded;
    double high;
};
constexpr std::array<Box, kInputFieldCount> kBoxes{{{"F", 0, false, 10000},
                                                    {"+q", 0, true, 250},
                                                    {"la", 0, false, 20},
                                                    {"lb", 0, false, 20},
                                                    {"l", 0, false, 40},
                                                    {"sic", 1, true, 10}}};
constexpr std::array<double BeamInput::*, 5> kLengthsAndLoads{
    &BeamInput::F, &BeamInput::plusq, &BeamInput::la, &BeamInput::lb, &BeamInput::l};
constexpr std::array<DeflectionLimit, 3> kDivisors{300, 500, 1000};
constexpr std::size_t kMaxComputations = 16;

// The fixed texts a row may show instead of a number, and the region of its value each means.
struct FixedText {
    std::size_t row;
    std::string_view text;
    bool below; // value < limit, else value > limit
    double limit;
};
constexpr FixedText kFixedTexts[] = {
    {RowFA, "< 0,0001", true, 0.0001},        {RowFB, "< 0,0001", true, 0.0001},
    {RowTotalLoad, "< 0,0001", true, 0.0001}, {RowMb, "< 0,0001", true, 0.0001},
    {RowSigmax, "< 0,001", true, 0.001},      {RowSigmax, "> 1000", false, 1000},
    {RowSafety, "< 0,001", true, 0.001},      {RowSafety, "> 1000", false, 1000},
    {RowFmax, "< 0,001", true, 0.001},        {RowFzul, "Nicht erforderl.", true, 0.001}};

std::string context; // the computation under test, printed when an invariant breaks

void expect(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "\ninvariant broken: %s\n%s\n", what, context.c_str());
        std::abort();
    }
}

double valueOf(const BeamInput& in, std::size_t box) {
    return box < kLengthsAndLoads.size() ? in.*kLengthsAndLoads[box] : in.sic;
}

int separators(std::string_view s) {
    int n = 0;
    for (char c : s) {
        n += c == ',' || c == '.';
    }
    return n;
}

bool acceptable(std::size_t box, double v, std::string_view text) {
    const Box& b = kBoxes[box];
    return !std::signbit(v) && (b.lowIncluded ? v >= b.low : v > b.low) && v <= b.high &&
           separators(text) <= 1;
}

// A text of nothing but digits and at most one separator has one obvious value (no digit at
// all: nothing typed, 0). Gives false for any other text.
bool plainValue(std::string_view s, double& value) {
    std::string t = "0";
    for (char c : s) {
        if (c != ',' && c != '.' && (c < '0' || c > '9')) {
            return false;
        }
        t += c == ',' ? '.' : c;
    }
    if (separators(s) > 1) {
        return false;
    }
    if (t.back() == '.') {
        t += '0';
    }
    return std::from_chars(t.data(), t.data() + t.size(), value).ptr == t.data() + t.size();
}

// "-?d+", the separator and exactly `decimals` digits, never a signed zero, and read back it is
// the value rounded to those decimals (after the value was cut to 15 significant digits).
bool showsNumber(std::string t, int decimals, char sep, double value) {
    std::size_t i = !t.empty() && t[0] == '-';
    const std::size_t digitsFrom = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        ++i;
    }
    if (i == digitsFrom || i >= t.size() || t[i] != sep ||
        t.size() - i - 1 != static_cast<std::size_t>(decimals) ||
        t.find_first_not_of("0123456789", i + 1) != t.npos) {
        return false;
    }
    if (digitsFrom == 1 && t.find_first_not_of('0', 1) == i &&
        t.find_first_not_of('0', i + 1) == t.npos) {
        return false;
    }
    t[i] = '.';
    double shown = 0;
    std::from_chars(t.data(), t.data() + t.size(), shown);
    return std::fabs(shown - value) <=
           0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 1e-14 * std::fabs(value);
}

void checkReading(const InputTexts& texts, const CalculationOutcome& reading) {
    // Boxes are read in order up to the first rejected one: each read box holds what its text
    // plainly says, those before the rejected one are acceptable, the rejected one is not.
    for (std::size_t i = 0; i < kInputFieldCount; ++i) {
        const auto f = static_cast<InputField>(i);
        if (!texts.isVisible(f)) {
            continue;
        }
        const double value = valueOf(reading.values.input, i);
        double plain = 0;
        if (plainValue(texts[f], plain)) {
            expect(value == (f == InputField::sic ? double(float(plain)) : plain),
                   "box read as another number");
        }
        const bool isRejected = reading.rejected && reading.rejected->field == f;
        expect(acceptable(i, value, texts[f]) != isRejected,
               isRejected ? "an acceptable box rejected" : "a box accepted outside its range");
        if (isRejected) {
            expect(reading.rejected->message == inputMessage(f), "rejection with a wrong message");
            return;
        }
    }
    expect(!reading.rejected, "rejection of a box that is not read");
}

void checkView(const CalculationValues& v, const ResultView& view, bool pointLoad, char sep) {
    const BeamInput& in = v.input;
    const BeamResult& r = v.result;
    const double span = pointLoad ? in.la + in.lb : in.l;
    const std::array<double, kResultRowCount> rowValue{
        r.FA,     r.FB,      (v.section.q0 / 1000.0 + in.plusq) * span,
        in.l,     r.Mb,      r.sigmax,
        r.sigzul, r.sicvorh, r.fmax,
        r.fzul};

    for (double x : {r.FA, r.FB, r.Mb, r.sigmax, r.sigzul, r.sicvorh, r.fmax, r.fzul, r.z, r.xf}) {
        expect(std::isfinite(x), "result not finite");
    }
    expect(r.lastfall == (pointLoad ? 2.0f : 1.0f), "computed along the other load case's path");
    expect(view.spanRowShown == pointLoad, "span row shown in the wrong load case");
    for (std::size_t row = 0; row < kResultRowCount; ++row) {
        const auto& text = view.rows[row].text;
        if (row == RowSpan && !pointLoad) {
            expect(!text, "span row written with a uniform load");
            continue;
        }
        expect(text.has_value(), "row left without a text");
        bool fixed = false;
        for (const FixedText& f : kFixedTexts) {
            if (f.row == row && *text == f.text) {
                // The deflection limit is "not required" when there is no deflection.
                const double x = row == RowFzul ? r.fmax : rowValue[row];
                expect(f.below ? x < f.limit : x > f.limit, "fixed text outside its region");
                fixed = true;
            }
        }
        expect(fixed || showsNumber(*text, row <= RowMb ? 4 : 3, sep, rowValue[row]),
               "row text neither its number nor one of its fixed texts");
        expect(view.rows[row].colour != TextColour::Red || row == RowSigmax || row == RowSafety ||
                   row == RowFmax,
               "red on a row without a limit");
    }

    const bool sigmaRed = r.sigmax > 1000 || (r.sigmax >= 0.001 && r.sigmax > r.sigzul);
    expect((view.rows[RowSigmax].colour == TextColour::Red) == sigmaRed, "sigmax colour");
    const bool fRed = r.fmax >= 0.001 && r.fmax > r.fzul;
    expect((view.rows[RowFmax].colour == TextColour::Red) == fRed, "fmax colour");

    const bool fail = r.sigmax > r.sigzul || r.fmax > r.fzul;
    expect((view.verdict == Verdict::Fail) == fail, "verdict");
    expect(view.report.warningSound == fail && view.report.goodFace == !fail &&
               view.report.message == (fail ? kFailMessage : kPassMessage) &&
               view.report.background == (fail ? kFailBackground : kPassBackground),
           "report does not match the verdict");
}

// The true maxima along the span that the record prints: the program's added moment is never
// below the true one, and its deflection, taken at one place, never above the true maximum.
void checkExactMaxima(const CalculationValues& v) {
    const BeamModel beam = beamModel(v);
    const Maximum M = maximumMoment(beam), w = maximumDeflection(beam);
    expect(std::isfinite(M.value) && std::isfinite(w.value) && M.x >= 0 && M.x <= beam.l &&
               w.x >= 0 && w.x <= beam.l,
           "exact maximum not finite or off the span");
    expect(M.value <= v.result.Mb * (1 + 1e-9), "program's moment below the exact maximum");
    expect(v.result.fmax <= w.value * (1 + 1e-9) + 1e-12,
           "program's deflection above the exact maximum");
}

// Every check of the list: finite figures and steps, a summary wherever the arithmetic went
// through, and a failing check always says why.
void checkChecks(const Calculation& c) {
    for (const CheckResult& check : c.checks) {
        if (check.utilisation) {
            expect(std::isfinite(*check.utilisation) && *check.utilisation >= 0,
                   "utilisation not finite or negative");
        }
        for (const WorkedStep& step : check.steps) {
            expect(std::isfinite(step.result), "check step not finite");
        }
        if (check.group == CheckGroup::Verdict || check.summary.empty()) {
            continue; // the verdict's own speak through the windows; a refused one says nothing
        }
        expect(check.state != CheckState::Fails || !check.note.empty(),
               "a failing check without a note");
    }
}

// The design data a header gives, every value within the ranges the design dialog admits.
template <class Byte> DesignData designData(Byte headerByte) {
    DesignData d;
    d.grade =
        std::array{SteelGrade::S235, SteelGrade::S275, SteelGrade::S355}[headerByte(5, 0) % 3];
    d.topFlangeHeld = headerByte(6, 0) % 2 == 1;
    d.loadHeight = kLoadHeights[headerByte(6, 0) / 2 % 3];
    d.permanentUniform = std::min(kPermanentUniformMax, headerByte(7, 0) / 200.0 * 25);
    d.permanentPoint = std::min(kPermanentPointMax, headerByte(8, 0) / 200.0 * 1000);
    const auto bearing = [&](std::size_t i) -> std::optional<double> {
        const unsigned char b = headerByte(i, '-');
        return b == '-' ? std::nullopt : std::optional(std::min(kBearingLengthMax, b * 4.0));
    };
    d.bearingA = bearing(9);
    d.bearingB = bearing(10);
    d.bearingF = bearing(11);
    return d;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> tokens;
    for (std::size_t start = 0, bar = 0; bar != all.npos; start = bar + 1) {
        bar = all.find('|', start);
        tokens.push_back(all.substr(start, bar == all.npos ? all.npos : bar - start));
    }
    const auto token = [&](std::size_t i) { return i < tokens.size() ? tokens[i] : ""; };

    CalculationValues values; // the program's values at start: all zero
    int loadCase = 0;         // no input window yet
    for (std::size_t step = 0; step * 7 < tokens.size() && step < kMaxComputations; ++step) {
        const std::string_view header = token(step * 7);
        const auto headerByte = [&](std::size_t i, unsigned char otherwise) {
            return i < header.size() ? static_cast<unsigned char>(header[i]) : otherwise;
        };
        const int chosenCase = headerByte(0, '1') % 2 ? 1 : 2;
        const BeamSection& section = kSectionTable[headerByte(1, '3') % 12];
        const DeflectionLimit divisor = kDivisors[headerByte(2, '0') % 3];
        const char sep = headerByte(3, ',') == '.' ? '.' : ',';

        if (loadCase == 0 || headerByte(4, 0) == 'b' || chosenCase != loadCase) {
            if (loadCase != 0) { // "Back" clears the loads and distances
                resetOnBack(values);
            }
            resetOnLoad(values); // as a freshly loaded input window does
            loadCase = chosenCase;
        }
        const bool pointLoad = loadCase == 2;
        InputTexts texts;
        showLoadCaseBoxes(texts, pointLoad ? LoadCase::PointLoad : LoadCase::UniformLoad);
        context = "computation " + std::to_string(step + 1) + ", load case " +
                  std::to_string(loadCase) + ", IPB " + std::string(section.Size) + ", span / " +
                  std::to_string(divisor) + ", separator '" + sep + "', boxes:";
        for (std::size_t i = 0; i < kInputFieldCount; ++i) {
            const auto f = static_cast<InputField>(i);
            texts[f] = std::string(token(step * 7 + 1 + i).substr(0, std::size_t(boxLength(f))));
            if (texts.isVisible(f)) {
                context += std::string(" ") + kBoxes[i].name + "=\"";
                for (unsigned char c : texts[f]) {
                    char shown[5];
                    std::snprintf(shown, sizeof shown,
                                  c >= 32 && c < 127 && c != '\\' ? "%c" : "\\x%02X", c);
                    context += shown;
                }
                context += '"';
            }
        }

        // As the compute command does: the values read are kept even when one is rejected,
        // and after an arithmetic fault ("Rechenfehler") nothing else changes.
        CheckRequest request =
            checkRequest(pointLoad ? LoadCase::PointLoad : LoadCase::UniformLoad,
                         SectionId{std::size_t(&section - kSectionTable.data())}, divisor, texts);
        request.design = designData(headerByte);
        request.held = heldValues(request.texts, values.input);
        request.decimalSeparator = sep;
        const CalculationOutcome outcome = calculate(request);
        storeOutcome(values, request, outcome);
        checkReading(texts, outcome);
        if (outcome.succeeded()) {
            checkView(values, outcome.calculation->view, pointLoad, sep);
            checkExactMaxima(values);
            checkChecks(*outcome.calculation);
            // The same request gives the same calculation, whoever asks again.
            expect(calculate(request).calculation->view.rows[RowSigmax].text ==
                       outcome.calculation->view.rows[RowSigmax].text,
                   "the same request computed twice differs");
        }
    }
    return 0;
}
