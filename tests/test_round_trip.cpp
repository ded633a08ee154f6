// Every record the program writes, it opens again: what reaches the filed check from a paste,
// the "Position" dialog, the settings file and the design dialog is held to what the packet's
// reader takes, the settings file is read like any input, and "OK" on an unchanged design
// dialog files what was there.

#include "check_elements.h"
#include "gui_session.h"
#include "record_dialogs.h"
#include "record_model.h"
#include "record_opening.h"
#include "record_pdf.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstring>

#include <sys/stat.h>

namespace {

QTemporaryDir home;

QString settingsFile() {
    return home.filePath(".config/ipbtraeger/ipbtraeger.conf");
}

void writeSettings(const QByteArray& ini) {
    QDir().mkpath(QFileInfo(settingsFile()).path());
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(ini);
}

// Answers the save question with a file in `folder`, remembering the folder proposed.
QString proposedFolder;
void saveInto(const QString& folder) {
    ipb::askPdfFileName = [folder](QWidget*, const QString&, const QString& proposal,
                                   const QString&) {
        proposedFolder = QFileInfo(proposal).path();
        return QDir(folder).filePath(QFileInfo(proposal).fileName());
    };
}

// Ctrl+S on the results window into `folder`; the check the saved file holds.
std::optional<ipb::FiledCheck> saveAndRead(Session& s, const QString& folder) {
    saveInto(folder);
    QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_S, Qt::ControlModifier);
    const QStringList files = QDir(folder).entryList({"*.pdf"});
    return files.size() == 1 ? ipb::readCheckFile(QDir(folder).filePath(files[0])).check
                             : std::nullopt;
}

} // namespace

