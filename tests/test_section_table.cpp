#include "section_table.h"

#include <QTest>

#include <cmath>
#include <cstdlib>
#include <string>

using namespace ipb;

static QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), s.size());
}

class TestSectionTable : public QObject {
    Q_OBJECT

  private slots:
    void everyRowCarriesItsTabulatedValuesAndCaptions_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("Ix");
        QTest::addColumn<int>("Wx");
        QTest::addColumn<int>("q0");
        QTest::addColumn<QString>("WxShown"); // empty: the caption shows the stored Wx
        QTest::addColumn<QString>("q0Text");  // empty: checked against the stored weight only
        // clang-format off
        QTest::newRow("IPB 100 shows Wx 89.9") << 0 << "  100" << 450 << 90 << 200 << "89.9" << " q0=200,124 N/m ";
        QTest::newRow("IPB 120") << 1 << "  120" << 864 << 144 << 262 << "" << "";
        QTest::newRow("IPB 160 without blank before N/m") << 2 << "  160" << 2490 << 311 << 418 << "" << " q0=417,906N/m ";
        QTest::newRow("IPB 200") << 3 << "  200" << 5700 << 570 << 601 << "" << " q0=601,353 N/m ";
        QTest::newRow("IPB 240") << 4 << "  240" << 11260 << 938 << 816 << "" << "";
        QTest::newRow("IPB 280") << 5 << "  280" << 19270 << 1380 << 1010 << "" << "";
        QTest::newRow("IPB 300") << 6 << "  300" << 25170 << 1680 << 1148 << "" << "";
        QTest::newRow("IPB 360 without blank before N/m") << 7 << "  360" << 43190 << 2400 << 1393 << "" << " q0=1393,02N/m ";
        QTest::newRow("IPB 400 without blank before N/m") << 8 << "  400" << 57680 << 2880 << 1521 << "" << " q0=1520,55N/m ";
        QTest::newRow("IPB 450 with Ix 79890") << 9 << "  450" << 79890 << 3550 << 1678 << "" << "";
        QTest::newRow("IPB 500") << 10 << "  500" << 107200 << 4290 << 1834 << "" << " q0=1834,47 N/m ";
        QTest::newRow("IPB 600") << 11 << "  600" << 171000 << 5700 << 2080 << "" << " q0=2079,72 N/m ";
        // clang-format on
    }
    void everyRowCarriesItsTabulatedValuesAndCaptions() {
        QFETCH(int, index);
        QFETCH(int, Ix);
        QFETCH(int, Wx);
        QFETCH(int, q0);
        QFETCH(QString, WxShown);
        QFETCH(QString, q0Text);

        const BeamSection& row = kSectionTable.at(static_cast<std::size_t>(index));
        QTEST(qs(row.listEntry), "entry");
        QCOMPARE(row.values.Ix, Ix);
        QCOMPARE(row.values.Wx, Wx);
        QCOMPARE(row.values.q0, q0);
        QCOMPARE(qs(row.IxText), " Ix=" + QString::number(Ix) + " cm^4 ");
        const QString wx = WxShown.isEmpty() ? QString::number(Wx) : WxShown;
        QCOMPARE(qs(row.WxText), " Wx=" + wx + " cm^3 ");

        const QString caption = qs(row.q0Text);
        if (!q0Text.isEmpty()) {
            QCOMPARE(caption, q0Text);
        }
        // The analysis computes with the caption's self weight rounded to whole N/m.
        QVERIFY(caption.startsWith(" q0=") && caption.endsWith("N/m "));
        const std::string number = caption.mid(4).replace(',', '.').toStdString();
        QCOMPARE(static_cast<int>(std::lround(std::strtod(number.c_str(), nullptr))), q0);
    }

    // The shape agrees with the tabulated values: flanges, web and the four root fillets give Iz
    // and Sx within 1 %, and their area of steel (7850 kg/m³, 9,81 m/s²) the self weight.
    void shapeGivesTheTabulatedValues_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < kSectionTable.size(); ++i) {
            QTest::addRow("IPB %s", kSectionTable[i].Size.data()) << int(i);
        }
    }
    void shapeGivesTheTabulatedValues() {
        QFETCH(int, index);
        const BeamSection& row = kSectionTable.at(std::size_t(index));
        const SectionDimensions& d = row.dimensions;
        const double fillet = (1 - M_PI / 4) * d.r * d.r; // mm², each
        const double offset =
            d.r * (10 - 3 * M_PI) / (12 - 3 * M_PI); // its centroid from the edges
        const double web = d.h - 2 * d.tf;
        const double area = 2 * d.b * d.tf + web * d.tw + 4 * fillet;
        const double Iz = (2 * d.tf * std::pow(d.b, 3) / 12 + web * std::pow(d.tw, 3) / 12 +
                           4 * fillet * std::pow(d.tw / 2 + offset, 2)) /
                          1e4;
        const double Sx = (d.b * d.tf * (d.h - d.tf) / 2 + d.tw * std::pow(web / 2, 2) / 2 +
                           2 * fillet * (web / 2 - offset)) /
                          1e3;
        const double q0 = std::strtod(qs(row.q0Tabulated).replace(',', '.').toUtf8(), nullptr);
        QVERIFY2(std::abs(Iz / d.Iz - 1) < 0.01, qPrintable(QString::number(Iz)));
        QVERIFY2(std::abs(Sx / d.Sx - 1) < 0.01, qPrintable(QString::number(Sx)));
        QVERIFY2(std::abs(area * 1e-6 * 7850 * 9.81 / q0 - 1) < 0.01,
                 qPrintable(QString::number(area)));
    }

    void onlyTheExactEntryFindsASectionButEveryTextNamesOne_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("expectedIndex"); // -1: no section
        QTest::addColumn<QString>("size");      // as the designations show it

        QTest::newRow("the first entry") << "  100" << 0 << "100";
        QTest::newRow("the entry a fresh window selects")
            << "  200" << kDefaultSectionIndex << "200";
        QTest::newRow("the last entry") << "  600" << 11 << "600";
        QTest::newRow("the bare size is not an entry") << "200" << -1 << "200";
        QTest::newRow("one leading blank is not enough") << " 200" << -1 << "200";
        QTest::newRow("a trailing blank spoils the entry") << "  200 " << -1 << "00 ";
        QTest::newRow("a size not in the series") << "  220" << -1 << "220";
        QTest::newRow("any text names its last three characters") << "xx 1a5" << -1 << "1a5";
    }
    void onlyTheExactEntryFindsASectionButEveryTextNamesOne() {
        QFETCH(QString, entry);
        QFETCH(int, expectedIndex);
        QFETCH(QString, size);

        const std::string text = entry.toStdString();
        const BeamSection* expected =
            expectedIndex < 0 ? nullptr : &kSectionTable.at(std::size_t(expectedIndex));
        QCOMPARE(findSection(text), expected);
        const SectionChoice choice = chooseSection(text);
        QCOMPARE(choice.section, expected);
        QCOMPARE(QString::fromStdString(choice.designationDin), "IPB " + size + " DIN 1025");
        QCOMPARE(QString::fromStdString(choice.designationEuro), "HE " + size + " B (EuroN)");
    }
};

QTEST_GUILESS_MAIN(TestSectionTable)
#include "test_section_table.moc"
