// What a user meets on a real desktop rather than the test platform: the keyboard alone, a
// dark colour scheme, a small screen.

#include "form_setup.h"
#include "gui_session.h"

#include <QGroupBox>

#include <map>

namespace {

// Brings a fresh session to one of its named situations.
void reach(Session& s, const QString& situation) {
    QVERIFY(QTest::qWaitForWindowActive(s.window("FrmStart")));
    if (situation == "start") {
        return;
    }
    const bool pointLoad = situation.contains("point");
    s.chooseLoadCase(pointLoad ? 2 : 1);
    if (situation.startsWith("input")) {
        return;
    }
    const bool pass = situation.contains("pass");
    Inputs inputs = pointLoad ? kPointFail : pass ? kUniformPass : kUniformFail;
    if (pointLoad && pass) {
        inputs.front().second = "10"; // the same beam with a fifth of the point load
    }
    s.compute(inputs);
    QVERIFY(QTest::qWaitForWindowActive(s.window("FrmErgAusg")));
    if (situation.startsWith("report")) {
        s.button("FrmErgAusg", "CmdReport")->click();
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmReport")));
    }
    if (situation.startsWith("checks")) {
        QTest::keyClick(s.window("FrmErgAusg"), Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(s.window("FrmNachweise"));
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmNachweise")));
    }
    if (situation.startsWith("sections")) {
        QTest::keyClick(s.window("FrmErgAusg"), Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(s.window("FrmProfilwahl"));
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmProfilwahl")));
    }
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : QApplication::activeWindow(), Qt::Key(key), modifiers);
}

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double luminance(QColor c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool showsText(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return !label->text().isEmpty();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return !button->text().isEmpty();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return !edit->text().isEmpty();
    }
    return qobject_cast<QListWidget*>(w) || qobject_cast<QGroupBox*>(w);
}

// What the screen shows of a control's text: its most common colour inside the control's
// border is taken as the background, the colour standing out most from it as the text.
struct SeenText {
    QColor background, text;
    bool red = false; // pure red, as the layouts draw warnings and marks
};
SeenText seenText(const QImage& window, QRect area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[window.pixel(x, y)];
        }
    }
    SeenText seen;
    int most = 0;
    for (const auto& [rgb, n] : counts) {
        if (n > most) {
            most = n;
            seen.background = QColor(rgb);
        }
    }
    seen.text = seen.background;
    for (const auto& [rgb, n] : counts) {
        if (contrast(QColor(rgb), seen.background) > contrast(seen.text, seen.background)) {
            seen.text = QColor(rgb);
        }
        seen.red = seen.red || (qRed(rgb) > 0xF0 && qGreen(rgb) < 0x10 && qBlue(rgb) < 0x10);
    }
    return seen;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { useGermanLocale(); }

