#include "result_evaluation.h"
#include "section_comparison.h"

#include <QTest>

using namespace ipb;

namespace {

const auto untouched = TextColour::Untouched, normal = TextColour::Normal, red = TextColour::Red;

// The uniform load on IPB 200, plusq 10, l 6, sic 1.5, span / 300, worked out by hand.
CalculationValues uniformRun() {
    CalculationValues v{{5700, 570, 601}, {0, 10, 0, 0, 6, 1.5f, 300}, {}};
    BeamResult& r = v.result;
    r.FA = r.FB = 31.803;
    r.Mb = 47.7045;
    r.sigmax = 83.69210526315788;
    r.sigzul = 220;
    r.sicvorh = 3.943024242995944;
    r.fmax = 14.945018796992482;
    r.fzul = 20;
    r.lastfall = 1;
    return v;
}

CalculationValues loadCase(float lastfall, int q0, double plusq, double la, double lb, double l) {
    CalculationValues v = uniformRun();
    v.result.lastfall = lastfall;
    v.section.q0 = q0;
    v.input.plusq = plusq;
    v.input.la = la;
    v.input.lb = lb;
    v.input.l = l;
    v.result.totalLoad = (q0 / 1000.0 + plusq) * l;
    return v;
}

// The boxes of a load case as typed: +q, then l or F, la, lb, then the safety.
InputTexts typed(std::initializer_list<std::pair<InputField, const char*>> boxes) {
    InputTexts texts;
    for (const auto& [field, text] : boxes) {
        texts[field] = text;
        texts.setVisible(field);
    }
    return texts;
}

QString text(const ResultView& view, std::size_t row) {
    const auto& t = view.rows[row].text;
    return t ? QString::fromStdString(*t) : QStringLiteral("<untouched>");
}

} // namespace

class TestResultEvaluation : public QObject {
    Q_OBJECT

  private slots:
    void eachRowShowsItsThresholdsAndRedMarks_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("value"); // of the row's quantity; the fzul row takes fmax
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextColour>("colour");

