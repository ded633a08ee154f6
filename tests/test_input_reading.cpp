#include "input_reading.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace ipb;

namespace {

const auto F = InputField::F, q = InputField::plusq, la = InputField::la, lb = InputField::lb,
           l = InputField::l, sic = InputField::sic;

// Every box visible and acceptable, and stored values of an earlier run that differ from them.
InputTexts validTexts() {
    InputTexts texts;
    texts.text = {"50", "10", "3", "2", "6", "1,5"};
    texts.visible.fill(true);
    return texts;
}
const BeamInput oldValues{11, 12, 13, 14, 15, 1.25f, 300};

const QString kMessages[] = {
    "Unzulässige Eingabe 'F' ",    "Unzulässige Eingabe '+q ' ",
    "Unzulässige Eingabe ' la ' ", "Unzulässige Eingabe ' lb ' ",
    "Unzulässige Eingabe ' l ' ",  "Unzulässige Eingabe ' Mindestsicherheit ' "};

double stored(const BeamInput& in, InputField field) {
    const double values[] = {in.F, in.plusq, in.la, in.lb, in.l, in.sic};
    return values[static_cast<int>(field)];
}

} // namespace

class TestInputReading : public QObject {
    Q_OBJECT

  private slots:
    void eachFieldStoresItsValueBeforeTestingItsRange_data() {
        QTest::addColumn<InputField>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rejected");
        QTest::addColumn<double>("value"); // NaN: not checked

        // clang-format off
        QTest::newRow("F: comma as decimal separator") << F << "1,5" << false << 1.5;
        QTest::newRow("F: point as decimal separator") << F << "1.5" << false << 1.5;
        QTest::newRow("F: two separators rejected, first part stored") << F << "2,5.1" << true << 2.5;
        QTest::newRow("F: a thousands point is a decimal point") << F << "10.000" << false << 10.0;
        QTest::newRow("F: upper limit accepted") << F << "10000" << false << 10000.0;
        QTest::newRow("F: above the limit rejected but stored") << F << "10000,01" << true << 10000.01;
        QTest::newRow("F: empty is zero, rejected") << F << "" << true << 0.0;
        QTest::newRow("F: minus zero is zero, rejected") << F << "-0" << true << 0.0;
        QTest::newRow("F: pasted huge exponent rejected, stored finite") << F << "1E999" << true
                                                                        << std::numeric_limits<double>::max();
        QTest::newRow("+q: empty is zero, accepted") << q << "" << false << 0.0;
        QTest::newRow("+q: minus zero accepted as zero") << q << "-0" << false << 0.0;
        QTest::newRow("+q: comma alone is zero") << q << "," << false << 0.0;
        QTest::newRow("+q: leading comma") << q << ",5" << false << 0.5;
        QTest::newRow("+q: upper limit accepted") << q << "250" << false << 250.0;
        QTest::newRow("+q: above the limit rejected") << q << "250,5" << true << 250.5;
        QTest::newRow("la: trailing point") << la << "5." << false << 5.0;
        QTest::newRow("la: upper limit accepted") << la << "20" << false << 20.0;
        QTest::newRow("la: above the limit rejected") << la << "20,01" << true << 20.01;
        QTest::newRow("la: zero rejected") << la << "0" << true << 0.0;
        QTest::newRow("lb: above the limit rejected") << lb << "20,01" << true << 20.01;
        QTest::newRow("lb: empty rejected") << lb << "" << true << 0.0;
        QTest::newRow("l: upper limit accepted") << l << "40" << false << 40.0;
        QTest::newRow("l: above the limit rejected") << l << "40,01" << true << 40.01;
        QTest::newRow("safety: lower limit accepted") << sic << "1" << false << 1.0;
        QTest::newRow("safety: upper limit accepted") << sic << "10" << false << 10.0;
        QTest::newRow("safety: below one rejected") << sic << "0,99" << true << double(0.99f);
        QTest::newRow("safety: above ten rejected") << sic << "10,5" << true << 10.5;
        QTest::newRow("safety: stored in single precision") << sic << "1,7" << false << double(1.7f);
        // The limits apply to the single-precision value, and these round onto 1 and 10.
        QTest::newRow("safety: rounding onto one is accepted") << sic << "0,99999999" << false << 1.0;
        QTest::newRow("safety: rounding onto ten is accepted") << sic << "10,0000001" << false << 10.0;
        QTest::newRow("safety: beyond single precision rejected") << sic << "1E99" << true << qQNaN();
        // Negative values can only be pasted; every field rejects them with its own message.
        QTest::newRow("F: negative rejected") << F << "-3" << true << -3.0;
        QTest::newRow("+q: negative rejected") << q << "-3" << true << -3.0;
        QTest::newRow("la: negative rejected") << la << "-3" << true << -3.0;
        QTest::newRow("lb: negative rejected") << lb << "-3" << true << -3.0;
        QTest::newRow("l: negative rejected") << l << "-3" << true << -3.0;
        QTest::newRow("safety: negative rejected") << sic << "-3" << true << -3.0;
        // clang-format on
    }
    void eachFieldStoresItsValueBeforeTestingItsRange() {
        QFETCH(InputField, field);
        QFETCH(QString, text);
        QFETCH(bool, rejected);
        QFETCH(double, value);

        InputTexts texts = validTexts();
        texts[field] = text.toStdString();
        const InputReading reading = readInputs(texts, oldValues);

        QCOMPARE(reading.rejected.has_value(), rejected);
        if (rejected) {
            QCOMPARE(reading.rejected->field, field);
            const std::string_view message = reading.rejected->message;
            QCOMPARE(QString::fromUtf8(message.data(), message.size()), kMessages[int(field)]);
        } else { // the last box was read too
            QCOMPARE(reading.input.sic, field == sic ? float(value) : 1.5f);
        }
        if (!std::isnan(value)) {
            QCOMPARE(stored(reading.input, field), value);
        }
    }

