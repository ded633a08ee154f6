// The calculation record: saved as PDF, printed and copied from the real results and report
// windows after calculations typed into the input window. PDFs are read back with poppler.

#include "check_elements.h"
#include "gui_session.h"
#include "record_dialogs.h"
#include "record_opening.h"
#include "record_pdf.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

const Inputs kPointPass{
    {"TextInput_F", "10"}, {"TextInput_la", "1"}, {"TextInput_lb", "1"}, {"TextInput_nue", "1"}};

const QMap<QString, QString> kInputCaptions{
    {"TextInput_plusq", "Last +q [kN/m]"}, {"TextInput_F", "Kraft F [kN]"},
    {"TextInput_la", "Länge la [m]"},      {"TextInput_lb", "Länge lb [m]"},
    {"TextInput_l", "Länge l [m]"},        {"TextInput_nue", "Mindestsicherheit"}};

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The first line of the PDF's text holding the caption.
QString lineWith(const QString& text, const QString& caption) {
    for (const QString& line : text.split('\n')) {
        if (line.contains(caption)) {
            return line;
        }
    }
    return {};
}

// Answers the save question with a path, remembering what the program proposed.
QString proposed;
void answerSaveWith(const QString& path) {
    ipb::askPdfFileName = [path](QWidget*, const QString&, const QString& proposal,
                                 const QString&) {
        proposed = proposal;
        return path;
    };
}

// A device with room for so many bytes, then failing as a full disk does.
struct FillingDevice : QIODevice {
    explicit FillingDevice(qint64 bytes) : room(bytes) { open(QIODevice::WriteOnly); }
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override {
        const qint64 taken = std::min(size, room);
        room -= taken;
        errno = taken ? 0 : ENOSPC;
        return taken ? taken : -1;
    }
    qint64 room;
};

} // namespace