        // Put into the worked example: sigzul 220, sic 1.5f, fzul 20.
        // clang-format off
        QTest::newRow("FA exactly a ten-thousandth") << int(RowFA) << 0.0001 << "0,0001" << untouched;
        QTest::newRow("FA just below a ten-thousandth") << int(RowFA) << 0.00009999 << "< 0,0001" << untouched;
        QTest::newRow("FB rounded half away from zero") << int(RowFB) << 46.50245 << "46,5025" << untouched;
        QTest::newRow("FB zero") << int(RowFB) << 0.0 << "< 0,0001" << untouched;
        QTest::newRow("FB negative") << int(RowFB) << -5.0 << "< 0,0001" << untouched;
        QTest::newRow("Mb of the point-load example") << int(RowMb) << 93.128125 << "93,1281" << untouched;
        QTest::newRow("Mb tiny") << int(RowMb) << 1e-9 << "< 0,0001" << untouched;
        QTest::newRow("stress equal to the allowable") << int(RowSigmax) << 220.0 << "220,000" << normal;
        QTest::newRow("stress above the allowable, shown equal") << int(RowSigmax) << 220.0001 << "220,000" << red;
        QTest::newRow("stress below a thousandth") << int(RowSigmax) << 0.0009 << "< 0,001" << normal;
        QTest::newRow("stress of exactly a thousand") << int(RowSigmax) << 1000.0 << "1000,000" << red;
        QTest::newRow("stress above a thousand") << int(RowSigmax) << 1000.0001 << "> 1000" << red;
        QTest::newRow("safety below the required") << int(RowSafety) << 1.4 << "1,400" << red;
        QTest::newRow("safety equal to the required") << int(RowSafety) << 1.5 << "1,500" << normal;
        // Compared in single precision: 1.4999999999 rounds onto 1.5f, 1.4999999 does not.
        QTest::newRow("safety below only as a double") << int(RowSafety) << 1.4999999999 << "1,500" << normal;
        QTest::newRow("safety below as a float") << int(RowSafety) << 1.4999999 << "1,500" << red;
        QTest::newRow("safety of exactly a thousand") << int(RowSafety) << 1000.0 << "1000,000" << normal;
        QTest::newRow("safety above a thousand") << int(RowSafety) << 1000.5 << "> 1000" << normal;
        QTest::newRow("safety below a thousandth") << int(RowSafety) << 0.0009 << "< 0,001" << red;
        QTest::newRow("deflection equal to the allowable") << int(RowFmax) << 20.0 << "20,000" << normal;
        QTest::newRow("deflection above the allowable") << int(RowFmax) << 20.0004 << "20,000" << red;
        QTest::newRow("deflection below a thousandth") << int(RowFmax) << 0.0009 << "< 0,001" << normal;
        QTest::newRow("deflection limit shown") << int(RowFzul) << 14.945018796992482 << "20,000" << untouched;
        QTest::newRow("no limit for a negligible deflection") << int(RowFzul) << 0.0009 << "Nicht erforderl." << untouched;
        // clang-format on
    }
    void eachRowShowsItsThresholdsAndRedMarks() {
        QFETCH(int, row);
        QFETCH(double, value);

        CalculationValues v = uniformRun();
        BeamResult& r = v.result;
        double* const quantity[] = {&r.FA,     &r.FB,     nullptr,    nullptr, &r.Mb,
                                    &r.sigmax, &r.sigzul, &r.sicvorh, &r.fmax, &r.fmax};
        *quantity[row] = value;
        const ResultView view = evaluateResults(v, ',');
        QTEST(text(view, std::size_t(row)), "text");
        QTEST(view.rows[std::size_t(row)].colour, "colour");
        QCOMPARE(view.rows[RowSigzul].colour, untouched);
    }

    void totalLoadAndSpanRowsFollowTheLoadCase_data() {
        QTest::addColumn<CalculationValues>("values");
        QTest::addColumn<QString>("totalLoad");
        QTest::addColumn<bool>("spanShown");
        QTest::addColumn<QString>("span");

        // lastfall, q0, plusq, la, lb, l; (0.601 + 10) * 6 = 63.606.
        // clang-format off
        QTest::newRow("uniform load: q times the typed span") << loadCase(1, 601, 10, 0, 0, 6) << "63,6060" << false << "<untouched>";
        QTest::newRow("uniform load: tiny total, no threshold") << loadCase(1, 0, 1e-6, 0, 0, 1) << "0,0000" << false << "<untouched>";
        QTest::newRow("point load: q times la + lb, span shown") << loadCase(2, 601, 10, 2.5, 3.5, 6) << "63,6060" << true << "6,0000";
        QTest::newRow("point load: tiny total shows the threshold") << loadCase(2, 0, 1e-6, 1, 1, 2) << "< 0,0001" << true << "2,0000";
        // clang-format on
    }
    void totalLoadAndSpanRowsFollowTheLoadCase() {
        QFETCH(CalculationValues, values);
        const ResultView view = evaluateResults(values, ',');
        QTEST(text(view, RowTotalLoad), "totalLoad");
        QTEST(view.spanRowShown, "spanShown");
        QTEST(text(view, RowSpan), "span");
    }

    void verdictFailsOnlyWhenALimitIsStrictlyExceeded_data() {
        QTest::addColumn<double>("sigmax");
        QTest::addColumn<double>("fmax");
        QTest::addColumn<bool>("pass");
        QTest::addColumn<bool>("stressFailed");
        QTest::addColumn<bool>("deflectionFailed");

        // Against sigzul 220 and fzul 20.
        QTest::newRow("both below") << 83.692 << 14.945 << true << false << false;
        QTest::newRow("both exactly at the limit") << 220.0 << 20.0 << true << false << false;
        QTest::newRow("stress just above") << 220.0000001 << 14.945 << false << true << false;
        QTest::newRow("deflection just above") << 83.692 << 20.0000001 << false << false << true;
        QTest::newRow("both above") << 429.488 << 136.345 << false << true << true;
    }
    void verdictFailsOnlyWhenALimitIsStrictlyExceeded() {
        QFETCH(double, sigmax);
        QFETCH(double, fmax);
        QFETCH(bool, pass);

        CalculationValues v = uniformRun();
        v.result.sigmax = sigmax;
        v.result.fmax = fmax;
        const ResultView view = evaluateResults(v, ',');
        const ReportSetup& report = view.report;
        QCOMPARE(view.verdict, pass ? Verdict::Pass : Verdict::Fail);
        QTEST(view.stressFailed, "stressFailed");
        QTEST(view.deflectionFailed, "deflectionFailed");
        QCOMPARE(report.beendTabPosition, pass ? 0 : 1);
        QCOMPARE(report.neuBerechTabPosition, pass ? 1 : 0);
        QCOMPARE(report.background, pass ? 0x00C000u : 0xFF0000u);
        QCOMPARE(report.goodFace, pass);
        QCOMPARE(report.warningSound, !pass);
        QCOMPARE(QString::fromUtf8(report.message.data(), report.message.size()),
                 pass ? "OK.," + QString(22, ' ') + "Alle Werte zulässig!"
                      : "Warnung!" + QString(18, ' ') + "Wert(e) unzulässig!");
    }

    // Every section goes through the same calculation as when it is chosen and computed, and
    // the lightest passing one comes first. The expected sections were worked out by hand.
    void comparisonGivesEachSectionItsOwnVerdict_data() {
        using F = InputField;
        QTest::addColumn<InputTexts>("texts");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("lightest");
        QTest::newRow("pass on IPB 200; IPB 160 bends too far")
            << typed({{F::plusq, "10"}, {F::l, "6"}, {F::sic, "1,5"}}) << 300 << "200";
        QTest::newRow("stress fails on IPB 200")
            << typed({{F::plusq, "30"}, {F::l, "4"}, {F::sic, "4"}}) << 300 << "240";
        QTest::newRow("deflection governs up to IPB 300")
            << typed({{F::plusq, "30"}, {F::l, "8"}, {F::sic, "1,5"}}) << 300 << "360";
        QTest::newRow("point load: deflection fails on IPB 200")
            << typed({{F::plusq, "10"}, {F::F, "50"}, {F::la, "3"}, {F::lb, "2"}, {F::sic, "1,5"}})
            << 300 << "240";
        QTest::newRow("no section holds")
            << typed({{F::plusq, "250"}, {F::l, "40"}, {F::sic, "1"}}) << 1000 << "";
    }
    void comparisonGivesEachSectionItsOwnVerdict() {
        QFETCH(InputTexts, texts);
        QFETCH(int, limit);
        QFETCH(QString, lightest);
        const LoadCase loadCase =
            texts.isVisible(InputField::F) ? LoadCase::PointLoad : LoadCase::UniformLoad;
        const CheckRequest request =
            checkRequest(loadCase, {}, static_cast<DeflectionLimit>(limit), texts);
        const SectionComparison comparison = compareSections(request);
        int firstPassing = -1;
        for (std::size_t i = 0; i < comparison.size(); ++i) {
            CheckRequest withSection = request;
            withSection.section = {i};
            const CalculationOutcome single = calculate(withSection);
            QVERIFY(single.succeeded());
            QCOMPARE(comparison[i].section, &kSectionTable[i]);
            QCOMPARE(comparison[i].passes(), single.calculation->view.verdict == Verdict::Pass);
            QCOMPARE(text(comparison[i].outcome.calculation->view, RowSigmax),
                     text(single.calculation->view, RowSigmax));
            if (firstPassing < 0 && comparison[i].passes()) {
                firstPassing = static_cast<int>(i);
            }
        }
        QCOMPARE(lightestPassing(comparison), firstPassing);
        QCOMPARE(firstPassing < 0 ? QString()
                                  : QString::fromUtf8(kSectionTable[firstPassing].Size.data(), 3),
                 lightest);
    }

    void pointSeparatorChangesNumbersButNotFixedTexts() {
        CalculationValues v = uniformRun();
        v.result.FB = 0;
        v.result.fmax = 0;
        const ResultView view = evaluateResults(v, '.');
        QCOMPARE(text(view, RowFA), "31.8030");
        QCOMPARE(text(view, RowFB), "< 0,0001");
        QCOMPARE(text(view, RowSigzul), "220.000");
        QCOMPARE(text(view, RowFmax), "< 0,001");
        QCOMPARE(text(view, RowFzul), "Nicht erforderl.");
    }
};

QTEST_GUILESS_MAIN(TestResultEvaluation)
#include "test_result_evaluation.moc"