    void onlyTheFirstRejectedFieldIsReportedAndLaterOnesKeepTheirValues() {
        InputTexts texts = validTexts(); // point-load case: l hidden
        texts.setVisible(l, false);
        texts[F] = "0";
        texts[la] = "99";
        const InputReading reading = readInputs(texts, oldValues);

        QVERIFY(reading.rejected.has_value());
        QCOMPARE(reading.rejected->field, F);
        QCOMPARE(reading.input.F, 0.0);
        QCOMPARE(reading.input.plusq, 12.0);
        QCOMPARE(reading.input.la, 13.0);
        QCOMPARE(reading.input.sic, 1.25f);
    }

    void hiddenBoxesAreNeverReadExceptTheSafety_data() {
        QTest::addColumn<InputField>("hidden");
        QTest::addColumn<bool>("rejected");
        QTest::addColumn<double>("value");

        // The uniform-load case hides F, la and lb; the point-load case hides l.
        QTest::newRow("hidden F keeps its old value") << F << false << 11.0;
        QTest::newRow("hidden la keeps its old value") << la << false << 13.0;
        QTest::newRow("hidden lb keeps its old value") << lb << false << 14.0;
        QTest::newRow("hidden l keeps its old value") << l << false << 15.0;
        QTest::newRow("a hidden safety box is still read") << sic << true << 0.0;
    }
    void hiddenBoxesAreNeverReadExceptTheSafety() {
        QFETCH(InputField, hidden);
        QFETCH(bool, rejected);

        InputTexts texts = validTexts();
        texts[hidden] = "junk";
        texts.setVisible(hidden, false);
        const InputReading reading = readInputs(texts, oldValues);

        QCOMPARE(reading.rejected.has_value(), rejected);
        QTEST(stored(reading.input, hidden), "value");
    }
};

QTEST_GUILESS_MAIN(TestInputReading)
#include "test_input_reading.moc"