    // Walked from the window itself, the focus chain visits the controls in their working
    // order, and the first one holds the focus whenever the window is shown; the start window
    // shows no focused control until Tab is pressed.
    void focusChainStartsAtTheWindow_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("start") << "start"
                               << "FrmStart" << QStringList{"", "BildLastf1", "BildLastf2"};
        QTest::newRow("input, uniform load")
            << "input uniform"
            << "FrmHaupt"
            << QStringList{"TrgWahl",         "TrgWahl",        "TextInput_nue",  "CmdBack",
                           "CmdQuit",         "Option_fmax300", "Option_fmax500", "Option_Fmax1000",
                           "TextInput_plusq", "TextInput_l"};
        QTest::newRow("input, point load")
            << "input point"
            << "FrmHaupt"
            << QStringList{"TrgWahl",      "TrgWahl",        "TextInput_plusq", "TextInput_F",
                           "TextInput_la", "TextInput_lb",   "TextInput_nue",   "CmdBack",
                           "CmdQuit",      "Option_fmax300", "Option_fmax500",  "Option_Fmax1000"};
        QTest::newRow("results") << "results uniform pass"
                                 << "FrmErgAusg"
                                 << QStringList{"CmdReport", "CmdReport", "CmdEnd1"};
        QTest::newRow("report, pass")
            << "report uniform pass"
            << "FrmReport" << QStringList{"CmdBeend", "CmdBeend", "CmdNeuBerech"};
        QTest::newRow("report, fail")
            << "report point fail"
            << "FrmReport" << QStringList{"CmdNeuBerech", "CmdNeuBerech", "CmdBeend"};
        QTest::newRow("section choice")
            << "sections point fail"
            << "FrmProfilwahl"
            << QStringList{"TabProfile", "TabProfile", "CmdUebernehmen", "CmdAbbrechen"};
    }
    void focusChainStartsAtTheWindow() {
        QFETCH(QString, situation);
        QFETCH(QString, window);
        QFETCH(QStringList, chain); // the focused control first, then the chain
        Session s;
        reach(s, situation);
        QWidget* w = s.window(qPrintable(window));
        QTRY_COMPARE(focusName(), chain.first());
        QStringList walked;
        for (QWidget* c = w->nextInFocusChain(); c != w; c = c->nextInFocusChain()) {
            if ((c->focusPolicy() & Qt::TabFocus) && c->isVisibleTo(w) && c->isEnabled()) {
                walked << c->objectName();
            }
        }
        QCOMPARE(walked, chain.mid(1));
        if (window == "FrmStart") {
            press(Qt::Key_Tab);
            QCOMPARE(focusName(), QString("BildLastf1"));
        }
    }

    // Enter and Space both press the focused button of the results and report windows.
    void buttonsAnswerEnterAndSpace_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("then"); // the window shown afterwards, or "" for the end
        for (const auto& [keyName, key] :
             {std::pair{"Enter", Qt::Key_Return}, std::pair{"keypad Enter", Qt::Key_Enter},
              std::pair{"Space", Qt::Key_Space}}) {
            QTest::addRow("Report, %s", keyName) << "results uniform pass"
                                                 << "FrmErgAusg"
                                                 << "CmdReport" << int(key) << "FrmReport";
            QTest::addRow("results Beenden, %s", keyName) << "results uniform pass"
                                                          << "FrmErgAusg"
                                                          << "CmdEnd1" << int(key) << "";
            QTest::addRow("Neue Rechnung, %s", keyName) << "report point fail"
                                                        << "FrmReport"
                                                        << "CmdNeuBerech" << int(key) << "FrmHaupt";
            QTest::addRow("report Beenden, %s", keyName) << "report point fail"
                                                         << "FrmReport"
                                                         << "CmdBeend" << int(key) << "";
        }
    }
    void buttonsAnswerEnterAndSpace() {
        QFETCH(QString, situation);
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(QString, then);
        Session s;
        reach(s, situation);
        QPushButton* b = s.button(qPrintable(window), qPrintable(button));
        b->setFocus();
        QTest::keyClick(b, Qt::Key(key));
        if (then.isEmpty()) {
            QVERIFY(s.program.hasEnded());
        } else {
            QVERIFY(!s.program.hasEnded());
            QTRY_VERIFY(QTest::qWaitForWindowActive(s.window(qPrintable(then))));
        }
    }

    // One whole run with Tab, Enter, Space and Alt keys only: a pass, a new calculation that
    // fails, and the end through "Quit".
    void wholeCalculationByKeyboard() {
        Session s;
        reach(s, "start");
        press(Qt::Key_Tab);
        press(Qt::Key_Return); // the uniform-load picture
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmHaupt")));
        QCOMPARE(focusName(), QString("TrgWahl"));
        press(Qt::Key_Return); // on to +q
        for (const char* text : {"10", "6", "1,5"}) {
            QTest::keyClicks(QApplication::focusWidget(), text);
            press(Qt::Key_Return);
        }
        // The last Enter came before the timer enabled "Berechnen"; once it has, Enter computes.
        QTRY_VERIFY(s.button("FrmHaupt", "CmdBerech")->isEnabled());
        press(Qt::Key_Return);
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmErgAusg")));
        QCOMPARE(s.label("FrmErgAusg", "LabErgSicVorh")->text(), QString("3,943"));
        press(Qt::Key_Space); // Report
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmReport")));
        QCOMPARE(focusName(), QString("CmdBeend"));
        press(Qt::Key_N, Qt::AltModifier); // Neue Rechnung
        QTRY_COMPARE(focusName(), QString("TrgWahl"));

        // Enter would compute again at once: the boxes are still filled. Back through the chain
        // to +q instead.
        press(Qt::Key_Backtab);
        press(Qt::Key_Backtab);
        QCOMPARE(focusName(), QString("TextInput_plusq"));
        QTest::keyClicks(QApplication::focusWidget(), "30");
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QString("TextInput_l"));
        QTest::keyClicks(QApplication::focusWidget(), "8");
        QTRY_VERIFY(s.button("FrmHaupt", "CmdBerech")->isEnabled());
        press(Qt::Key_B, Qt::AltModifier); // Berechnen
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmErgAusg")));
        QCOMPARE(s.label("FrmErgAusg", "LabErgSicVorh")->text(), QString("0,768"));
        // The sections compared: the lightest that holds is proposed, the one above it, which
        // fails on its deflection, taken.
        press(Qt::Key_L, Qt::ControlModifier);
        QTRY_COMPARE(focusName(), QString("TabProfile"));
        QCOMPARE(s.label("FrmProfilwahl", "LabEmpfehlung")->text(),
                 QString("Leichtestes Profil, das alle untersuchten Nachweise erfüllt: IPB 360 "
                         "(nicht untersucht: Lasteinleitung)"));
        press(Qt::Key_Up);
        press(Qt::Key_Return);
        QTRY_VERIFY(QTest::qWaitForWindowActive(s.window("FrmErgAusg")));
        QCOMPARE(s.label("FrmErgAusg", "LabErgSigmax")->text(), QString("148,324"));
        press(Qt::Key_Return); // Report
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmReport")));
        QCOMPARE(focusName(), QString("CmdNeuBerech"));
        press(Qt::Key_Return);
        QVERIFY(QTest::qWaitForWindowActive(s.window("FrmHaupt")));
        QCOMPARE(focusName(), QString("TrgWahl"));
        press(Qt::Key_Q, Qt::AltModifier); // Quit, clicked with the button's short animation
        QTRY_VERIFY(s.program.hasEnded());
        QVERIFY(s.messages.seen.isEmpty());
    }

    // Whatever palette the desktop hands the program, a dark one included, every text on
    // screen stands out from what lies behind it, and the designed reds stay red.
    void textsReadableUnderADarkPalette_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QStringList>("windows");
        QTest::newRow("start") << "start" << QStringList{"FrmStart"};
        for (const char* loadCase : {"uniform", "point"}) {
            QTest::addRow("input, %s", loadCase)
                << QString("input %1").arg(loadCase) << QStringList{"FrmHaupt"};
            for (const char* verdict : {"pass", "fail"}) {
                QTest::addRow("%s %s", loadCase, verdict)
                    << QString("report %1 %2").arg(loadCase, verdict)
                    << QStringList{"FrmHaupt", "FrmErgAusg", "FrmReport"};
            }
        }
        QTest::newRow("section choice") << "sections point fail" << QStringList{"FrmProfilwahl"};
        QTest::newRow("all checks") << "checks point fail" << QStringList{"FrmNachweise"};
    }
    void textsReadableUnderADarkPalette() {
        QFETCH(QString, situation);
        QFETCH(QStringList, windows);
        QPalette dark(QColor(0xF0, 0xF0, 0xF0), QColor(0x30, 0x30, 0x30));
        dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
        dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
        QApplication::setPalette(dark);
        Session s;
        reach(s, situation);
        if (situation.startsWith("input")) {
            s.type("TextInput_nue", "1,5");
        }
        for (const QString& name : windows) {
            QWidget* window = s.window(qPrintable(name));
            const QImage shot = window->grab().toImage();
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!w->isVisible() || !showsText(w)) {
                    continue;
                }
                const int border =
                    qobject_cast<QLabel*>(w) ? 1 + qobject_cast<QLabel*>(w)->frameWidth() : 4;
                const QRect area = QRect(w->mapTo(window, QPoint(0, 0)), w->size())
                                       .adjusted(border, border, -border, -border);
                const SeenText seen = seenText(shot, area & shot.rect());
                const bool designedRed =
                    qobject_cast<QLabel*>(w) &&
                    w->palette().color(QPalette::WindowText) == QColor(0xFF, 0, 0);
                const QString where = name + "/" + w->objectName();
                if (designedRed) {
                    QVERIFY2(seen.red, qPrintable(where + " lost its red"));
                } else {
                    QVERIFY2(contrast(seen.text, seen.background) >= 4.5,
                             qPrintable(QString("%1: %2 on %3")
                                            .arg(where, seen.text.name(), seen.background.name())));
                }
            }
        }
    }

    // A window stays where it was designed when it fits the screen's free area, and is moved
    // inside otherwise; one larger than the area keeps to its top-left corner.
    void windowsStayOnTheScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        const QRect desktop(0, 0, 1280, 1024);
        const QRect small(0, 0, 683, 384); // 1366 x 768 at 200 %
        QTest::newRow("fits: designed place")
            << QRect(247, 144, 298, 344) << desktop << QPoint(247, 144);
        QTest::newRow("too low: moved up") << QRect(247, 144, 298, 344) << small << QPoint(247, 40);
        QTest::newRow("too far right: moved left")
            << QRect(500, 10, 298, 100) << small << QPoint(385, 10);
        QTest::newRow("taller than the screen: top edge")
            << QRect(115, 100, 535, 395) << small << QPoint(115, 0);
        QTest::newRow("wider and taller: top-left corner")
            << QRect(70, 70, 800, 400) << small << QPoint(0, 0);
        QTest::newRow("area below a top panel")
            << QRect(100, 0, 200, 100) << QRect(0, 32, 683, 352) << QPoint(100, 32);
        QTest::newRow("section choice, shrunk to the small screen")
            << QRect(300, 200, 656, 360) << small << QPoint(27, 24);
        QTest::newRow("second screen to the right")
            << QRect(1500, 900, 300, 300) << QRect(1280, 0, 1920, 1080) << QPoint(1500, 780);
    }
    void windowsStayOnTheScreen() {
        QFETCH(QRect, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        QCOMPARE(ipb::placeInside(frame, available), expected);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