class TestRoundTrip : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        useGermanLocale();
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
    }
    void init() {
        QFile::remove(settingsFile());
        QDir(settingsFile()).removeRecursively(); // where a test left a folder in its place
    }

    // A box takes from a paste what its keys take: what cannot be seen is dropped, a visible
    // character the keys refuse refuses the paste, and the box's length stays.
    void pasteIsFilteredLikeTyping_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("box"); // before: "1"
        QTest::newRow("5 and U+FFFF") << QString("5") + QChar(0xFFFF) << "5";
        QTest::newRow("blanks, a tab and a line break") << " \t7,5\n"
                                                        << "7,5";
        QTest::newRow("an unpaired surrogate and a format character")
            << QString("5") + QChar(0xD800) + QChar(0x200B) + "2"
            << "52";
        QTest::newRow("a minus") << "-3"
                                 << "1";
        QTest::newRow("an exponent") << "1E3"
                                     << "1";
        QTest::newRow("a unit") << "12 kN"
                                << "1";
        QTest::newRow("longer than the box") << "12345678"
                                             << "123456";
    }
    void pasteIsFilteredLikeTyping() {
        QFETCH(QString, pasted);
        Session s;
        s.chooseLoadCase(1);
        QLineEdit* box = s.box("TextInput_plusq");
        s.type("TextInput_plusq", "1");
        QGuiApplication::clipboard()->setText(pasted);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTEST(box->text(), "box");
    }

    // What a paste, the "Position" dialog and the settings file put into a check is saved and
    // opens again as the same check.
    void savedChecksOpenAgain_data() {
        QTest::addColumn<QString>("pasted");   // into +q
        QTest::addColumn<QString>("position"); // typed into the dialog's "Position"
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("bauvorhaben"); // as filed
        QTest::newRow("+q: 5 and U+FFFF pasted")
            << QString("5") + QChar(0xFFFF) << QString() << QByteArray() << QString();
        QTest::newRow("Position: U+FFFF and a control")
            << QString() << QString("3") + QChar(0xFFFF) + QChar(0x07) + "a" << QByteArray()
            << QString();
        QTest::newRow("Bauvorhaben from the settings: 200 characters, a line break, a tab")
            << QString() << QString()
            << "[Position]\nBauvorhaben=\"Zeile1\\nZeile2\\t" + QByteArray(200, 'x') + "\"\n"
            << "Zeile1 Zeile2 " + QString(66, 'x');
    }
    void savedChecksOpenAgain() {
        QFETCH(QString, pasted);
        QFETCH(QString, position);
        QFETCH(QByteArray, settings);
        if (!settings.isEmpty()) {
            writeSettings(settings);
        }
        Session s;
        s.chooseLoadCase(1);
        QGuiApplication::clipboard()->setText(pasted.isEmpty() ? QString("10") : pasted);
        s.box("TextInput_plusq")->setFocus();
        QTest::keyClick(s.box("TextInput_plusq"), Qt::Key_V, Qt::ControlModifier);
        s.compute({{"TextInput_l", "6"}, {"TextInput_nue", "1,5"}});
        QVERIFY(s.program.recordOnDisplay());
        if (!position.isEmpty()) {
            s.window("FrmErgAusg")->findChild<QAction*>("ActionPosition")->trigger();
            QTRY_VERIFY(s.shown("FrmPosition"));
            s.control<QLineEdit>("FrmPosition", "TxtPosition")->setText(position);
            s.button("FrmPosition", "CmdPositionOk")->click();
        }
        QTemporaryDir folder;
        const std::optional<ipb::FiledCheck> read = saveAndRead(s, folder.path());
        QVERIFY(s.messages.seen.isEmpty());
        QVERIFY(read);
        QVERIFY(*read == ipb::filedPart(ipb::filedCheck(*s.program.recordOnDisplay())));
        QTEST(QString::fromStdString(read->position.bauvorhaben), "bauvorhaben");
    }

    // A check the packet would refuse is not saved: "Fehler:" says why, and no file is left.
    void refusedCheckIsNotSaved() {
        Session s;
        s.compute(kUniformPass, 1);
        ipb::CalculationRecord record = *s.program.recordOnDisplay();
        record.position.bauteil = "Tr\xEF\xBF\xBFger";
        const ipb::RecordModel model = ipb::recordModel(record);
        QVERIFY(model.checkPacket.empty());
        QTemporaryDir folder;
        const QString path = folder.filePath("r.pdf");
        saveInto(folder.path());
        s.expectMessage("Fehler:", "„Bauteil“ lässt sich nicht so in der Datei ablegen");
        ipb::saveRecordPdf(s.window("FrmErgAusg"), model);
        QTRY_COMPARE(s.messages.seen.size(), 1);
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    // Each stored value held to the rules of its field; anything else is the default. The top
    // flange is the beam's: never carried into a new one, whatever the file says.
    void settingsAreReadLikeInput_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("bearbeiter");
        QTest::newRow("ObergurtGehalten=garbage")
            << QByteArray("[Bemessung]\nObergurtGehalten=garbage\n") << "S235"
            << "";
        QTest::newRow("ObergurtGehalten=nein")
            << QByteArray("[Bemessung]\nObergurtGehalten=nein\n") << "S235"
            << "";
        QTest::newRow("ObergurtGehalten=2, S355")
            << QByteArray("[Bemessung]\nObergurtGehalten=2\nStahlsorte=S355\n") << "S355"
            << "";
        QTest::newRow("ObergurtGehalten=true")
            << QByteArray("[Bemessung]\nObergurtGehalten=true\n") << "S235"
            << "";
        QTest::newRow("an unknown grade") << QByteArray("[Bemessung]\nStahlsorte=S460\n") << "S235"
                                          << "";
        QTest::newRow("a grade with a blank")
            << QByteArray("[Bemessung]\nStahlsorte=\"S275 \"\n") << "S235"
            << "";
        QTest::newRow("Bearbeiter with U+FFFF and a tab")
            << QByteArray("[Position]\nBearbeiter=\"M.\\tWeber\xEF\xBF\xBF\"\n") << "S235"
            << "M. Weber";
        QTest::newRow("Bearbeiter, a binary value")
            << QByteArray("[Position]\nBearbeiter=@ByteArray(M. Weber)\n") << "S235"
            << "";
    }
    void settingsAreReadLikeInput() {
        QFETCH(QByteArray, ini);
        writeSettings(ini);
        Session s;
        s.compute(kUniformPass, 1);
        const ipb::CalculationRecord& record = *s.program.recordOnDisplay();
        QVERIFY(!record.calculation->request.design.topFlangeHeld);
        QTEST(QString(ipb::gradeName(record.calculation->request.design.grade)), "grade");
        QTEST(QString::fromStdString(record.position.bearbeiter), "bearbeiter");
    }

    // A FIFO or a folder in place of the settings file: the defaults at once, and nothing to
    // remember costs nothing else.
    void settingsThatAreNoFile_data() {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("FIFO") << true;
        QTest::newRow("folder") << false;
    }
    void settingsThatAreNoFile() {
        QFETCH(bool, fifo);
        QDir().mkpath(QFileInfo(settingsFile()).path());
        if (fifo) {
            QVERIFY(::mkfifo(QFile::encodeName(settingsFile()).constData(), 0600) == 0);
        } else {
            QVERIFY(QDir().mkpath(settingsFile()));
        }
        QElapsedTimer clock;
        clock.start();
        Session s;
        s.compute(kUniformPass, 1);
        setDesign(s, {{"CboStahlsorte", "S355"}});
        s.window("FrmErgAusg")->findChild<QAction*>("ActionPosition")->trigger();
        QTRY_VERIFY(s.shown("FrmPosition"));
        s.control<QLineEdit>("FrmPosition", "TxtBearbeiter")->setText("M. Weber");
        s.button("FrmPosition", "CmdPositionOk")->click();
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY(s.messages.seen.isEmpty());
        QCOMPARE(s.program.recordOnDisplay()->position.bearbeiter, "M. Weber");
        QFile::remove(settingsFile());
        QDir(settingsFile()).removeRecursively();
    }

    // The save and open dialogs start in the folder last used, in this run and the next, while
    // it exists; at first, and once it is gone, in the documents folder.
    void dialogsStartInTheFolderLastUsed() {
        const QString documents = home.filePath("Documents");
        QVERIFY(QDir().mkpath(documents));
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), documents);
        QString openedIn;
        ipb::askOpenPdfFileName = [&](QWidget*, const QString&, const QString& folder,
                                      const QString&) {
            openedIn = folder;
            return QString();
        };
        auto last = std::make_unique<QTemporaryDir>();
        {
            Session s;
            s.compute(kUniformPass, 1);
            QVERIFY(saveAndRead(s, last->path()));
            QCOMPARE(proposedFolder, documents);
            saveInto(documents);
            QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(proposedFolder, last->path());
        }
        Session next;
        QTest::keyClick(activate(next, "FrmStart"), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(openedIn, documents); // saved there last
        writeSettings("[Ordner]\nRechnungen=" + last->path().toUtf8() + "\n");
        QTest::keyClick(activate(next, "FrmStart"), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(openedIn, last->path());
        last.reset();
        QTest::keyClick(activate(next, "FrmStart"), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(openedIn, documents);
    }

    // The design dialog shows each figure with the digits it was given, and "OK" on the unchanged
    // dialog files the same double to the bit.
    void designDialogShowsWhatItHolds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0,00001") << "0,00001"
                                 << "0,00001";
        QTest::newRow("100,33333333") << "100,33333333"
                                      << "100,33333333";
        QTest::newRow("1000") << "1000"
                              << "1000";
        QTest::newRow("0") << "0"
                           << "0";
        QTest::newRow("007.50") << "007.50"
                                << "7,5";
        QTest::newRow("seventeen digits") << "0,30000000000000004"
                                          << "0,30000000000000004";
    }
    void designDialogShowsWhatItHolds() {
        QFETCH(QString, typed);
        Session s;
        s.compute(kUniformPass, 1);
        setDesign(s, {{"TxtLagerA", typed}, {"TxtLagerB", typed}});
        const ipb::DesignData before = s.program.recordOnDisplay()->calculation->request.design;
        s.window("FrmErgAusg")->findChild<QAction*>("ActionBemessung")->trigger();
        QTRY_VERIFY(s.shown("FrmBemessung"));
        QTEST(s.control<QLineEdit>("FrmBemessung", "TxtLagerA")->text(), "shown");
        QTEST(s.control<QLineEdit>("FrmBemessung", "TxtLagerB")->text(), "shown");
        s.button("FrmBemessung", "CmdBemessungOk")->click();
        QTRY_VERIFY(!s.window("FrmBemessung"));
        QVERIFY(s.messages.seen.isEmpty());
        const ipb::DesignData after = s.program.recordOnDisplay()->calculation->request.design;
        QVERIFY(after.bearingA && before.bearingA);
        QVERIFY(std::memcmp(&*after.bearingA, &*before.bearingA, sizeof(double)) == 0);
        QVERIFY(after.bearingB && before.bearingB);
        QVERIFY(std::memcmp(&*after.bearingB, &*before.bearingB, sizeof(double)) == 0);
    }
};

QTEST_MAIN(TestRoundTrip)
#include "test_round_trip.moc"
