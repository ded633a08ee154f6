#include "result_evaluation.h"

#include "number_text.h"

namespace ipb {
namespace {

constexpr std::string_view kBelowTenThousandth = "< 0,0001";

TextColour redIf(bool inadmissible) {
    return inadmissible ? TextColour::Red : TextColour::Normal;
}

} // namespace

ResultView evaluateResults(const CalculationValues& values, char decimalSeparator) {
    const BeamInput& in = values.input;
    const BeamResult& r = values.result;
    const auto four = [&](double v) { return textFromNumber(v, 4, decimalSeparator); };
    const auto three = [&](double v) { return textFromNumber(v, 3, decimalSeparator); };
    // Forces and moments this small are zero for an engineer, whatever their sign.
    const auto force = [&](double v) {
        return v < 0.0001 ? std::string(kBelowTenThousandth) : four(v);
    };

    ResultView view;
    auto& rows = view.rows;
    rows[RowFA].text = force(r.FA);
    rows[RowFB].text = force(r.FB);

    view.spanRowShown = hasPointLoad(in);
    if (view.spanRowShown) {
        rows[RowSpan].text = four(in.l);
        rows[RowTotalLoad].text = force(r.totalLoad);
    } else {
        rows[RowTotalLoad].text = four(r.totalLoad);
    }

    rows[RowMb].text = force(r.Mb);

    // "> 1000" is red whatever the allowable stress, "< 0,001" never.
    rows[RowSigmax] = {stressText(r.sigmax, decimalSeparator),
                       r.sigmax < 0.001 ? TextColour::Normal
                                        : redIf(r.sigmax > 1000 || r.sigmax > r.sigzul)};

    rows[RowSigzul].text = three(r.sigzul);

    if (r.sicvorh > 1000) {
        rows[RowSafety] = {std::string(kAboveThousand), TextColour::Normal};
    } else if (r.sicvorh < 0.001) {
        rows[RowSafety] = {std::string(kBelowThousandth), TextColour::Red};
    } else {
        // The required safety is held in single precision, so compare at that precision: a
        // safety that equals it once rounded is enough.
        const float available = static_cast<float>(r.sicvorh);
        rows[RowSafety] = {three(r.sicvorh), redIf(available < in.sic)};
    }

    const bool noDeflection = r.fmax < 0.001;
    rows[RowFmax] = {deflectionText(r.fmax, decimalSeparator),
                     noDeflection ? TextColour::Normal : redIf(r.fmax > r.fzul)};
    rows[RowFzul].text = noDeflection ? std::string(kNotRequired) : three(r.fzul);

    view.stressFailed = r.sigmax > r.sigzul;
    view.deflectionFailed = r.fmax > r.fzul;
    const bool fail = view.stressFailed || view.deflectionFailed;
    view.verdict = fail ? Verdict::Fail : Verdict::Pass;
    view.report = reportSetup(view.verdict);
    return view;
}

ReportSetup reportSetup(Verdict verdict) {
    const bool fail = verdict == Verdict::Fail;
    ReportSetup report;
    report.beendTabPosition = fail ? 1 : 0;
    report.neuBerechTabPosition = fail ? 0 : 1;
    report.background = fail ? kFailBackground : kPassBackground;
    report.goodFace = !fail;
    report.warningSound = fail;
    report.message = fail ? kFailMessage : kPassMessage;
    return report;
}

} // namespace ipb
