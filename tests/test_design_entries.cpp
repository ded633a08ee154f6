// "Bemessung…" read without a window: what each box takes, the first box refused with its
// exact message, and what the uniform-load case leaves as it was.

#include "design_entries.h"

#include <QTest>

using namespace ipb;

Q_DECLARE_METATYPE(DesignData)

namespace {

// What the dialog held before, different from anything typed below.
const DesignData kBefore{SteelGrade::S355, 7, 77, true, 1, 2, 3};

QString message(const char* name, const char* range) {
    return QString::fromUtf8(name) + ": bitte eine Zahl von 0 bis " + range + " eingeben.";
}

} // namespace

class TestDesignEntries : public QObject {
    Q_OBJECT

  private slots:
    void readsTheEntries_data() {
        QTest::addColumn<QStringList>("boxes"); // g,k, G,k, s,s at A, at B, under F
        QTest::addColumn<bool>("pointLoad");
        QTest::addColumn<int>("grade");
        QTest::addColumn<DesignData>("design"); // when accepted
        QTest::addColumn<int>("box");           // the one refused, or -1
        QTest::addColumn<QString>("message");
        const auto gk = int(DesignBox::PermanentUniform), Gk = int(DesignBox::PermanentPoint),
                   A = int(DesignBox::BearingA), B = int(DesignBox::BearingB),
                   F = int(DesignBox::BearingF);
        const QString gkRange = message("davon ständig g,k", "250 kN/m");
        const QString GkRange = message("davon ständig G,k", "10000 kN");
        const QString ARange = message("Lagerlänge s,s am Auflager A", "1000 mm");
        const QString BRange = message("Lagerlänge s,s am Auflager B", "1000 mm");
        const QString FRange = message("Lagerlänge s,s unter F", "1000 mm");
        const DesignData none{};
        // clang-format off
        QTest::newRow("comma and point, a digit on either side")
            << QStringList{"2,5", "10.25", "100", ",5", "5."} << true << 1
            << DesignData{SteelGrade::S275, 2.5, 10.25, false, 100, 0.5, 5} << -1 << QString();
        QTest::newRow("empty boxes: no parts, no bearings")
            << QStringList{"", "", "", "", ""} << true << 0 << none << -1 << QString();
        QTest::newRow("pasted blanks around, no-break space too")
            << QStringList{" 3 ", "\u00a02\t", "", "", ""} << true << 0
            << DesignData{SteelGrade::S235, 3, 2, false, {}, {}, {}} << -1 << QString();
        QTest::newRow("every top and zero")
            << QStringList{"250", "10000", "1000", "1000,0", "0"} << true << 2
            << DesignData{SteelGrade::S355, 250, 10000, false, 1000, 1000, 0} << -1 << QString();
        QTest::newRow("uniform load: G,k and under F kept, whatever the hidden boxes hold")
            << QStringList{"1", "99999", "", "", "abc"} << false << 0
            << DesignData{SteelGrade::S235, 1, 77, false, {}, {}, 3} << -1 << QString();
        QTest::newRow("an unknown grade is S235")
            << QStringList{"", "", "", "", ""} << false << -1
            << DesignData{SteelGrade::S235, 0, 77, false, {}, {}, 3} << -1 << QString();
        QTest::newRow("g,k above its top") << QStringList{"250,01", "", "", "", ""} << true << 0 << none << gk << gkRange;
        QTest::newRow("g,k two separators") << QStringList{"2,5.1", "", "", "", ""} << true << 0 << none << gk << gkRange;
        QTest::newRow("g,k a separator alone") << QStringList{",", "", "", "", ""} << true << 0 << none << gk << gkRange;
        QTest::newRow("G,k above its top") << QStringList{"", "10000.5", "", "", ""} << true << 0 << none << Gk << GkRange;
        QTest::newRow("G,k thousands blank") << QStringList{"", "1 000", "", "", ""} << true << 0 << none << Gk << GkRange;
        QTest::newRow("at A above its top") << QStringList{"", "", "1000,5", "", ""} << true << 0 << none << A << ARange;
        QTest::newRow("at B a sign") << QStringList{"", "", "", "-1", ""} << true << 0 << none << B << BRange;
        QTest::newRow("at B a plus sign") << QStringList{"", "", "", "+1", ""} << true << 0 << none << B << BRange;
        QTest::newRow("under F an exponent") << QStringList{"", "", "", "", "1e2"} << true << 0 << none << F << FRange;
        QTest::newRow("under F letters") << QStringList{"", "", "", "", "inf"} << true << 0 << none << F << FRange;
        QTest::newRow("the first bad box is named")
            << QStringList{"", "", "x", "", "2000"} << true << 0 << none << A << ARange;
        // clang-format on
    }
    void readsTheEntries() {
        QFETCH(QStringList, boxes);
        QFETCH(bool, pointLoad);
        QFETCH(int, grade);
        QFETCH(DesignData, design);
        QFETCH(int, box);
        QFETCH(QString, message);
        DesignEntries entries;
        for (std::size_t i = 0; i < kDesignBoxCount; ++i) {
            entries.boxes[i] = boxes[int(i)].toStdString();
        }
        entries.pointLoadShown = pointLoad;
        entries.gradeIndex = grade;
        const auto read = readDesignEntries(entries, kBefore);
        if (box < 0) {
            QVERIFY(std::holds_alternative<DesignData>(read));
            QVERIFY(std::get<DesignData>(read) == design);
        } else {
            QVERIFY(std::holds_alternative<DesignRejection>(read));
            QCOMPARE(int(std::get<DesignRejection>(read).box), box);
            QCOMPARE(QString::fromStdString(std::get<DesignRejection>(read).message), message);
        }
    }
};

QTEST_GUILESS_MAIN(TestDesignEntries)
#include "test_design_entries.moc"
