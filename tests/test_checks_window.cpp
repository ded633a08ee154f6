// Every check on screen: the window of all checks, the report's hint at what its verdict leaves
// out, and the section choice's proposal over all checks, for beams the four windows pass and
// other checks fail. The figures of the girder are those of the trial that found the fault.

#include "gui_session.h"
#include "sound_cue.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>

namespace {

// The table's rows as "Nachweis | Ausnutzung | Ergebnis", a heading row as its text alone.
QStringList tableRows(Session& s) {
    const auto* table = s.control<QTableWidget>("FrmNachweise", "TabNachweise");
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        const bool heading = table->columnSpan(row, 0) == table->columnCount();
        for (int column = 0; column < (heading ? 1 : table->columnCount()); ++column) {
            cells << table->item(row, column)->text();
        }
        rows << cells.join(" | ");
    }
    return rows;
}

} // namespace

class TestChecksWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { useGermanLocale(); }
    // The steel grade one test chose is remembered; the next starts afresh.
    void init() { QSettings("ipbtraeger", "ipbtraeger").clear(); }

    void everySurfaceSaysWhatFails_data() {
        QTest::addColumn<int>("loadCase");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<int>("sectionRow");
        QTest::addColumn<QString>("hint"); // empty: the report is as designed
        QTest::addColumn<QString>("overall");
        QTest::addColumn<QStringList>("rows"); // those that are asked, in the table's order
        QTest::newRow("girder: passes the verdict, fails in shear")
            << 2 << kGirder << kGirderRow
            << "Biegespannung und Durchbiegung zulässig; nicht erfüllt: Weitere Nachweise mit zul. "
               "σ = 330/ν (keine Norm): Schub, "
               "Vergleichsspannung. Strg+E zeigt alle Nachweise."
            << "Nicht erfüllt: Weitere Nachweise mit zul. σ = 330/ν (keine Norm): Schub, "
               "Vergleichsspannung."
            << QStringList{"Urteil der vier Fenster (zul. σ = 330/ν)",
                           "Biegespannung | 72,5 % | erfüllt",
                           "Weitere Nachweise mit zul. σ = 330/ν (keine Norm)",
                           "Schub | 107,7 % | nicht erfüllt",
                           "DIN EN 1993-1-1, S235",
                           "Lasteinleitung unter F | — | nicht untersucht"};
        QTest::newRow("fails in lateral-torsional buckling to the standard only")
            << 1 << kBucklesToStandard << kBucklingRow
            << "Biegespannung und Durchbiegung zulässig; nicht erfüllt: DIN EN 1993-1-1: "
               "Biegedrillknicken. Strg+E zeigt alle Nachweise."
            << "Nicht erfüllt: DIN EN 1993-1-1: Biegedrillknicken."
            << QStringList{"Durchbiegung | 98,6 % | erfüllt",
                           "Biegedrillknicken | 107,8 % | nicht erfüllt",
                           "Lasteinleitung Auflager B | — | nicht untersucht"};
        QTest::newRow("holds everything")
            << 1 << kUniformPass << 3 << ""
            << "Alle untersuchten Nachweise erfüllt; nicht untersucht: Lasteinleitung Auflager A, "
               "Lasteinleitung Auflager B."
            << QStringList{"Biegespannung | 38,0 % | erfüllt"};
    }
    void everySurfaceSaysWhatFails() {
        QFETCH(int, loadCase);
        QFETCH(Inputs, inputs);
        QFETCH(int, sectionRow);
        QFETCH(QString, hint);
        QFETCH(QStringList, rows);
        Session s;
        s.chooseLoadCase(loadCase);
        QSignalSpy warnings(s.control<ipb::SoundCue>("FrmHaupt", "MMControl2"),
                            &ipb::SoundCue::started);
        s.compute(inputs, 0, sectionRow);
        QWidget* report = activate(s, "FrmReport");
        QVERIFY(report);
        // Green, smiling and quiet only where no check fails; otherwise the designed fail,
        // although these beams pass the four windows' own values.
        const bool fails = !hint.isEmpty();
        QCOMPARE(report->palette().color(QPalette::Window),
                 fails ? QColor(0xFF, 0, 0) : QColor(0, 0xC0, 0));
        QCOMPARE(s.control<ipb::ImageControl>("FrmReport", "SchlechtBild")->isHidden(), !fails);
        QCOMPARE(s.label("FrmReport", "LabMeldung")->text(),
                 fails ? "Warnung!                  Wert(e) unzulässig!"
                       : "OK.,                      Alle Werte zulässig!");
        QCOMPARE(focusName(), fails ? "CmdNeuBerech" : "CmdBeend");
        QCOMPARE(warnings.size(), fails ? 1 : 0);
        QLabel* label = s.label("FrmReport", "LabHinweis");
        QCOMPARE(!label->isHidden(), !hint.isEmpty());
        if (hint.isEmpty()) {
            QCOMPARE(report->size(), QSize(318, 110));
        } else {
            QCOMPARE(label->text(), hint);
            QCOMPARE(report->height(), label->geometry().bottom() + 1 + label->x());
            QVERIFY(label->geometry().top() >=
                    s.button("FrmReport", "CmdBeend")->geometry().bottom());
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }

        QTest::keyClick(report, Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(s.shown("FrmNachweise"));
        QCOMPARE(s.window("FrmNachweise")->windowTitle(), "Trägerberechnung - Nachweise");
        const QStringList shown = tableRows(s);
        // Three headings and every check of the calculation on display.
        QCOMPARE(shown.size(),
                 3 + qsizetype(s.program.recordOnDisplay()->calculation->checks.size()));
        qsizetype at = -1;
        for (const QString& row : rows) {
            const qsizetype found = shown.indexOf(row);
            QVERIFY2(found > at, qPrintable(row + " in\n" + shown.join('\n')));
            at = found;
        }
        QTEST(s.label("FrmNachweise", "LabGesamturteil")->text(), "overall");
        QTRY_COMPARE(focusName(), "TabNachweise");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!s.shown("FrmNachweise"));
        // The keys go back to the report it was opened from.
        QTRY_COMPARE(QApplication::activeWindow(), report);
    }

    // Ctrl+E from the results window; the table follows changed design data, and so does the
    // report's hint; "Zurück" closes the window.
    void windowFollowsTheCheckOnDisplay() {
        Session s;
        s.compute(kBucklesToStandard, 1, kBucklingRow);
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(s.shown("FrmNachweise"));
        activate(s, "FrmReport");
        QVERIFY(!s.label("FrmReport", "LabHinweis")->isHidden());

        s.button("FrmNachweise", "CmdBemessung")->click();
        fillDesignDialog(s, {{"CboStahlsorte", "S355"}, {"ChkGehalten", "ja"}});
        const QStringList shown = tableRows(s);
        QVERIFY(shown.contains("DIN EN 1993-1-1, S355"));
        QVERIFY(shown.contains("Biegedrillknicken | — | entfällt"));
        QVERIFY(shown.contains("Kippen ohne seitliche Halterung | — | entfällt"));
        QCOMPARE(s.label("FrmNachweise", "LabGesamturteil")->text(),
                 "Alle untersuchten Nachweise erfüllt; nicht untersucht: Lasteinleitung Auflager "
                 "A, Lasteinleitung Auflager B.");
        QVERIFY(s.label("FrmReport", "LabHinweis")->isHidden());
        QCOMPARE(s.window("FrmReport")->palette().color(QPalette::Window), QColor(0, 0xC0, 0));
        QCOMPARE(s.window("FrmReport")->size(), QSize(318, 110));

        s.button("FrmReport", "CmdNeuBerech")->click();
        QVERIFY(s.shown("FrmNachweise")); // it still speaks of the results on screen
        s.button("FrmHaupt", "CmdBack")->click();
        QVERIFY(!s.shown("FrmNachweise"));
    }

    // "Zurück" starts a new beam: its position and member, its restraint, its load split and
    // bearings go; the project, the engineer and the steel grade stay.
    void backStartsANewBeam() {
        Session s;
        s.compute(kGirder, 2, kGirderRow);
        s.window("FrmErgAusg")->findChild<QAction*>("ActionPosition")->trigger();
        QTRY_VERIFY(s.shown("FrmPosition"));
        const QMap<QString, QString> position{{"TxtBauvorhaben", "Schule"},
                                              {"TxtPosition", "4"},
                                              {"TxtBauteil", "Sturz EG"},
                                              {"TxtBearbeiter", "M. Weber"}};
        for (auto p = position.begin(); p != position.end(); ++p) {
            s.control<QLineEdit>("FrmPosition", qPrintable(p.key()))->setText(p.value());
        }
        s.button("FrmPosition", "CmdPositionOk")->click();
        setDesign(s, {{"CboStahlsorte", "S355"},
                      {"ChkGehalten", "ja"},
                      {"TxtStaendigQ", "3"},
                      {"TxtLagerA", "100"}});
        s.button("FrmErgAusg", "CmdReport")->click();
        s.button("FrmReport", "CmdNeuBerech")->click();
        s.button("FrmHaupt", "CmdBack")->click();

        s.compute(kUniformPass, 1);
        s.window("FrmErgAusg")->findChild<QAction*>("ActionPosition")->trigger();
        QTRY_VERIFY(s.shown("FrmPosition"));
        for (auto p = position.begin(); p != position.end(); ++p) {
            const bool kept = p.key() == "TxtBauvorhaben" || p.key() == "TxtBearbeiter";
            QCOMPARE(s.control<QLineEdit>("FrmPosition", qPrintable(p.key()))->text(),
                     kept ? p.value() : QString());
        }
        s.button("FrmPosition", "CmdPositionAbbrechen")->click();
        s.window("FrmErgAusg")->findChild<QAction*>("ActionBemessung")->trigger();
        QTRY_VERIFY(s.shown("FrmBemessung"));
        // The grade is the engineer's habit; the restraint and the load height are the beam's.
        const auto startsAfresh = [](Session& session) {
            QTRY_VERIFY(session.shown("FrmBemessung"));
            QCOMPARE(session.control<QComboBox>("FrmBemessung", "CboStahlsorte")->currentText(),
                     "S355");
            QVERIFY(!session.control<QCheckBox>("FrmBemessung", "ChkGehalten")->isChecked());
            QCOMPARE(session.control<QComboBox>("FrmBemessung", "CboLastangriff")->currentText(),
                     "Obergurt");
            for (const char* box : {"TxtStaendigQ", "TxtLagerA"}) {
                QCOMPARE(session.control<QLineEdit>("FrmBemessung", box)->text(), QString());
            }
            session.button("FrmBemessung", "CmdBemessungAbbrechen")->click();
        };
        startsAfresh(s);
        setDesign(s, {{"ChkGehalten", "ja"}, {"CboLastangriff", "Untergurt"}});
        Session restarted;
        restarted.compute(kUniformPass, 1);
        restarted.window("FrmErgAusg")->findChild<QAction*>("ActionBemessung")->trigger();
        startsAfresh(restarted);
    }

    // A permanent part above its load is refused where it is typed; a load lowered below its
    // part afterwards is taken as wholly variable, and the window of all checks says so.
    void loadSplitRefusedAndLowered() {
        Session s;
        s.compute(kUniformPass, 1);
        s.expectMessage("Fehler:", "davon ständig g,k: höchstens +q = 10 kN/m.");
        s.window("FrmErgAusg")->findChild<QAction*>("ActionBemessung")->trigger();
        QTRY_VERIFY(s.shown("FrmBemessung"));
        s.control<QLineEdit>("FrmBemessung", "TxtStaendigQ")->setText("20");
        s.button("FrmBemessung", "CmdBemessungOk")->click();
        QTRY_COMPARE(s.messages.seen.size(), 1);
        QVERIFY(s.shown("FrmBemessung"));
        QCOMPARE(s.control<QLineEdit>("FrmBemessung", "TxtStaendigQ")->selectedText(), "20");
        fillDesignDialog(s, {{"TxtStaendigQ", "5"}});
        s.button("FrmErgAusg", "CmdReport")->click();
        s.button("FrmReport", "CmdNeuBerech")->click();
        s.compute({{"TextInput_plusq", "2"}});
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(s.shown("FrmNachweise"));
        QCOMPARE(s.label("FrmNachweise", "LabAnnahmen")->text(),
                 "g,k = 5 kN/m ist größer als +q = 2 kN/m: +q ganz veränderlich angesetzt "
                 "(sichere Seite).");
    }

    // The proposal holds every check; each way of checking alone is named beside it. Where no
    // section holds everything, the one on display stays chosen and Enter takes it.
    void sectionChoiceProposesWhatHoldsEverything_data() {
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QString>("proposal");
        QTest::addColumn<QString>("alone");
        QTest::addColumn<int>("selected");
        QTest::newRow("girder")
            << kGirder
            << "Leichtestes Profil, das alle untersuchten Nachweise erfüllt: IPB "
               "360 (nicht untersucht: Lasteinleitung, Querlast und Biegung unter F)"
            << "Nach dem Urteil der vier Fenster allein: IPB 280\n"
               "Nach DIN EN 1993-1-1 allein: IPB 300"
            << 7;
        QTest::newRow("nothing holds")
            << Inputs{{"TextInput_F", "10000"},
                      {"TextInput_plusq", "250"},
                      {"TextInput_la", "10"},
                      {"TextInput_lb", "10"},
                      {"TextInput_nue", "1,5"}}
            << "Kein Profil IPB 100 bis 600 erfüllt alle Nachweise."
            << "Nach dem Urteil der vier Fenster allein: kein Profil IPB 100 bis 600\n"
               "Nach DIN EN 1993-1-1 allein: kein Profil IPB 100 bis 600"
            << kGirderRow;
    }
    void sectionChoiceProposesWhatHoldsEverything() {
        QFETCH(Inputs, inputs);
        QFETCH(int, selected);
        Session s;
        s.compute(inputs, 2, kGirderRow);
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(s.window("FrmProfilwahl"));
        QTEST(s.label("FrmProfilwahl", "LabEmpfehlung")->text(), "proposal");
        QTEST(s.label("FrmProfilwahl", "LabWeitere")->text(), "alone");
        auto* table = s.control<QTableWidget>("FrmProfilwahl", "TabProfile");
        QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(table->currentRow(), selected);
        QVERIFY(s.button("FrmProfilwahl", "CmdUebernehmen")->isEnabled());
        // The girder's own section passes the four windows but not every check.
        const int verdict = table->columnCount() - 1;
        QCOMPARE(table->item(kGirderRow, verdict)->text(), "unzulässig");
        QTest::keyClick(table, Qt::Key_Return);
        QTRY_VERIFY(!s.window("FrmProfilwahl"));
        QCOMPARE(s.control<QListWidget>("FrmHaupt", "TrgWahl")->currentRow(), selected);
    }
};

QTEST_MAIN(TestChecksWindow)
#include "test_checks_window.moc"
