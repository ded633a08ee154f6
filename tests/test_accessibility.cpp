// What a screen reader finds in the windows: named boxes, named pictures, result rows read as
// caption and value, a readable verdict.

#include "gui_session.h"

#include <QAccessible>

namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface) {
        qWarning("no accessible interface for %s", qPrintable(object->objectName()));
    }
    return iface;
}

QString accessibleName(QObject* object) {
    QAccessibleInterface* iface = accessible(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { useGermanLocale(); }

    void inputBoxesAreNamedByTheirCaptions_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");
        QTest::newRow("F") << "TextInput_F"
                           << "Kraft F [KN], max. 10000";
        QTest::newRow("+q") << "TextInput_plusq"
                            << "Last +q [KN/m], max. 250";
        QTest::newRow("la") << "TextInput_la"
                            << "Länge la [m], max. 20";
        QTest::newRow("lb") << "TextInput_lb"
                            << "Länge lb [m], max. 20";
        QTest::newRow("safety") << "TextInput_nue"
                                << "Mindestsicherheit, max. 10";
        QTest::newRow("section list") << "TrgWahl"
                                      << "IPB...Lagerbestand";
    }
    void inputBoxesAreNamedByTheirCaptions() {
        QFETCH(QString, box);
        QFETCH(QString, name);
        Session s;
        s.chooseLoadCase(2);
        QCOMPARE(accessibleName(s.control(("FrmHaupt"), qPrintable(box))), name);
    }

    // The start pictures are buttons a screen reader can press; the others are graphics.
    void picturesAreNamed_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("button");
        QTest::newRow("uniform load")
            << "FrmStart"
            << "BildLastf1"
            << "Träger auf 2 Stützen, Streckenlast (mind. Eigengewicht)" << true;
        QTest::newRow("point load") << "FrmStart"
                                    << "BildLastf2"
                                    << "Träger auf 2 Stützen, Streckenlast plus Punktlast" << true;
        QTest::newRow("arrow") << "FrmStart"
                               << "Image1"
                               << "Ätsch! Hier ist nichts zu klicken!" << false;
        QTest::newRow("section") << "FrmHaupt"
                                 << "BildProfil"
                                 << "Trägerprofil" << false;
    }
    void picturesAreNamed() {
        QFETCH(QString, window);
        QFETCH(QString, picture);
        QFETCH(QString, name);
        QFETCH(bool, button);
        Session s;
        QObject* image = s.control(qPrintable(window), qPrintable(picture));
        if (!image) {
            s.chooseLoadCase(1);
            image = s.control(qPrintable(window), qPrintable(picture));
        }
        QCOMPARE(accessibleName(image), name);
        QCOMPARE(accessible(image)->role(), button ? QAccessible::Button : QAccessible::Graphic);
        QAccessibleActionInterface* actions = accessible(image)->actionInterface();
        QCOMPARE(actions &&
                     actions->actionNames().contains(QAccessibleActionInterface::pressAction()),
                 button);
        if (button) {
            // The press action chooses the load case, as a click does.
            actions->doAction(QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(s.shown("FrmHaupt"));
        }
    }

    void resultRowsReadAsCaptionAndValue() {
        Session s;
        s.chooseLoadCase(1);
        s.compute({{"TextInput_plusq", "10"}, {"TextInput_l", "6"}, {"TextInput_nue", "1,5"}});
        QCOMPARE(accessibleName(s.label("FrmErgAusg", "LabErgFa")),
                 QString("Auflagerkraft FA [KN]: 31,8030"));
        QCOMPARE(accessibleName(s.label("FrmErgAusg", "LabErgSicVorh")),
                 QString("Vorhandene Sicherheit: 3,943"));
        QCOMPARE(accessibleName(s.label("FrmReport", "LabMeldung")),
                 QString("OK.,                      Alle Werte zulässig!"));
        QCOMPARE(accessibleName(s.control<ipb::ImageControl>("FrmReport", "GutBild")),
                 QString("Lächelndes Gesicht: bestanden"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
