// The start and input windows driven like a user: load cases, keys, the compute button's
// timer rule, Enter, rejected inputs and the way back to the start window.

#include "gui_session.h"

#include <QSignalSpy>

class TestInputWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { useGermanLocale(); }

    // A picture click sets the input window up for its load case; Tab then visits the boxes
    // of that case in working order, starting at the section list.
    void loadCaseShowsItsBoxesAndTabOrder_data() {
        QTest::addColumn<int>("loadCase");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QStringList>("shownBoxes");
        QTest::addColumn<QStringList>("tabVisits");
        QTest::newRow("uniform load")
            << 1 << "q" << QStringList{"TextInput_plusq", "TextInput_l", "TextInput_nue"}
            << QStringList{"TrgWahl",        "TextInput_nue",   "CmdBack",     "CmdQuit",
                           "Option_fmax300", "TextInput_plusq", "TextInput_l", "TrgWahl"};
        QTest::newRow("point load")
            << 2 << "F+q"
            << QStringList{"TextInput_F", "TextInput_plusq", "TextInput_la", "TextInput_lb",
                           "TextInput_nue"}
            << QStringList{"TrgWahl",        "TextInput_plusq", "TextInput_F", "TextInput_la",
                           "TextInput_lb",   "TextInput_nue",   "CmdBack",     "CmdQuit",
                           "Option_fmax300", "TrgWahl"};
    }
    void loadCaseShowsItsBoxesAndTabOrder() {
        QFETCH(int, loadCase);
        QFETCH(QString, marker);
        QFETCH(QStringList, shownBoxes);
        QFETCH(QStringList, tabVisits);
        Session s;
        s.chooseLoadCase(loadCase);
        QVERIFY(!s.shown("FrmStart"));
        QVERIFY(s.shown("FrmHaupt"));
        QCOMPARE(s.label("FrmHaupt", "Lab_F_q")->text(), marker);
        for (const char* name : {"TextInput_F", "TextInput_plusq", "TextInput_la", "TextInput_lb",
                                 "TextInput_l", "TextInput_nue"}) {
            QCOMPARE(!s.box(name)->isHidden(), shownBoxes.contains(QLatin1String(name)));
        }
        QCOMPARE(s.label("FrmHaupt", "LabEing_l")->isHidden(), loadCase == 2);
        QCOMPARE(s.control<ipb::ImageControl>("FrmHaupt", "BildLastf1")->isHidden(), loadCase == 2);
        QCOMPARE(s.control<ipb::ImageControl>("FrmHaupt", "BildLastf2")->isHidden(), loadCase == 1);
        QCOMPARE(s.label("FrmHaupt", "LabAnzIx")->text(), QString(" Ix=5700 cm^4 "));
        QCOMPARE(s.label("FrmHaupt", "LabBezZ3")->text(), QString("HE 200 B (EuroN)"));

        QTRY_COMPARE(focusName(), tabVisits.first());
        QStringList visits{focusName()};
        for (int i = 1; i < tabVisits.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visits << focusName();
        }
        QCOMPARE(visits, tabVisits);
    }

    // Only digits, comma and point reach a box; Backspace works except in the safety box; the
    // boxes take six characters, the safety box four.
    void keysAreFiltered_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("minus, slash, blank, letters dropped") << "TextInput_F"
                                                              << "1-2/3 a"
                                                              << "123";
        QTest::newRow("comma and point kept, twice too") << "TextInput_la"
                                                         << "1,,5."
                                                         << "1,,5.";
        QTest::newRow("six characters at most") << "TextInput_plusq"
                                                << "12345678"
                                                << "123456";
        QTest::newRow("backspace edits") << "TextInput_lb"
                                         << "12\b3"
                                         << "13";
        QTest::newRow("safety box refuses backspace") << "TextInput_nue"
                                                      << "1,5\b"
                                                      << "1,5";
        QTest::newRow("safety box takes four") << "TextInput_nue"
                                               << "1,2345"
                                               << "1,23";
    }
    void keysAreFiltered() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Session s;
        s.chooseLoadCase(2);
        QLineEdit* b = s.box(qPrintable(box));
        b->setFocus();
        for (QChar c : typed) {
            if (c == QLatin1Char('\b')) {
                QTest::keyClick(b, Qt::Key_Backspace);
            } else {
                QTest::keyClicks(b, QString(c));
            }
        }
        QCOMPARE(b->text(), expected);
    }

    // Delete is no character key: it still removes text from the safety box.
    void deleteWorksInSafetyBox() {
        Session s;
        s.chooseLoadCase(1);
        s.type("TextInput_nue", "15");
        QTest::keyClick(s.box("TextInput_nue"), Qt::Key_Home);
        QTest::keyClick(s.box("TextInput_nue"), Qt::Key_Delete);
        QCOMPARE(s.box("TextInput_nue")->text(), QString("5"));
    }

    // "Berechnen" is enabled exactly while the required boxes of the load case hold text; +q
    // is not required with a point load.
    void computeButtonFollowsRequiredBoxes() {
        Session s;
        s.chooseLoadCase(1);
        QPushButton* berech = s.button("FrmHaupt", "CmdBerech");
        s.type("TextInput_plusq", "1");
        s.type("TextInput_l", "6");
        QTest::qWait(250);
        QVERIFY(!berech->isEnabled());
        s.type("TextInput_nue", "2");
        QTRY_VERIFY_WITH_TIMEOUT(berech->isEnabled(), 300);
        s.box("TextInput_plusq")->clear();
        QTRY_VERIFY_WITH_TIMEOUT(!berech->isEnabled(), 300);
    }
    void pointLoadNeedsNoUniformLoad() {
        Session s;
        s.chooseLoadCase(2);
        for (const char* name : {"TextInput_F", "TextInput_la", "TextInput_lb", "TextInput_nue"}) {
            s.type(name, "1");
        }
        QTRY_VERIFY_WITH_TIMEOUT(s.button("FrmHaupt", "CmdBerech")->isEnabled(), 300);
    }

    // While "Berechnen" is disabled, Enter walks to the next box of the same load case with its
    // text selected; +q goes to the span or to F, never to a hidden box.
    void enterMovesOnWhileComputeIsDisabled_data() {
        QTest::addColumn<int>("loadCase");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("F to la") << 2 << "TextInput_F"
                                 << "TextInput_la";
        QTest::newRow("la to lb") << 2 << "TextInput_la"
                                  << "TextInput_lb";
        QTest::newRow("lb to safety") << 2 << "TextInput_lb"
                                      << "TextInput_nue";
        QTest::newRow("span to safety") << 1 << "TextInput_l"
                                        << "TextInput_nue";
        QTest::newRow("+q to span") << 1 << "TextInput_plusq"
                                    << "TextInput_l";
        QTest::newRow("+q to F") << 2 << "TextInput_plusq"
                                 << "TextInput_F";
        QTest::newRow("list to +q, uniform") << 1 << "TrgWahl"
                                             << "TextInput_plusq";
        QTest::newRow("list to +q, point load") << 2 << "TrgWahl"
                                                << "TextInput_plusq";
        QTest::newRow("safety stays") << 1 << "TextInput_nue"
                                      << "TextInput_nue";
    }
    void enterMovesOnWhileComputeIsDisabled() {
        QFETCH(int, loadCase);
        QFETCH(QString, from);
        QFETCH(QString, to);
        Session s;
        s.chooseLoadCase(loadCase);
        QWidget* input = s.window("FrmHaupt");
        if (to != "TextInput_nue") {
            s.box(qPrintable(to))->setText("12,5");
        }
        QWidget* start = input->findChild<QWidget*>(from);
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return);
        QCOMPARE(focusName(), to);
        if (to != from) {
            QCOMPARE(s.box(qPrintable(to))->selectedText(), s.box(qPrintable(to))->text());
        }
    }

    // Once "Berechnen" is enabled, Enter anywhere but on another button computes.
    void enterComputesOnceEnabled() {
        Session s;
        s.chooseLoadCase(1);
        s.type("TextInput_plusq", "10");
        s.type("TextInput_l", "6");
        s.type("TextInput_nue", "1,5");
        QTRY_VERIFY_WITH_TIMEOUT(s.button("FrmHaupt", "CmdBerech")->isEnabled(), 300);
        QTest::keyClick(s.box("TextInput_nue"), Qt::Key_Return);
        QVERIFY(s.shown("FrmErgAusg"));
        QVERIFY(!s.window("FrmHaupt")->isEnabled());
    }

    // The first rejected field, in the order F, +q, la, lb, l, safety, is reported with its
    // own message; its text is selected; fields after it keep their stored values.
    void rejectedInputIsReportedAndSelected_data() {
        QTest::addColumn<int>("loadCase");
        QTest::addColumn<QStringList>("inputs"); // box, text, box, text ...
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        const QStringList goodPoint{"TextInput_F",   "50", "TextInput_plusq", "10",
                                    "TextInput_la",  "3",  "TextInput_lb",    "2",
                                    "TextInput_nue", "1,5"};
        auto with = [](QStringList l, const QString& box, const QString& text) {
            l[l.indexOf(box) + 1] = text;
            return l;
        };
        QTest::newRow("F above 10000 before la")
            << 2 << with(with(goodPoint, "TextInput_F", "10001"), "TextInput_la", "30")
            << "TextInput_F"
            << "Unzulässige Eingabe 'F' ";
        QTest::newRow("+q with two separators")
            << 2 << with(goodPoint, "TextInput_plusq", "2,5.1") << "TextInput_plusq"
            << "Unzulässige Eingabe '+q ' ";
        QTest::newRow("la above 20")
            << 2 << with(goodPoint, "TextInput_la", "20,01") << "TextInput_la"
            << "Unzulässige Eingabe ' la ' ";
        QTest::newRow("lb zero") << 2 << with(goodPoint, "TextInput_lb", ",") << "TextInput_lb"
                                 << "Unzulässige Eingabe ' lb ' ";
        QTest::newRow("span above 40")
            << 1 << QStringList{"TextInput_plusq", "1", "TextInput_l", "40,5", "TextInput_nue", "2"}
            << "TextInput_l"
            << "Unzulässige Eingabe ' l ' ";
        QTest::newRow("safety below 1")
            << 1 << QStringList{"TextInput_plusq", "1", "TextInput_l", "4", "TextInput_nue", "0,99"}
            << "TextInput_nue"
            << "Unzulässige Eingabe ' Mindestsicherheit ' ";
    }
    void rejectedInputIsReportedAndSelected() {
        QFETCH(int, loadCase);
        QFETCH(QStringList, inputs);
        QFETCH(QString, box);
        QFETCH(QString, message);
        Session s;
        s.program.values.input.la = 7; // stored before: must survive a rejected F
        s.chooseLoadCase(loadCase);
        for (int i = 0; i < inputs.size(); i += 2) {
            s.type(qPrintable(inputs[i]), inputs[i + 1]);
        }
        QPushButton* berech = s.button("FrmHaupt", "CmdBerech");
        QTRY_VERIFY_WITH_TIMEOUT(berech->isEnabled(), 300);
        s.expectMessage("Fehler:", message);
        QTest::mouseClick(berech, Qt::LeftButton);

        QCOMPARE(s.messages.seen.size(), 1);
        QCOMPARE(s.messages.seen[0].title, QString("Fehler:"));
        QCOMPARE(s.messages.seen[0].text, message);
        QCOMPARE(s.messages.seen[0].icon, QMessageBox::NoIcon);
        QVERIFY(!berech->isEnabled());
        QVERIFY(!s.window("FrmErgAusg"));
        QTRY_COMPARE(focusName(), box);
        QCOMPARE(s.box(qPrintable(box))->selectedText(), s.box(qPrintable(box))->text());
        if (box == "TextInput_F") {
            QCOMPARE(s.program.values.input.la, 7.0);
        }
        QTRY_VERIFY_WITH_TIMEOUT(berech->isEnabled(), 300); // the timer gives it back
    }

    // Inputs that pass the range check but make the arithmetic meaningless (pasted exponents)
    // give a calculation error and no results.
    void arithmeticFaultGivesErrorNotResults() {
        Session s;
        s.chooseLoadCase(1);
        s.box("TextInput_l")->setText("1E-300");
        s.expectMessage("Fehler:", "Rechenfehler");
        s.compute({{"TextInput_plusq", "1"}, {"TextInput_nue", "2"}});
        QCOMPARE(s.messages.seen.size(), 1);
        QCOMPARE(s.messages.seen[0].text, QString("Rechenfehler - Eingaben prüfen! "));
        QVERIFY(!s.window("FrmErgAusg"));
        QCOMPARE(s.program.values.result.lastfall, 0.0f);
    }

    // "Zurück" discards the input window; the other load case then starts from the design
    // state: 1/300, size 200, empty boxes, no leftovers of the first case.
    void backThenOtherCaseStartsFresh() {
        Session s;
        s.chooseLoadCase(2);
        s.control<QRadioButton>("FrmHaupt", "Option_fmax500")->click();
        s.control<QListWidget>("FrmHaupt", "TrgWahl")->setCurrentRow(0);
        QCOMPARE(s.program.values.section.Wx, 90);
        s.type("TextInput_F", "5");
        QTest::keyClick(s.box("TextInput_F"), Qt::Key_Z, Qt::AltModifier);
        QTRY_VERIFY(s.shown("FrmStart"));
        QVERIFY(!s.window("FrmHaupt"));
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmStart")));

        s.chooseLoadCase(1);
        QVERIFY(s.control<QRadioButton>("FrmHaupt", "Option_fmax300")->isChecked());
        QCOMPARE(s.program.values.input.fmaxteiler, 300);
        QCOMPARE(s.control<QListWidget>("FrmHaupt", "TrgWahl")->currentRow(), 3);
        QCOMPARE(s.program.values.section.Ix, 5700);
        QVERIFY(s.box("TextInput_F")->isHidden());
        QVERIFY(s.box("TextInput_F")->text().isEmpty());
        QCOMPARE(s.label("FrmHaupt", "Lab_F_q")->text(), QString("q"));
    }

    // A uniform-load calculation after a point-load one (even a rejected one) uses the typed
    // span, not the old distances.
    void uniformLoadAfterPointLoadUsesTypedSpan() {
        Session s;
        s.chooseLoadCase(2);
        s.expectMessage("Fehler:", "' la '");
        s.compute({{"TextInput_F", "5"},
                   {"TextInput_la", "30"},
                   {"TextInput_lb", "2"},
                   {"TextInput_nue", "2"}});
        QCOMPARE(s.messages.seen.size(), 1);
        s.button("FrmHaupt", "CmdBack")->click();
        s.chooseLoadCase(1);
        s.compute({{"TextInput_plusq", "10"}, {"TextInput_l", "6"}, {"TextInput_nue", "1,5"}});
        QCOMPARE(s.messages.seen.size(), 1);
        QCOMPARE(s.program.values.result.lastfall, 1.0f);
        QCOMPARE(s.label("FrmErgAusg", "LabErgqxl")->text(), QString("63,6060"));
        QCOMPARE(s.program.values.input.sic, 1.5f); // values outlive the unloaded window
    }

    // Access keys click their buttons from a text box too, where Alt+B is no word move.
    void accessKeyComputesFromTextBox() {
        Session s;
        s.chooseLoadCase(1);
        s.type("TextInput_plusq", "10");
        s.type("TextInput_l", "6");
        s.type("TextInput_nue", "2");
        QTRY_VERIFY_WITH_TIMEOUT(s.button("FrmHaupt", "CmdBerech")->isEnabled(), 300);
        QTest::keyClick(s.box("TextInput_nue"), Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(s.shown("FrmErgAusg")); // an access key clicks like the mouse, animated
    }

    // The input window's close box ends the program, except while results lock it.
    void closeBoxEndsProgramUnlessLocked() {
        {
            Session s;
            s.chooseLoadCase(1);
            s.window("FrmHaupt")->close();
            QVERIFY(s.program.hasEnded());
        }
        Session s;
        s.chooseLoadCase(1);
        s.compute({{"TextInput_plusq", "10"}, {"TextInput_l", "6"}, {"TextInput_nue", "1,5"}});
        s.window("FrmHaupt")->close();
        QVERIFY(!s.program.hasEnded());
        QVERIFY(s.window("FrmHaupt"));
    }

    // Clicking the arrow or a label of the start window does nothing.
    void arrowPictureDoesNothing() {
        Session s;
        QTest::mouseClick(s.control<ipb::ImageControl>("FrmStart", "Image1"), Qt::LeftButton);
        QTest::mouseClick(s.label("FrmStart", "LabAufford"), Qt::LeftButton);
        QVERIFY(s.shown("FrmStart"));
        QVERIFY(!s.window("FrmHaupt"));
    }
};

QTEST_MAIN(TestInputWindow)
#include "test_input_window.moc"
