// The results and report windows after real calculations typed into the input window. The
// expected figures were worked out by hand from the beam formulas, not by this program.

#include "gui_session.h"
#include "sound_cue.h"

#include <QDir>
#include <QSignalSpy>
#include <QTableWidget>

namespace {

QColor textColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TestResultWindows : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { useGermanLocale(); }

    // Every row's text, the red marks of stress, safety and deflection, and the verdict with
    // its report: colour, face, message, focused button and the warning sound.
    void calculationShowsRowsAndVerdict_data() {
        QTest::addColumn<int>("loadCase");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<int>("sectionRow");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QStringList>("texts"); // "" where the row shows no value
        QTest::addColumn<QString>("red");       // rows (1-based digits, 0 = row 10) in red
        QTest::addColumn<bool>("pass");

        QTest::newRow("uniform load, pass")
            << 1 << kUniformPass << 3 << "Option_fmax300"
            << QStringList{"31,8030", "31,8030", "63,6060", "",       "47,7045",
                           "83,692",  "220,000", "3,943",   "14,945", "20,000"}
            << "" << true;
        QTest::newRow("uniform load, fails on stress and deflection")
            << 1 << kUniformFail << 3 << "Option_fmax300"
            << QStringList{"122,4040", "122,4040", "244,8080", "",        "244,8080",
                           "429,488",  "220,000",  "0,768",    "136,345", "26,667"}
            << "689" << false;
        QTest::newRow("point load, fails on deflection")
            << 2 << kPointFail << 3 << "Option_fmax300"
            << QStringList{"46,5025", "56,5025", "53,0050", "5,0000", "93,1281",
                           "163,383", "220,000", "2,020",   "17,493", "16,667"}
            << "9" << false;
        QTest::newRow("point load in the middle, no +q, pass")
            << 2
            << Inputs{{"TextInput_F", "10"},
                      {"TextInput_la", "1"},
                      {"TextInput_lb", "1"},
                      {"TextInput_nue", "1"}}
            << 3 << "Option_fmax300"
            << QStringList{"5,6010", "5,6010",  "1,2020", "2,0000", "5,3005",
                           "9,299",  "330,000", "35,487", "0,150",  "6,667"}
            << "" << true;
        QTest::newRow("size 600 at 1/1000: huge safety, no deflection worth a limit")
            << 1 << Inputs{{"TextInput_plusq", "0"}, {"TextInput_l", "1"}, {"TextInput_nue", "10"}}
            << 11 << "Option_Fmax1000"
            << QStringList{"1,0400", "1,0400", "2,0800", "",        "0,2600",
                           "0,046",  "33,000", "> 1000", "< 0,001", "Nicht erforderl."}
            << "" << true;
        QTest::newRow("size 100 at the input limits: stress beyond the table")
            << 2
            << Inputs{{"TextInput_F", "10000"},
                      {"TextInput_plusq", "250"},
                      {"TextInput_la", "20"},
                      {"TextInput_lb", "20"},
                      {"TextInput_nue", "1"}}
            << 0 << "Option_Fmax1000"
            << QStringList{"10004,0000", "10004,0000", "10008,0000", "40,0000",      "150040,0000",
                           "> 1000",     "330,000",    "< 0,001",    "22934744,268", "40,000"}
            << "689" << false;
    }
    void calculationShowsRowsAndVerdict() {
        QFETCH(int, loadCase);
        QFETCH(Inputs, inputs);
        QFETCH(int, sectionRow);
        QFETCH(QString, limit);
        QFETCH(QStringList, texts);
        QFETCH(QString, red);
        QFETCH(bool, pass);
        Session s;
        s.compute(inputs, loadCase, sectionRow, qPrintable(limit));
        QVERIFY(s.shown("FrmErgAusg"));

        for (int row = 0; row < 10; ++row) {
            QLabel* value = s.label("FrmErgAusg", kValueLabels[row]);
            if (texts[row].isEmpty()) {
                QVERIFY2(value->isHidden(), kValueLabels[row]);
            } else {
                QVERIFY2(!value->isHidden(), kValueLabels[row]);
                QCOMPARE(value->text(), texts[row]);
            }
        }
        const QColor normal = QApplication::palette().color(QPalette::ButtonText);
        for (int row : {5, 7, 8}) {
            const bool isRed = red.contains(QString::number((row + 1) % 10));
            QCOMPARE(textColour(s.label("FrmErgAusg", kValueLabels[row])),
                     isRed ? QColor(255, 0, 0) : normal);
        }
        auto* results = s.window("FrmErgAusg");
        QCOMPARE(results->findChildren<QLabel*>().size(), 20);
        // Row 4 shows a greyed caption and no value without a point load.
        for (QLabel* caption : results->findChildren<QLabel*>()) {
            if (caption->property("index").toInt() == 3 && caption->objectName() == "LabErg3") {
                QCOMPARE(caption->isEnabled(), loadCase == 2);
            }
        }

        QWidget* report = s.window("FrmReport");
        QVERIFY(report && report->isHidden());
        QCOMPARE(report->palette().color(QPalette::Window),
                 pass ? QColor(0x00, 0xC0, 0x00) : QColor(0xFF, 0x00, 0x00));
        QCOMPARE(s.control<ipb::ImageControl>("FrmReport", "GutBild")->isHidden(), !pass);
        QCOMPARE(s.control<ipb::ImageControl>("FrmReport", "SchlechtBild")->isHidden(), pass);
        QCOMPARE(s.label("FrmReport", "LabMeldung")->text(),
                 pass ? QString("OK.,                      Alle Werte zulässig!")
                      : QString("Warnung!                  Wert(e) unzulässig!"));

        QTest::mouseClick(s.button("FrmErgAusg", "CmdReport"), Qt::LeftButton);
        QVERIFY(s.shown("FrmReport"));
        QVERIFY(QTest::qWaitForWindowActive(report));
        QCOMPARE(focusName(), pass ? QString("CmdBeend") : QString("CmdNeuBerech"));
    }

