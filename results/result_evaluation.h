#pragma once

#include "beam_values.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ipb {

enum class TextColour { Untouched, Normal, Red };

struct ResultRow {
    std::optional<std::string> text; // nothing: the row keeps what it shows
    TextColour colour = TextColour::Untouched;
};

enum class Verdict { Pass, Fail };

// How the report window is to look for the verdict. The button at tab position 0 holds the
// focus when the window is shown.
struct ReportSetup {
    int beendTabPosition = 0;
    int neuBerechTabPosition = 1;
    std::uint32_t background = 0; // 0xRRGGBB
    bool goodFace = true;         // smiling face shown, frowning face hidden; else the reverse
    bool warningSound = false;
    std::string_view message;
};

// Rows in screen order: FA, FB, q * l, span, Mb, sigmax, sigzul, safety, fmax, fzul.
inline constexpr std::size_t kResultRowCount = 10;
enum ResultRowIndex : std::size_t {
    RowFA,
    RowFB,
    RowTotalLoad,
    RowSpan,
    RowMb,
    RowSigmax,
    RowSigzul,
    RowSafety,
    RowFmax,
    RowFzul
};

struct ResultView {
    std::array<ResultRow, kResultRowCount> rows;
    bool spanRowShown = false; // the span row carries a value only with a point load
    Verdict verdict = Verdict::Pass;
    // Which check failed, decided together with the verdict, so that a record can say why
    // without comparing again.
    bool stressFailed = false;
    bool deflectionFailed = false;
    ReportSetup report;
};

inline constexpr std::string_view kPassMessage = "OK.,                      Alle Werte zulässig!";
inline constexpr std::string_view kFailMessage = "Warnung!                  Wert(e) unzulässig!";
// What the allowable deflection row says when the beam does not deflect measurably.
inline constexpr std::string_view kNotRequired = "Nicht erforderl.";

inline constexpr std::uint32_t kPassBackground = 0x00C000;
inline constexpr std::uint32_t kFailBackground = 0xFF0000;

// What the results and report windows show after a successful computation: the row texts with
// their thresholds and red marks, the verdict and the report's look. Numbers use the given
// decimal separator; the fixed texts keep their comma in every locale.
ResultView evaluateResults(const CalculationValues& values, char decimalSeparator);

// The report window's colour, face, focus, tone and message for a verdict.
ReportSetup reportSetup(Verdict verdict);

} // namespace ipb
