// Window services: the tab-order move rule, sound cues and the forms' layouts.

#include "gui_session.h"
#include "sound_cue.h"
#include "tab_order.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#ifndef Q_OS_WIN
#include <QSoundEffect>
#endif

#include <string>
#include <vector>

namespace {

// A short, silent 8 kHz mono wave file.
void writeWave(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 samples = 800;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (quint32 i = 0; i < samples; ++i) {
        out << qint16(0);
    }
}

} // namespace

class TestWindowServices : public QObject {
    Q_OBJECT

  private slots:
    // Moving to position n shifts the items from n up to the old place one back.
    void moveToTabPosition_data() {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        QTest::newRow("forward to the front") << "abcde"
                                              << "d" << 1 << "adbce";
        QTest::newRow("to the very first place") << "abcde"
                                                 << "c" << 0 << "cabde";
        QTest::newRow("later moves the others up") << "abcde"
                                                   << "a" << 3 << "bcdae";
        QTest::newRow("same place changes nothing") << "abcde"
                                                    << "c" << 2 << "abcde";
        QTest::newRow("beyond the end goes last") << "abc"
                                                  << "a" << 9 << "bca";
        QTest::newRow("unknown item changes nothing") << "abc"
                                                      << "x" << 0 << "abc";
    }
    void moveToTabPosition() {
        QFETCH(QString, order);
        QFETCH(QString, item);
        QFETCH(int, position);
        QFETCH(QString, expected);
        const QByteArray letters = order.toLatin1();
        std::vector<char> v(letters.begin(), letters.end());
        ipb::moveToTabPosition(v, item.toLatin1().at(0), static_cast<std::size_t>(position));
        QCOMPARE(QString::fromLatin1(v.data(), static_cast<qsizetype>(v.size())), expected);
    }

    // The point-load set-up's two moves give +q, F, la, lb, safety after the list.
    void pointLoadTabMovesGiveWorkingOrder() {
        std::vector<std::string> order{"TrgWahl", "Lab_F_q", "F", "la", "lb", "nue", "plusq", "l"};
        ipb::moveToTabPosition(order, std::string("plusq"), 1);
        ipb::moveToTabPosition(order, std::string("l"), 1);
        QCOMPARE(order, (std::vector<std::string>{"TrgWahl", "l", "plusq", "Lab_F_q", "F", "la",
                                                  "lb", "nue"}));
    }