    // The warning sounds once for every failed calculation, from the program's data folder, and
    // never for a pass.
    void warningSoundsForEachFail() {
        Session s;
        s.chooseLoadCase(1);
        QSignalSpy warnings(s.control<ipb::SoundCue>("FrmHaupt", "MMControl2"),
                            &ipb::SoundCue::started);
        for (const Inputs& inputs : {kUniformFail, kUniformFail, kUniformPass}) {
            s.compute(inputs);
            s.button("FrmErgAusg", "CmdReport")->click();
            s.button("FrmReport", "CmdNeuBerech")->click();
        }
        QCOMPARE(warnings.size(), 2);
#ifdef Q_OS_WIN // the program's own cue is in its resources there
        QCOMPARE(warnings[0][0].toString(), QString(":/cues/1_M_2.wav"));
#else
        QCOMPARE(warnings[0][0].toString(), QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                            "/../share/ipbtraeger/1_M_2.wav"));
#endif
    }

    // The four situations of one calculation cycle, and a pass after a fail showing only the
    // smiling face on green in a report window loaded afresh.
    void windowsFollowTheCalculationCycle() {
        Session s;
        s.chooseLoadCase(2);
        QVERIFY(!s.shown("FrmStart"));
        QVERIFY(s.window("FrmHaupt")->isEnabled());
        QVERIFY(!s.window("FrmErgAusg") && !s.window("FrmReport"));

        s.compute(kPointFail);
        QVERIFY(!s.window("FrmHaupt")->isEnabled());
        // The greyed input window, clicked, hands the front back to the results (and below to
        // the report, once open): they can never be lost behind it.
        s.window("FrmHaupt")->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), s.window("FrmErgAusg"));
        QVERIFY(s.button("FrmHaupt", "CmdBerech")->isHidden());
        QVERIFY(!s.button("FrmHaupt", "CmdBack")->isEnabled());
        QVERIFY(s.button("FrmErgAusg", "CmdReport")->isEnabled());
        QVERIFY(s.button("FrmErgAusg", "CmdEnd1")->isEnabled());
        QPointer<QWidget> firstReport = s.window("FrmReport");
        QVERIFY(firstReport && firstReport->isHidden());

        s.button("FrmErgAusg", "CmdReport")->click();
        QVERIFY(!s.button("FrmErgAusg", "CmdReport")->isEnabled());
        QVERIFY(!s.button("FrmErgAusg", "CmdEnd1")->isEnabled());
        QVERIFY(s.shown("FrmReport") && s.shown("FrmErgAusg"));
        s.window("FrmHaupt")->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), s.window("FrmReport"));

        s.button("FrmReport", "CmdNeuBerech")->click();
        QVERIFY(!s.window("FrmReport"));
        QVERIFY(s.shown("FrmErgAusg"));
        QVERIFY(!s.button("FrmErgAusg", "CmdReport")->isEnabled());
        QVERIFY(s.window("FrmHaupt")->isEnabled());
        QPushButton* berech = s.button("FrmHaupt", "CmdBerech");
        QVERIFY(!berech->isHidden() && !berech->isEnabled());
        QVERIFY(s.button("FrmHaupt", "CmdBack")->isEnabled());
        QCOMPARE(s.box("TextInput_F")->text(), QString("50"));
        QCOMPARE(s.box("TextInput_F")->cursorPosition(), 0);
        QTRY_COMPARE(focusName(), QString("TrgWahl"));
        QTRY_VERIFY_WITH_TIMEOUT(berech->isEnabled(), 300);

        s.type("TextInput_la", "2");
        s.type("TextInput_lb", "2");
        QTest::mouseClick(berech, Qt::LeftButton);
        QCOMPARE(s.label("FrmErgAusg", "LabErgMaxf")->text(), QString("8,522"));
        QVERIFY(s.button("FrmErgAusg", "CmdReport")->isEnabled());
        s.button("FrmErgAusg", "CmdReport")->click();
        QTRY_VERIFY(!firstReport); // the fail report is gone
        QCOMPARE(s.window("FrmReport")->palette().color(QPalette::Window), QColor(0, 0xC0, 0));
        QVERIFY(!s.control<ipb::ImageControl>("FrmReport", "GutBild")->isHidden());
        QVERIFY(s.control<ipb::ImageControl>("FrmReport", "SchlechtBild")->isHidden());
    }

    // Ctrl+L on a failed check, from the report, proposes the lightest section that holds;
    // Enter takes it: the report closes and the results show that section's figures, the
    // uniform load's part by hand: q = 10,816, FA = 2,5 q + 20, Mb = 25 q / 8 + 60 = 93,8.
    void lightestSectionIsOneKeyAway() {
        Session s;
        s.compute(kPointFail, 2);
        s.button("FrmErgAusg", "CmdReport")->click();
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmReport")));
        QTest::keyClick(s.window("FrmReport"), Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(s.window("FrmProfilwahl"));
        QCOMPARE(s.label("FrmProfilwahl", "LabEmpfehlung")->text(),
                 QString("Leichtestes Profil, das alle untersuchten Nachweise erfüllt: IPB 240 "
                         "(nicht untersucht: Lasteinleitung, Querlast und Biegung unter F)"));
        QCOMPARE(s.label("FrmProfilwahl", "LabWeitere")->text(),
                 QString("Nach dem Urteil der vier Fenster allein: IPB 240\n"
                         "Nach DIN EN 1993-1-1 allein: IPB 240"));
        auto* table = s.control<QTableWidget>("FrmProfilwahl", "TabProfile");
        QCOMPARE(table->currentRow(), 4);
        QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
        const QStringList shown{"IPB 200", "601",    "163,383", "74,3 %",  "17,493",
                                "105,0 %", "64,0 %", "91,8 %",  "114,8 %", "unzulässig"};
        // Every utilisation over 100 % in red, the verdict's own deflection included.
        const QList<int> red{5, 8, 9};
        for (int column = 0; column < shown.size(); ++column) {
            QCOMPARE(table->item(3, column)->text(), shown[column]);
            QCOMPARE(table->item(3, column)->foreground().color() == QColor(0xFF, 0, 0),
                     red.contains(column));
        }
        QTest::keyClick(table, Qt::Key_Return);
        QTRY_VERIFY(!s.window("FrmProfilwahl"));
        QVERIFY(!s.window("FrmReport") || !s.window("FrmReport")->isVisible());
        QCOMPARE(s.control<QListWidget>("FrmHaupt", "TrgWahl")->currentRow(), 4);
        QCOMPARE(s.label("FrmErgAusg", "LabErgFa")->text(), QString("47,0400"));
        QCOMPARE(s.label("FrmErgAusg", "LabErgSigmax")->text(), QString("100,000"));
        QVERIFY(s.button("FrmErgAusg", "CmdReport")->isEnabled());
    }

    // The table compares the calculation on display; what was typed after "Neue Rechnung" and
    // not computed enters neither the table nor the section taken, and the boxes then show what
    // was taken. IPB 200, +q 10, l 6: σ = 83,692 (by hand, the first case of the statics).
    void sectionTakenIsTheRowShown() {
        Session s;
        s.compute(kUniformPass, 1);
        s.button("FrmErgAusg", "CmdReport")->click();
        s.button("FrmReport", "CmdNeuBerech")->click();
        s.type("TextInput_plusq", "30");
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(s.window("FrmProfilwahl"));
        auto* table = s.control<QTableWidget>("FrmProfilwahl", "TabProfile");
        table->setCurrentCell(3, 0);
        const QString rowStress = table->item(3, 2)->text();
        QCOMPARE(rowStress, QString("83,692"));
        QTest::keyClick(table, Qt::Key_Return);
        QTRY_VERIFY(!s.window("FrmProfilwahl"));
        QCOMPARE(s.label("FrmErgAusg", "LabErgSigmax")->text(), rowStress);
        QCOMPARE(s.box("TextInput_plusq")->text(), QString("10"));
    }

    // "Zurück" discards the results; the other load case starts with a fresh results window.
    void backAfterResultsStartsAFreshResultsWindow() {
        Session s;
        s.compute(kUniformPass, 1);
        QPointer<QWidget> firstResults = s.window("FrmErgAusg");
        s.button("FrmErgAusg", "CmdReport")->click();
        s.button("FrmReport", "CmdNeuBerech")->click();
        s.button("FrmHaupt", "CmdBack")->click();
        QVERIFY(s.shown("FrmStart"));
        QVERIFY(!s.window("FrmErgAusg") && !s.window("FrmReport") && !s.window("FrmHaupt"));
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmStart")));

        s.compute(kPointFail, 2);
        QTRY_VERIFY(!firstResults);
        QVERIFY(!s.label("FrmErgAusg", "LabErgL")->isHidden());
        QCOMPARE(s.label("FrmErgAusg", "LabErgL")->text(), QString("5,0000"));
        QVERIFY(s.label("FrmErgAusg", "LabErg3")->isEnabled());
    }

    // Double-clicking the smiling face tells who made the program; the frowning face is mute.
    void smilingFaceShowsInfo() {
        Session s;
        s.compute(kUniformPass, 1);
        s.button("FrmErgAusg", "CmdReport")->click();
        s.expectMessage("Info:");
        QTest::mouseDClick(s.control<ipb::ImageControl>("FrmReport", "GutBild"), Qt::LeftButton);
        QCOMPARE(s.messages.seen.size(), 1);
        QCOMPARE(s.messages.seen[0].title, QString("Info:"));
        QCOMPARE(
            s.messages.seen[0].text.split('\n'),
            QStringList({"Program designed by Quenstrand", "New program writer in the world ..."}));
        QCOMPARE(s.messages.seen[0].icon, QMessageBox::Information);

        s.button("FrmReport", "CmdNeuBerech")->click();
        s.compute(kUniformFail);
        s.button("FrmErgAusg", "CmdReport")->click();
        QTest::mouseDClick(s.control<ipb::ImageControl>("FrmReport", "SchlechtBild"),
                           Qt::LeftButton);
        QCOMPARE(s.messages.seen.size(), 1);
    }

    // The result windows are left only through their buttons; "Beenden" ends the program.
    void resultWindowsIgnoreCloseRequests() {
        Session s;
        s.compute(kUniformPass, 1);
        s.window("FrmErgAusg")->close();
        s.button("FrmErgAusg", "CmdReport")->click();
        s.window("FrmReport")->close();
        QVERIFY(s.shown("FrmErgAusg") && s.shown("FrmReport"));
        QVERIFY(!s.program.hasEnded());
        s.button("FrmReport", "CmdBeend")->click();
        QVERIFY(s.program.hasEnded());
        QVERIFY(!s.shown("FrmErgAusg") && !s.shown("FrmReport"));
    }

    // Numbers follow the user's decimal separator; the fixed texts keep their comma.
    void numbersFollowTheLocale() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Session s;
        s.compute({{"TextInput_plusq", "0"}, {"TextInput_l", "1"}, {"TextInput_nue", "10"}}, 1, 11);
        useGermanLocale();
        QCOMPARE(s.label("FrmErgAusg", "LabErgFa")->text(), QString("1.0400"));
        QCOMPARE(s.label("FrmErgAusg", "LabErgMaxf")->text(), QString("< 0,001"));
    }
};

QTEST_MAIN(TestResultWindows)
#include "test_result_windows.moc"
