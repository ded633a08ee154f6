#include "number_text.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace ipb;

class TestNumberText : public QObject {
    Q_OBJECT

  private slots:
    void readsTheNumberATextBeginsWith_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");

        const double inf = std::numeric_limits<double>::infinity();
        // clang-format off
        QTest::newRow("leading blanks, tabs and line feeds are skipped") << " \t\n 42" << 42.0;
        QTest::newRow("an explicit plus sign") << "+7" << 7.0;
        QTest::newRow("a minus sign") << "-3" << -3.0;
        QTest::newRow("blanks between digits are ignored") << "1 000 . 2 5" << 1000.25;
        QTest::newRow("a second point ends the number") << "1.2.3" << 1.2;
        QTest::newRow("a comma ends the number") << "1,5" << 1.0;
        QTest::newRow("trailing letters are ignored") << "12abc" << 12.0;
        QTest::newRow("a point without digits before it") << ".5" << 0.5;
        QTest::newRow("a point alone is no number") << "." << 0.0;
        QTest::newRow("an empty text is no number") << "" << 0.0;
        QTest::newRow("an exponent alone is no number") << "E5" << 0.0;
        QTest::newRow("exponent after E") << "1E3" << 1000.0;
        QTest::newRow("exponent after lower-case e with plus") << "2.5e+2" << 250.0;
        QTest::newRow("exponent after D") << "2D2" << 200.0;
        QTest::newRow("negative exponent after lower-case d") << "2d-2" << 0.02;
        QTest::newRow("a tenth is the double nearest to it") << "0.1" << 0.1;
        QTest::newRow("many zeros after the point") << "0.000000000000000000001" << 1e-21;
        QTest::newRow("more digits than a double holds") << "123456789012345678901234567890" << 1.2345678901234568e29;
        QTest::newRow("a huge exponent overflows to infinity") << "1E400" << inf;
        QTest::newRow("a huge negative number gives minus infinity") << "-1E400" << -inf;
        QTest::newRow("a tiny exponent underflows to zero") << "1E-400" << 0.0;
        QTest::newRow("an absurd exponent still gives infinity") << "1E99999999999999999999" << inf;
        QTest::newRow("no infinity word") << "inf" << 0.0;
        QTest::newRow("no not-a-number word") << "nan" << 0.0;
        QTest::newRow("no hexadecimal form, only its leading zero") << "0x1p3" << 0.0;
        // clang-format on
    }
    void readsTheNumberATextBeginsWith() {
        QFETCH(QString, text);
        QFETCH(double, expected);

        // Exact: the text's value rounded once to the nearest double.
        const double actual = numberFromText(text.toStdString());
        QVERIFY2(actual == expected, qPrintable(QStringLiteral("got %1, expected %2")
                                                    .arg(actual, 0, 'g', 17)
                                                    .arg(expected, 0, 'g', 17)));
    }

    void writesRoundedHalfAwayFromZeroOnFifteenDigits_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("no grouping of thousands") << 1234567.5 << 4 << ',' << "1234567,5000";
        QTest::newRow("the point as separator") << 1.5 << 3 << '.' << "1.500";
        QTest::newRow("zero has one integer digit") << 0.0 << 4 << ',' << "0,0000";
        QTest::newRow("2.675 rounds up though its double lies below") << 2.675 << 2 << ',' << "2,68";
        QTest::newRow("1.0005 rounds up though its double lies below") << 1.0005 << 3 << ',' << "1,001";
        QTest::newRow("a half at the fifth decimal rounds up") << 0.00005 << 4 << ',' << "0,0001";
        QTest::newRow("a carry runs into a new integer digit") << 999.99995 << 4 << ',' << "1000,0000";
        QTest::newRow("0.12345 at four places") << 0.12345 << 4 << ',' << "0,1235";
        QTest::newRow("just below a half rounds down") << 0.0004999 << 3 << ',' << "0,000";
        QTest::newRow("far below the last place") << 1e-7 << 3 << ',' << "0,000";
        QTest::newRow("a negative half rounds away from zero") << -2.0005 << 3 << ',' << "-2,001";
        QTest::newRow("a negative value rounding to zero has no sign") << -0.00004 << 4 << ',' << "0,0000";
        QTest::newRow("digits beyond the fifteenth do not count") << 123456789.123456789 << 4 << ',' << "123456789,1235";
        QTest::newRow("a large whole number") << 1e15 << 4 << ',' << "1000000000000000,0000";
        QTest::newRow("binary noise is hidden") << 0.1 + 0.2 << 4 << ',' << "0,3000";
        // clang-format on
    }
    void writesRoundedHalfAwayFromZeroOnFifteenDigits() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(char, separator);
        QTEST(QString::fromStdString(textFromNumber(value, decimals, separator)), "expected");
    }

    // Ten significant digits, never an exponent: each figure types into a pocket calculator.
    void writesFiguresPositionally_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("trailing zeros dropped") << 10.601 << "10,601";
        QTest::newRow("ten significant digits") << std::sqrt(7.0) << "2,645751311";
        QTest::newRow("a small figure") << 2.27e-5 << "0,0000227";
        QTest::newRow("a large figure") << 2810139788000.0 << "2810139788000";
        QTest::newRow("a negative small figure") << -1e-5 << "-0,00001";
        QTest::newRow("zero, also negative") << -0.0 << "0";
        QTest::newRow("rounding carries into a new digit") << 9.9999999999 << "10";
        // clang-format on
    }
    void writesFiguresPositionally() {
        QFETCH(double, value);
        QTEST(QString::fromStdString(germanNumber(value)), "expected");
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_number_text.moc"