    void soundPathHasOneSeparator_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root") << "/"
                              << "/Aufloes1.wav";
        QTest::newRow("drive root") << "C:\\"
                                    << "C:\\Aufloes1.wav";
        QTest::newRow("ordinary folder")
            << "/opt/ipb" << QString("/opt/ipb%1Aufloes1.wav").arg(QDir::separator());
    }
    void soundPathHasOneSeparator() {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(ipb::soundPath(folder, "Aufloes1.wav"), expected);
    }

    // A cue plays a file beside the program before one in the data folder, so a user's own
    // file wins; a file in neither stays silent, without opening the audio device.
    void cueFindsItsFile() {
        const QString program = QCoreApplication::applicationDirPath();
#ifdef Q_OS_WIN
        // The program's own cues are in its resources there.
        const QString name = "1_M_2.wav", own = ":/cues/1_M_2.wav", beside = program + "\\" + name;
#else
        const QString name = "cue_test.wav", beside = program + "/" + name;
        const QString data = QDir::cleanPath(program + "/../share/ipbtraeger");
        const QString own = data + "/" + name;
        QVERIFY(QDir().mkpath(data));
        writeWave(own);
#endif
        ipb::SoundCue cue("MMControlTest");
        QSignalSpy started(&cue, &ipb::SoundCue::started);
        cue.play(name);
        writeWave(beside);
        cue.play(name);
        QCOMPARE(started.size(), 2);
        QCOMPARE(started[0][0].toString(), own);
        QCOMPARE(started[1][0].toString(), beside);
        QFile::remove(beside);
        QFile::remove(own);

        ipb::SoundCue silent("MMControlSilent");
        QSignalSpy none(&silent, &ipb::SoundCue::started);
        silent.play("missing.wav");
        QCOMPARE(none.size(), 0);
#ifndef Q_OS_WIN // Windows' player has no object to look for
        QVERIFY(!silent.findChild<QSoundEffect*>());
#endif
    }

    // The start sound and the window icon wait until the start window has been painted, and
    // come once, however often the window is painted again.
    void startSoundAndIconFollowFirstFrame() {
        QApplication::setWindowIcon(QIcon());
        Session s;
        auto* cue = s.control<ipb::SoundCue>("FrmStart", "MMControl1");
        QSignalSpy started(cue, &ipb::SoundCue::started);
#ifndef Q_OS_WIN
        QVERIFY(!cue->findChild<QSoundEffect*>());
#endif
        QVERIFY(QApplication::windowIcon().isNull());

        QVERIFY(QTest::qWaitForWindowExposed(s.window("FrmStart")));
        QTRY_COMPARE(started.size(), 1);
        QCOMPARE(started[0][0].toString(), ipb::findSound(ipb::soundFolders(), "Aufloes1.wav"));
        QVERIFY(!QApplication::windowIcon().pixmap(32).isNull());

        s.window("FrmStart")->repaint();
        QTest::qWait(20);
        QCOMPARE(started.size(), 1);
    }
    // Controls sit where the layouts put them: twips / 15 = pixels, in Arial of the given size.
    void formsMatchTheirLayouts_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<double>("points");
        QTest::newRow("start picture 1") << "FrmStart"
                                         << "BildLastf1" << QRect(240, 120, 5175, 2565) << 0.0;
        QTest::newRow("note heading") << "FrmStart"
                                      << "LabBeacht" << QRect(5880, 240, 1815, 495) << 9.75;
        QTest::newRow("validity note") << "FrmStart"
                                       << "LabGueltig" << QRect(5880, 600, 1935, 2415) << 9.0;
        QTest::newRow("F box") << "FrmHaupt"
                               << "TextInput_F" << QRect(1920, 480, 975, 330) << 9.75;
        QTest::newRow("safety box") << "FrmHaupt"
                                    << "TextInput_nue" << QRect(2160, 1920, 735, 345) << 9.75;
        QTest::newRow("compute button") << "FrmHaupt"
                                        << "CmdBerech" << QRect(120, 4800, 975, 495) << 8.25;
        QTest::newRow("1/1000 option in its frame")
            << "FrmHaupt"
            << "Option_Fmax1000" << QRect(240, 1080, 2055, 255) << 8.25;
        QTest::newRow("section list") << "FrmHaupt"
                                      << "TrgWahl" << QRect(3120, 480, 855, 1740) << 9.75;
        QTest::newRow("section drawing") << "FrmHaupt"
                                         << "BildProfil" << QRect(5400, 120, 2371, 2055) << 0.0;
    }
    void formsMatchTheirLayouts() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QRect, twips);
        QFETCH(double, points);
        Session s;
        s.chooseLoadCase(2);
        QWidget* w = s.control(qPrintable(window), qPrintable(control));
        QVERIFY(w);
        const auto px = [](int t) { return qRound(t / 15.0); };
        QCOMPARE(w->geometry(),
                 QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
        if (points > 0) {
            QCOMPARE(w->font().pointSizeF(), points);
#ifdef Q_OS_WIN // Arial itself there
            QCOMPARE(w->font().family(), QString("Arial"));
#else
            QCOMPARE(QFontInfo(w->font()).family(), QString("Liberation Sans"));
#endif
        }
    }

    void windowsHaveTheirCaptionsAndSizes() {
        Session s;
        s.chooseLoadCase(1);
        QCOMPARE(s.window("FrmStart")->windowTitle(),
                 QString("IPB-Träger DIN 1025 (E-Norm 56-62) - Spannungs- und "
                         "Durchbiegungsnachweis"));
        QCOMPARE(s.window("FrmStart")->size(), QSize(542, 384));
        QCOMPARE(s.window("FrmHaupt")->windowTitle(),
                 QString("IPB - Trägerberechnung - Benutzereingaben"));
        QCOMPARE(s.window("FrmHaupt")->size(), QSize(533, 363));
    }
};

QTEST_MAIN(TestWindowServices)
#include "test_window_services.moc"