class TestCalculationRecord : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        useGermanLocale();
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
    }

    // Ctrl+S on either window writes three A4 pages of searchable text and no pixels: every row
    // as shown, the inadmissible ones marked in words, inputs, section, load case and verdict;
    // then the calculation retraced, the exact maxima and a note where they decide otherwise.
    void pdfHoldsTheRecord_data() {
        QTest::addColumn<int>("loadCase");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QList<int>>("red");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("failed");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("secondPage"); // a line of the calculation retraced
        QTest::newRow("uniform load, pass")
            << 1 << kUniformPass << QList<int>{} << "OK., Alle Werte zulässig!"
            << "innerhalb"
            << "FrmErgAusg"
            << "FA = q·l/2 = 10,601·6/2 = 31,8030 kN";
        QTest::newRow("uniform load, both fail, from the report")
            << 1 << kUniformFail << QList<int>{5, 7, 8} << "Warnung! Wert(e) unzulässig!"
            << "Nicht eingehalten: Biegespannung und Durchbiegung"
            << "FrmReport"
            << "";
        QTest::newRow("point load, pass, from the report")
            << 2 << kPointPass << QList<int>{} << "OK., Alle Werte zulässig!"
            << "innerhalb"
            << "FrmReport"
            << "";
        QTest::newRow("point load, deflection fails")
            << 2 << kPointFail << QList<int>{8} << "Warnung! Wert(e) unzulässig!"
            << "Nicht eingehalten: Durchbiegung über"
            << "FrmErgAusg"
            << "f,max = 17,504 mm bei x = 2,589 m (Programmwert 17,493 mm, -0,1 %)";
    }
    void pdfHoldsTheRecord() {
        QFETCH(int, loadCase);
        QFETCH(Inputs, inputs);
        QFETCH(QList<int>, red);
        QFETCH(QString, window);
        QFETCH(QString, verdict);
        Session s;
        s.compute(inputs, loadCase);
        QWidget* target = activate(s, qPrintable(window));
        QVERIFY(target);
        QTemporaryDir dir;
        const QString path = dir.filePath("record.pdf");
        answerSaveWith(path);
        QTest::keyClick(target, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(s.messages.seen.isEmpty());
        QVERIFY(QRegularExpression("^" + QRegularExpression::escape(home.path()) +
                                   "/Traeger_IPB200_20\\d\\d-\\d\\d-\\d\\d_\\d{4}\\.pdf$")
                    .match(proposed)
                    .hasMatch());

        const QString info = run("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+5\\n")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 84[12]")),
                 qPrintable(info));
        QCOMPARE(run("pdfimages", {"-list", path}).split('\n', Qt::SkipEmptyParts).size(), 2);
        QVERIFY(run("pdffonts", {path}).contains("LiberationSans"));

        const QString text = run("pdftotext", {"-layout", "-l", "1", path, "-"});
        for (int row = 0; row < 10; ++row) {
            const QLabel* value = s.label("FrmErgAusg", kValueLabels[row]);
            // The window's caption with its units written as an engineer writes them.
            const QString caption = s.window("FrmErgAusg")
                                        ->findChild<QLabel*>(QString("LabErg%1").arg(row))
                                        ->text()
                                        .replace("KN", "kN");
            const QString line = lineWith(text, caption);
            QVERIFY2(!line.isEmpty(), qPrintable(caption));
            if (!value->isHidden()) {
                QVERIFY2(line.contains(value->text()), qPrintable(line));
            }
            QVERIFY2(line.contains("unzulässig") == red.contains(row), qPrintable(line));
        }
        for (const auto& [box, typed] : inputs) {
            QVERIFY2(lineWith(text, kInputCaptions[box]).contains(typed), qPrintable(box));
        }
        for (const QString& expected :
             {QString("IPB 200 DIN 1025"), QString("HE 200 B (EuroN)"), QString("Ix = 5700 cm⁴"),
              QString("Wx = 570 cm³"), QString("q0 = 601 N/m (Tabelle: 601,353 N/m)"),
              QString("l/300"), QString("ipbtraeger) 1.0.0"),
              QString(loadCase == 1 ? "Streckenlast (mind. Eigengewicht)" : "plus Punktlast")}) {
            QVERIFY2(text.contains(expected), qPrintable(expected));
        }
        QCOMPARE(lineWith(text, "Wert").trimmed(), "Urteil der vier Fenster: " + verdict);
        QFETCH(QString, failed);
        QVERIFY2(text.contains(failed), qPrintable(text));

        QFETCH(QString, secondPage);
        const QString second = run("pdftotext", {"-f", "2", path, "-"}).simplified();
        QVERIFY2(second.contains(secondPage), qPrintable(second));
    }

    // Page 1's verdict box speaks for every check: green only when all hold, the four windows'
    // verdict named as such, each group's line and the verdict over all; the copy says the same.
    void pageOneVerdictOverAllChecks_data() {
        QTest::addColumn<int>("loadCase");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<int>("sectionRow");
        QTest::addColumn<QStringList>("lines"); // the box's lines, in this order
        QTest::addColumn<QString>("overall");   // the copy's "Gesamturteil"
        QTest::newRow("girder fails in shear")
            << 2 << kGirder << kGirderRow
            << QStringList{"Urteil der vier Fenster: OK., Alle Werte zulässig!",
                           "Biegespannung und Durchbiegung innerhalb der zulässigen Werte",
                           "Weitere Nachweise mit zul. σ = 330/ν (keine Norm) nicht erfüllt: "
                           "Schub, Vergleichsspannung",
                           "DIN EN 1993-1-1: alle Nachweise erfüllt", "Gesamturteil: nicht erfüllt"}
            << "nicht erfüllt: Weitere Nachweise mit zul. σ = 330/ν (keine Norm): Schub, "
               "Vergleichsspannung\t\tunzulässig";
        QTest::newRow("buckles to the standard")
            << 1 << kBucklesToStandard << kBucklingRow
            << QStringList{"Urteil der vier Fenster: OK., Alle Werte zulässig!",
                           "DIN EN 1993-1-1 nicht erfüllt: Biegedrillknicken",
                           "Gesamturteil: nicht erfüllt"}
            << "nicht erfüllt: DIN EN 1993-1-1: Biegedrillknicken\t\tunzulässig";
        // Eight checks of the standard fail: every name stands in the box, whole.
        QTest::newRow("audit beam fails eight checks to the standard")
            << 2
            << Inputs{{"TextInput_F", "598"},
                      {"TextInput_plusq", "60"},
                      {"TextInput_la", "0,21"},
                      {"TextInput_lb", "4,39"},
                      {"TextInput_nue", "1,1"}}
            << 4
            << QStringList{"DIN EN 1993-1-1 nicht erfüllt: Biegung, Querkraft, Biegung und "
                           "Querkraft, Biegedrillknicken, Lasteinleitung Auflager A, "
                           "Lasteinleitung unter F, Querlast und Biegung unter F, Durchbiegung "
                           "Gesamturteil: nicht erfüllt"}
            << "nicht erfüllt: Urteil der vier Fenster: Durchbiegung; Weitere Nachweise mit zul. "
               "σ = 330/ν (keine Norm): Schub, Vergleichsspannung, Kippen ohne seitliche "
               "Halterung; DIN EN 1993-1-1: Biegung, Querkraft, Biegung und Querkraft, "
               "Biegedrillknicken, Lasteinleitung Auflager A, Lasteinleitung unter F, Querlast "
               "und Biegung unter F, Durchbiegung\t\tunzulässig";
        QTest::newRow("holds everything")
            << 1 << kUniformPass << 3
            << QStringList{"Urteil der vier Fenster: OK., Alle Werte zulässig!",
                           "DIN EN 1993-1-1: alle Nachweise erfüllt",
                           "Gesamturteil: alle untersuchten Nachweise erfüllt; nicht untersucht: "
                           "Lasteinleitung Auflager A, Lasteinleitung Auflager B",
                           "Nachweise Urteil der vier Fenster (zul. σ = 330/ν) Biegespannung "
                           "38,0 % erfüllt"}
            << "erfüllt\tnicht untersucht: Lasteinleitung Auflager A, Lasteinleitung Auflager B";
    }
    void pageOneVerdictOverAllChecks() {
        QFETCH(int, loadCase);
        QFETCH(Inputs, inputs);
        QFETCH(int, sectionRow);
        QFETCH(QStringList, lines);
        QFETCH(QString, overall);
        Session s;
        s.compute(inputs, loadCase, sectionRow);
        if (loadCase == 2 && sectionRow == 4) {
            setDesign(s, {{"TxtLagerA", "100"}, {"TxtLagerB", "100"}, {"TxtLagerF", "200"}});
        }
        QTemporaryDir dir;
        const QString path = dir.filePath("record.pdf");
        answerSaveWith(path);
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_S, Qt::ControlModifier);
        // The box's lines may wrap inside its frame: read as one text, in order.
        const QString page = run("pdftotext", {"-l", "1", path, "-"}).simplified();
        qsizetype at = page.indexOf("Urteil");
        for (const QString& line : lines) {
            const qsizetype found = page.indexOf(line, at + 1);
            QVERIFY2(found > at, qPrintable(line + "\nin: " + page.mid(at, 600)));
            at = found;
        }
        // The frame is the page's only green; red marks a failure wherever it stands.
        const QString picture = dir.filePath("page");
        run("pdftoppm", {"-png", "-r", "40", "-f", "1", "-l", "1", "-singlefile", path, picture});
        const QImage image(picture + ".png");
        QVERIFY(!image.isNull());
        bool green = false, red = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                green = green || (c.green() > 150 && c.red() < 80 && c.blue() < 80);
                red = red || (c.red() > 200 && c.green() < 80 && c.blue() < 80);
            }
        }
        const bool holds = overall.startsWith("erfüllt");
        QCOMPARE(green, holds);
        QCOMPARE(red, !holds);

        QGuiApplication::clipboard()->clear();
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_C, Qt::ControlModifier);
        const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
        QVERIFY2(copied.contains("Gesamturteil\t" + overall),
                 qPrintable(copied.filter("Gesamturteil").join('\n')));
    }

    // Ctrl+C copies the record of the results on screen, even after "Neue Rechnung" and new
    // typing: tab-separated lines with the verdict ahead of the rows, and an HTML table.
    void clipboardHoldsTheRecordOnScreen_data() {
        QTest::addColumn<int>("loadCase");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QStringList>("lines"); // in this order, among others
        QTest::newRow("uniform load, pass")
            << 1 << kUniformPass
            << QStringList{"Lastfall\tTräger auf 2 Stützen, Streckenlast (mind. Eigengewicht)",
                           "Profil\tIPB 200 DIN 1025\tHE 200 B (EuroN)",
                           "Ix\t5700\tcm⁴",
                           "q0\t601\tN/m (Tabelle: 601,353 N/m)",
                           "Länge l\t6\tm",
                           "Mindestsicherheit\t1,5",
                           "Urteil\tOK., Alle Werte zulässig!",
                           "Gesamturteil\terfüllt\tnicht untersucht: Lasteinleitung Auflager A, "
                           "Lasteinleitung Auflager B",
                           "Gesamtspannweite l\t\tm",
                           "Max. Biegespannung\t83,692\tN/mm²",
                           "Vorhandene Sicherheit\t3,943"};
        QTest::newRow("point load, deflection fails")
            << 2 << kPointFail
            << QStringList{
                   "Kraft F\t50\tkN",
                   "Mindestsicherheit\t1,5",
                   "Max. zul. Durchbiegung\tl/300",
                   "Urteil\tWarnung! Wert(e) unzulässig!\tDurchbiegung über dem "
                   "zulässigen Wert",
                   "Gesamturteil\tnicht erfüllt: Urteil der vier Fenster: "
                   "Durchbiegung; DIN EN 1993-1-1: Biegedrillknicken, Durchbiegung\t\tunzulässig",
                   "Auflagerkraft FA\t46,5025\tkN",
                   "Gesamtspannweite l\t5,0000\tm",
                   "Max. Durchbiegung\t17,493\tmm\tunzulässig",
                   "M,max genau (x = 3,000 m)\t91,8030\tkNm",
                   "f,max genau (x = 2,589 m)\t17,504\tmm"};
    }
    void clipboardHoldsTheRecordOnScreen() {
        QFETCH(int, loadCase);
        QFETCH(Inputs, inputs);
        QFETCH(QStringList, lines);
        Session s;
        s.compute(inputs, loadCase);
        s.button("FrmErgAusg", "CmdReport")->click();
        s.button("FrmReport", "CmdNeuBerech")->click();
        s.type("TextInput_nue", "7");
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_C, Qt::ControlModifier);

        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        const QStringList copied = data->text().split('\n');
        qsizetype at = -1;
        for (const QString& line : lines) {
            const qsizetype found = copied.indexOf(line);
            QVERIFY2(found > at, qPrintable(line));
            at = found;
        }
        // The inputs, results and verdicts, and a row for each check that has one.
        const ipb::CheckResults& checks = s.program.recordOnDisplay()->calculation->checks;
        const auto checkRows = std::count_if(checks.begin(), checks.end(),
                                             [](const ipb::CheckResult& c) { return c.copy; });
        QCOMPARE(copied.filter("\t").size(), (loadCase == 2 ? 30 : 28) + checkRows);
        QVERIFY(data->html().contains("<table>"));
        QCOMPARE(data->html().count("<tr>"), copied.size() - 1);
        QCOMPARE(data->html().contains("color:#ff0000"), loadCase == 2);
    }

    // A place that cannot take the file gives a "Fehler:" box naming it and leaves nothing;
    // cancelling leaves nothing; an existing file is replaced by a whole PDF.
    void savingGoesAllOrNothing_data() {
        QTest::addColumn<QString>("name"); // in a scratch folder unless absolute
        QTest::addColumn<bool>("fails");
        QTest::newRow("folder that does not exist") << "missing/record.pdf" << true;
        QTest::newRow("name of a folder") << "folder.pdf" << true;
        QTest::newRow("under /proc") << "/proc/ipbtraeger-record.pdf" << true;
        QTest::newRow("cancelled") << "" << false;
        QTest::newRow("existing file replaced") << "old.pdf" << false;
    }
    void savingGoesAllOrNothing() {
        QFETCH(QString, name);
        QFETCH(bool, fails);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder.pdf"));
        QFile old(dir.filePath("old.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        const QString path = name.isEmpty() ? name : QDir(dir.path()).absoluteFilePath(name);
        Session s;
        s.compute(kPointFail, 2);
        answerSaveWith(path);
        if (fails) {
            s.expectMessage("Fehler:", path);
        }
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(s.messages.seen.size(), fails ? 1 : 0);
        if (fails) {
            QCOMPARE(s.messages.seen[0].title, QString("Fehler:"));
            QVERIFY2(s.messages.seen[0].text.contains(path), qPrintable(s.messages.seen[0].text));
            QVERIFY(!QFileInfo(path).isFile());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.pdf"});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.read(4), name == "old.pdf" ? QByteArray("%PDF") : QByteArray("old"));
    }

    // On a file system of 64 KB the record (about 69 KB) never fits: with no file before and over
    // older ones of 8, 40 and 56 KB, the old file stays byte for byte, a "Fehler:" box says the
    // disk is full, and no stray file remains. Mounting needs root.
    void savingOntoAFullDisk() {
        QTemporaryDir dir;
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()})) {
            QSKIP("no small file system can be mounted here");
        }
        const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {dir.path()}); });
        Session s;
        s.compute(kPointFail, 2);
        answerSaveWith(dir.filePath("Bericht.pdf"));
        int saves = 0;
        for (const int kb : {0, 8, 40, 56}) {
            QFile old(dir.filePath("Bericht.pdf"));
            const QByteArray before(kb * 1024, 'o');
            QVERIFY(!kb || (old.open(QIODevice::WriteOnly) && old.write(before) == before.size()));
            old.close();
            s.expectMessage("Fehler:", "Der Datenträger ist voll.");
            QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(s.messages.seen.size(), ++saves);
            QVERIFY(s.messages.seen.last().text.endsWith("\nDer Datenträger ist voll."));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                     kb ? QStringList{"Bericht.pdf"} : QStringList{});
            QVERIFY(!kb || (old.open(QIODevice::ReadOnly) && old.readAll() == before));
        }
    }
    // Where none can be mounted: the rest offered again after a short write, the full disk named.
    void writeWholeSeesAFullDisk() {
        FillingDevice partly(10742), enough(69380);
        QCOMPARE(ipb::writeWhole(partly, QByteArray(69380, '%')), "Der Datenträger ist voll.");
        QCOMPARE(ipb::writeWhole(enough, QByteArray(69380, '%')), "");
    }

    // The right mouse button, the Menu key and Shift+F10 open the menu of the commands
    // in both windows, with their shortcuts.
    // Qt's own save dialog speaks German once the program runs; message boxes keep their "OK".
    void qtDialogsSpeakGerman() {
        Session s;
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QStringList buttons;
        for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
            buttons << button->text();
        }
        QCOMPARE(buttons, QStringList({"S&peichern", "Abbrechen"}));
        QCOMPARE(QMessageBox(QMessageBox::NoIcon, "", "", QMessageBox::Ok).buttons()[0]->text(),
                 "OK");
    }

    void contextMenuOffersTheCommands_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");
        for (const char* window : {"FrmErgAusg", "FrmReport"}) {
            for (const char* how : {"right click", "Menu key", "Shift+F10"}) {
                QTest::addRow("%s, %s", window, how) << window << how;
            }
        }
    }
    void contextMenuOffersTheCommands() {
        QFETCH(QString, window);
        QFETCH(QString, how);
        Session s;
        s.compute(kUniformPass, 1);
        QWidget* target = activate(s, qPrintable(window));
        QStringList offered;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions()) {
                    offered << action->text() + " " + action->shortcut().toString();
                }
                menu->close();
            }
        });
        closer.start(5);
        if (how == "right click") {
            // Through the window, as the platform delivers it, so Qt makes the menu event.
            const QWidget* label = target->findChild<QLabel*>();
            QTest::mouseClick(target->windowHandle(), Qt::RightButton, {},
                              label->mapTo(target, label->rect().center()));
        } else {
            QTest::keyClick(target, how == "Menu key" ? Qt::Key_Menu : Qt::Key_F10,
                            how == "Menu key" ? Qt::NoModifier : Qt::ShiftModifier);
        }
        QTRY_COMPARE(offered,
                     QStringList({"Drucken… Ctrl+P", "Seitenansicht… ", "Als PDF speichern… Ctrl+S",
                                  "Ergebnisse kopieren Ctrl+C", "Leichtestes Profil suchen… Ctrl+L",
                                  "Position… ", "Bemessung… ", "Alle Nachweise… Ctrl+E"}));
    }

    // "Drucken…" prints the three pages through Qt's print dialog, which offers the record's own
    // file where there is no printer; cancelling prints nothing. "Seitenansicht…" shows them.
    void printAndPreview_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("accept");
        QTest::newRow("print cancelled") << "ActionPrint" << false;
        QTest::newRow("printed to a file") << "ActionPrint" << true;
        QTest::newRow("preview") << "ActionPreview" << true;
    }
    void printAndPreview() {
        QFETCH(QString, command);
        QFETCH(bool, accept);
        QTemporaryDir dir;
        const QString path = dir.filePath("printed.pdf");
        Session s;
        s.compute(kPointFail, 2);
        QString proposal;
        int previewPages = 0;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
                auto* file = dialog->findChild<QLineEdit*>("filename");
                proposal = file->text();
                file->setText(path);
                accept ? dialog->accept() : dialog->reject();
            } else if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) {
                previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
                preview->reject();
            }
        });
        answerer.start(5);
        s.window("FrmErgAusg")->findChild<QAction*>(command)->trigger();
        QVERIFY(s.messages.seen.isEmpty());
        if (command == "ActionPreview") {
            QCOMPARE(previewPages, 5);
            return;
        }
        QVERIFY2(proposal.startsWith(home.path() + "/Traeger_IPB200_"), qPrintable(proposal));
        QCOMPARE(QFileInfo::exists(path), accept);
        if (accept) {
            QVERIFY(run("pdfinfo", {path}).contains(QRegularExpression("Pages:\\s+5\\n")));
            QVERIFY(run("pdftotext", {path, "-"}).contains("Genaue Größtwerte"));
        }
    }

    // A check filed under its position and saved, then opened through the start window: the
    // same boxes, the same figures, the position kept; a bad file changes nothing.
    void reopenedCheck_data() {
        QTest::addColumn<int>("loadCase");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("file"); // what the saved record is turned into
        QTest::addColumn<QString>("message");
        QTest::newRow("uniform, 1/500, Ctrl+O") << 1 << kUniformFail << "Option_fmax500"
                                                << "Ctrl+O"
                                                << "";
        QTest::newRow("point, 1/1000, command line") << 2 << kPointFail << "Option_Fmax1000"
                                                     << "command line"
                                                     << "";
        QTest::newRow("no PDF") << 1 << kUniformPass << "Option_fmax300"
                                << "no PDF"
                                << "Diese Datei enthält keine Trägerberechnung.";
        QTest::newRow("tampered") << 1 << kUniformPass << "Option_fmax300"
                                  << "tampered"
                                  << "Die Trägerberechnung in dieser Datei ist beschädigt.";
    }
    // "Bemessung…": the defaults, a bearing length out of its range refused with its range and
    // nothing changed, then S355 taken, which the copy's bending utilisation follows.
    void designDataDialog() {
        Session s;
        s.compute(kPointFail, 2);
        const auto copiedRow = [&](const QString& caption) {
            QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_C, Qt::ControlModifier);
            for (const QString& line : QGuiApplication::clipboard()->text().split('\n')) {
                if (line.startsWith(caption + "\t")) {
                    return line;
                }
            }
            return QString();
        };
        QCOMPARE(copiedRow("Ausnutzung Biegung"), "Ausnutzung Biegung\t91,0\t%");
        s.window("FrmErgAusg")->findChild<QAction*>("ActionBemessung")->trigger();
        QTRY_VERIFY(s.shown("FrmBemessung"));
        QCOMPARE(s.control<QComboBox>("FrmBemessung", "CboStahlsorte")->currentText(), "S235");
        QVERIFY(!s.control<QCheckBox>("FrmBemessung", "ChkGehalten")->isChecked());
        QCOMPARE(s.control<QComboBox>("FrmBemessung", "CboLastangriff")->currentText(), "Obergurt");
        QVERIFY(s.control<QLineEdit>("FrmBemessung", "TxtLagerF")->isVisible());
        QVERIFY(s.control<QLineEdit>("FrmBemessung", "TxtLagerA")->text().isEmpty());
        s.control<QComboBox>("FrmBemessung", "CboStahlsorte")->setCurrentText("S355");
        auto* bearing = s.control<QLineEdit>("FrmBemessung", "TxtLagerA");
        QTest::keyClicks(bearing, "1000,5");
        s.expectMessage("Fehler:", "Lagerlänge s,s am Auflager A: bitte eine Zahl von 0 bis 1000 "
                                   "mm eingeben.");
        s.button("FrmBemessung", "CmdBemessungOk")->click();
        QVERIFY(s.shown("FrmBemessung"));
        QCOMPARE(bearing->selectedText(), "1000,5");
        QCOMPARE(copiedRow("Stahlsorte"), "Stahlsorte\tS235");
        bearing->setText("100");
        s.button("FrmBemessung", "CmdBemessungOk")->click();
        QTRY_VERIFY(!s.window("FrmBemessung"));
        // 137,43 kNm against W,pl·fy = 642,6 cm³ · 355 N/mm² = 228,12 kNm.
        QCOMPARE(copiedRow("Ausnutzung Biegung"), "Ausnutzung Biegung\t60,2\t%");
        QCOMPARE(copiedRow("Ausnutzung Lasteinleitung Auflager A").section('\t', 0, 0),
                 "Ausnutzung Lasteinleitung Auflager A");
        QVERIFY(!copiedRow("Ausnutzung Lasteinleitung Auflager A").contains("nicht untersucht"));
    }

    void reopenedCheck() {
        QFETCH(int, loadCase);
        QFETCH(Inputs, inputs);
        QFETCH(QString, limit);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("check.pdf");
        QStringList figures;
        {
            Session s;
            s.compute(inputs, loadCase, 6, qPrintable(limit));
            s.window("FrmErgAusg")->findChild<QAction*>("ActionPosition")->trigger();
            QTRY_VERIFY(s.shown("FrmPosition"));
            for (const auto& [box, text] :
                 {std::pair{"TxtBauvorhaben", " Schule "}, std::pair{"TxtPosition", "3"},
                  std::pair{"TxtBauteil", "Unterzug"}, std::pair{"TxtBearbeiter", "M. Weber"}}) {
                // Bauvorhaben and Bearbeiter come back from the last run: typed over.
                auto* line = s.control<QLineEdit>("FrmPosition", box);
                line->selectAll();
                QTest::keyClicks(line, text);
            }
            s.button("FrmPosition", "CmdPositionOk")->click();
            setDesign(
                s,
                {{"CboStahlsorte", "S355"}, {"TxtLagerA", "120"}, {"CboLastangriff", "Untergurt"}});
            for (const char* label : kValueLabels) {
                figures << s.label("FrmErgAusg", label)->text();
            }
            answerSaveWith(path);
            QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_S, Qt::ControlModifier);
        }
        QVERIFY2(QFileInfo(proposed).fileName().startsWith("Pos_3_Traeger_IPB300_"),
                 qPrintable(proposed));
        QVERIFY(run("pdfinfo", {path})
                    .contains("Position 3: Unterzug – Trägerberechnung IPB "
                              "300 DIN 1025"));
        QVERIFY(run("pdfinfo", {"-meta", path}).contains("<rdf:li>M. Weber</rdf:li>"));
        QCOMPARE(run("pdftotext", {path, "-"})
                     .count("Bauvorhaben: Schule · Position: 3 · Bauteil: Unterzug · "
                            "Bearbeiter: M. Weber"),
                 5); // on every page

        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadWrite));
        QByteArray bytes = pdf.readAll();
        if (file == "no PDF") {
            bytes = "Trägerberechnung IPB 300\n";
        } else if (file == "tampered") {
            bytes.replace("Section>300<", "Section>301<");
        }
        pdf.resize(0);
        pdf.write(bytes);
        pdf.close();

        Session s;
        if (!message.isEmpty()) {
            s.expectMessage("Fehler:", message);
        }
        if (file == "command line") {
            s.program.openCheckFile(path);
        } else {
            ipb::askOpenPdfFileName = [path](QWidget*, const QString&, const QString&,
                                             const QString& filter) {
                return filter == "PDF-Dokumente (*.pdf)" ? path : QString();
            };
            QTest::keyClick(activate(s, "FrmStart"), Qt::Key_O, Qt::ControlModifier);
        }
        if (!message.isEmpty()) {
            QTRY_COMPARE(s.messages.seen.size(), 1);
            QCOMPARE(s.messages.seen[0].title, "Fehler:");
            QCOMPARE(s.messages.seen[0].text, message);
            QVERIFY(s.shown("FrmStart"));
            QVERIFY(!s.window("FrmHaupt"));
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(s.shown("FrmErgAusg"), 3000);
        QVERIFY(s.messages.seen.isEmpty());
        QVERIFY(s.control<QRadioButton>("FrmHaupt", qPrintable(limit))->isChecked());
        QCOMPARE(s.control<QListWidget>("FrmHaupt", "TrgWahl")->currentRow(), 6);
        for (const auto& [box, typed] : inputs) {
            QCOMPARE(s.box(qPrintable(box))->text(), typed);
        }
        for (int row = 0; row < 10; ++row) {
            QCOMPARE(s.label("FrmErgAusg", kValueLabels[row])->text(), figures[row]);
        }
        // The design data came back with the check.
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_C, Qt::ControlModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains("Stahlsorte\tS355\n") &&
                     !copied.contains("Lasteinleitung Auflager A\tnicht untersucht"),
                 qPrintable(copied));
        s.window("FrmErgAusg")->findChild<QAction*>("ActionBemessung")->trigger();
        QTRY_VERIFY(s.shown("FrmBemessung"));
        QCOMPARE(s.control<QComboBox>("FrmBemessung", "CboLastangriff")->currentText(),
                 "Untergurt");
        s.button("FrmBemessung", "CmdBemessungAbbrechen")->click();
        // The revised check is filed under the same position.
        answerSaveWith(dir.filePath("again.pdf"));
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFileInfo(proposed).fileName().startsWith("Pos_3_"));
    }

    // Every record it writes, the program opens again. Pasted over "1" in +q, typed into
    // "Position" or read from the settings (a FIFO in their place): saved, each check opens
    // as the one on display, its top flange free; the next save starts in the same folder.
    void savedChecksOpenAgain_data() {
        QTest::addColumn<QStringList>("row"); // pasted, +q then, "Position", settings, Bauvorhaben
        QTest::newRow("+q: 5 and U+FFFF") << QStringList{"5\uFFFF", "5", "", "", ""};
        QTest::newRow("+q: a minus refuses the paste") << QStringList{"-3", "1", "", "", ""};
        QTest::newRow("Position: U+FFFF, a control") << QStringList{"1", "1", "3\uFFFF\a", "", ""};
        QTest::newRow("settings: 214 characters, a line break, ObergurtGehalten=garbage")
            << QStringList{"1", "1", "",
                           "[Bemessung]\nObergurtGehalten=garbage\n[Position]\nBauvorhaben="
                           "\"Zeile1\\nZeile2\\t" +
                               QString(200, 'x') + "\"\n",
                           "Zeile1 Zeile2 " + QString(66, 'x')};
        QTest::newRow("settings: a FIFO") << QStringList{"1", "1", "", "FIFO", ""};
    }
    void savedChecksOpenAgain() {
        QFETCH(QStringList, row);
        const QString conf = home.filePath(".config/ipbtraeger/ipbtraeger.conf");
        QFile::remove(conf); // what the tests before left
        QDir().mkpath(QFileInfo(conf).path());
        if (row[3] == "FIFO") {
            QVERIFY(::mkfifo(QFile::encodeName(conf).constData(), 0600) == 0);
        } else if (QFile file(conf); !row[3].isEmpty() && file.open(QIODevice::WriteOnly)) {
            file.write(row[3].toUtf8());
        }
        Session s;
        s.chooseLoadCase(1);
        s.type("TextInput_plusq", "1");
        s.box("TextInput_plusq")->selectAll();
        QGuiApplication::clipboard()->setText(row[0]);
        QTest::keyClick(s.box("TextInput_plusq"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s.box("TextInput_plusq")->text(), row[1]);
        s.compute({{"TextInput_l", "6"}, {"TextInput_nue", "1,5"}});
        if (!row[2].isEmpty()) {
            s.window("FrmErgAusg")->findChild<QAction*>("ActionPosition")->trigger();
            QTRY_VERIFY(s.shown("FrmPosition"));
            s.control<QLineEdit>("FrmPosition", "TxtPosition")->setText(row[2]);
            s.button("FrmPosition", "CmdPositionOk")->click();
        }
        QTemporaryDir dir;
        answerSaveWith(dir.filePath("check.pdf"));
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_S, Qt::ControlModifier);
        const auto read = ipb::readCheckFile(dir.filePath("check.pdf")).check;
        QVERIFY(read && *read == ipb::filedPart(ipb::filedCheck(*s.program.recordOnDisplay())));
        QVERIFY(!read->request.design.topFlangeHeld);
        QCOMPARE(QString::fromStdString(read->position.bauvorhaben), row[4]);
        QTest::keyClick(activate(s, "FrmErgAusg"), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QFileInfo(proposed).path(), row[3] == "FIFO" ? home.path() : dir.path());
    }

    // A check its packet would refuse is not saved: "Fehler:" says why, and no file is left.
    void refusedCheckIsNotSaved() {
        Session s;
        s.compute(kUniformPass, 1);
        ipb::CalculationRecord record = *s.program.recordOnDisplay();
        record.position.bauteil = "Tr\xEF\xBF\xBFger";
        answerSaveWith(home.filePath("refused.pdf"));
        s.expectMessage("Fehler:", "„Bauteil“ lässt sich nicht so in der Datei ablegen");
        ipb::saveRecordPdf(s.window("FrmErgAusg"), ipb::recordModel(record));
        QVERIFY(QDir(home.path()).entryList({"refused*"}).isEmpty());
    }

    // "Bemessung…" shows each figure with the digits it was given (not 1E-05, not 100,3333333),
    // and "OK" on the unchanged dialog files the same double to the bit.
    void designDialogShowsWhatItHolds_data() {
        QTest::addColumn<QString>("figure"); // typed, then shown
        for (const char* figure : {"0,00001", "100,33333333", "1000", "0", "0,30000000000000004"}) {
            QTest::newRow(figure) << QString(figure);
        }
    }
    void designDialogShowsWhatItHolds() {
        QFETCH(QString, figure);
        Session s;
        s.compute(kUniformPass, 1);
        setDesign(s, {{"TxtLagerA", figure}});
        const ipb::DesignData before = s.program.recordOnDisplay()->calculation->request.design;
        s.window("FrmErgAusg")->findChild<QAction*>("ActionBemessung")->trigger();
        QTRY_VERIFY(s.shown("FrmBemessung"));
        QCOMPARE(s.control<QLineEdit>("FrmBemessung", "TxtLagerA")->text(), figure);
        s.button("FrmBemessung", "CmdBemessungOk")->click();
        const auto after = s.program.recordOnDisplay()->calculation->request.design.bearingA;
        QVERIFY(after && *after == *before.bearingA); // the same bits: no box holds -0 or NaN
    }

  private:
    QTemporaryDir home;
};

QTEST_MAIN(TestCalculationRecord)
#include "test_calculation_record.moc"
