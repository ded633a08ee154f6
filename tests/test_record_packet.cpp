// The check filed inside a record PDF: written and read back unchanged, and every bad file
// refused with its message, found by a byte scan alone.

#include "check_elements.h"
#include "check_request.h"
#include "record_opening.h"
#include "record_packet.h"
#include "record_packet_reader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <random>

#include <sys/stat.h>

using namespace ipb;

Q_DECLARE_METATYPE(FiledCheck)

namespace {

FiledCheck check(bool point, std::size_t row, DeflectionLimit limit, PositionFields position,
                 DesignData design = {}) {
    InputTexts typed;
    typed[InputField::plusq] = point ? "" : "10,5";
    typed[InputField::F] = point ? "50" : "";
    typed[InputField::la] = point ? "3.25" : "";
    typed[InputField::lb] = point ? "2" : "";
    typed[InputField::l] = point ? "" : "123456";
    typed[InputField::sic] = "1,75";
    FiledCheck c{checkRequest(point ? LoadCase::PointLoad : LoadCase::UniformLoad, SectionId{row},
                              limit, typed),
                 std::move(position),
                 {2026, 12, 8, 14, 30, 5}};
    c.request.design = design;
    return c;
}

// A PDF around the packet, with the writer's own packet ahead of it as other files have.
QByteArray pdfAround(const std::string& packet) {
    return "%PDF-1.4\n1 0 obj\n<< /Type /Metadata >>\nstream\n<?xpacket begin='' "
           "id='x'?><x:xmpmeta xmlns:x='adobe:ns:meta/'/><?xpacket end='w'?>\nendstream\n"
           "2 0 obj\nstream\n" +
           QByteArray::fromStdString(packet) + "\nendstream\n%%EOF\n";
}

std::string written(const FiledCheck& c) {
    return checkPacket(c, "Trägerberechnung", "ipbtraeger 1.0.0");
}

} // namespace

class TestRecordPacket : public QObject {
    Q_OBJECT

  private slots:
    void roundTrip_data() {
        QTest::addColumn<FiledCheck>("stored");
        QTest::newRow("uniform, 1/300, no position") << check(false, 0, 300, {});
        QTest::newRow("uniform, 1/500") << check(false, 5, 500, {"Schulneubau", "3", "", ""});
        QTest::newRow("point, 1/1000") << check(true, 11, 1000, {"", "", "Unterzug", "M. Weber"});
        QTest::newRow("point, marks and 80 characters")
            << check(true, 3, 300,
                     {"Büro \"Ölmühle\" & Söhne <Nord>", "Pos. 3'a", std::string(78, 'x') + "äß",
                      QString(80, QChar(0x00DC)).toStdString()});
        QTest::newRow("point, every design figure")
            << check(true, 6, 500, {}, {SteelGrade::S355, 2.5, 0.1 + 0.2, true, 0, 100, 1000});
        QTest::newRow("uniform, S275, one bearing, loads on the bottom flange")
            << check(false, 2, 300, {},
                     {SteelGrade::S275, 250, 0, false, {}, 62.5, {}, LoadHeight::BottomFlange});
        // The writer puts tiny figures in exponent form ("1e-04"): they must read back.
        QTest::newRow("point, parts and bearings at their tops and tiny")
            << check(true, 9, 300, {"Schule", "", "", ""},
                     {SteelGrade::S235, 1e-4, 10000, false, 1000, 1.25e-7, 0.5});
    }
    void roundTrip() {
        QFETCH(FiledCheck, stored);
        const std::string packet = written(stored);
        // The default load height is not written: a packet without it means the top flange.
        QCOMPARE(packet.find("LoadHeight") != std::string::npos,
                 stored.request.design.loadHeight != LoadHeight::TopFlange);
        const QByteArray pdf = pdfAround(packet);
        const PacketReading read = readCheckPacket({pdf.constData(), std::size_t(pdf.size())});
        QCOMPARE(read.problem, PacketProblem::None);
        QVERIFY(read.check == stored);
    }

    // Each design figure is taken only within the range the design dialog admits, in any form
    // the writer may have used; anything else is a damaged packet, not a beam.
    void designFigures_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("opens");
        const std::string good =
            written(check(true, 3, 300, {}, {SteelGrade::S275, 1, 2, false, 10, 100, 200}));
        struct Figure {
            const char *name, *now, *top, *topByExponent, *above, *aboveByExponent;
        };
        for (const Figure& f : {Figure{"PermanentUniform", "1", "250", "2.5e2", "250.001", "2.6e2"},
                                Figure{"PermanentPoint", "2", "10000", "1e4", "10000.5", "1.1e4"},
                                Figure{"BearingLengthA", "10", "1000", "1e3", "1000.5", "1.5e3"},
                                Figure{"BearingLengthB", "100", "1000", "1e3", "1000.001", "1e9"},
                                Figure{"BearingLengthF", "200", "1000", "1e+3", "1001", "2E3"}}) {
            const std::string from = std::string(">") + f.now + "</ipb:" + f.name;
            for (const auto& [text, opens] :
                 {std::pair{"-1", false}, std::pair{f.above, false}, std::pair{"nan", false},
                  std::pair{"inf", false}, std::pair{f.aboveByExponent, false},
                  std::pair{"1,5", false}, std::pair{f.top, true}, std::pair{f.topByExponent, true},
                  std::pair{"0", true}}) {
                std::string p = good;
                p.replace(p.find(from), from.size(), std::string(">") + text + "</ipb:" + f.name);
                QTest::addRow("%s %s", f.name, text) << pdfAround(p) << opens;
            }
        }
    }
    void designFigures() {
        QFETCH(QByteArray, file);
        QFETCH(bool, opens);
        const PacketReading read = readCheckPacket({file.constData(), std::size_t(file.size())});
        QCOMPARE(read.problem, opens ? PacketProblem::None : PacketProblem::Damaged);
        QCOMPARE(read.check.has_value(), opens);
    }

    // The last packet of ours counts, as an incremental update appends the newer; and a packet
    // within the limits opens, one past them does not.
    void severalPacketsAndLimits_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("opens"); // with `newer`'s check when true
        const std::string older = written(check(true, 3, 300, {}));
        const std::string newer = written(check(false, 5, 500, {"Schule", "3", "", ""}));
        std::string damaged = older;
        damaged.replace(damaged.find(">200<"), 5, ">250<");
        // An element of n attributes named name0, name1, … with this value.
        const auto adding = [&](const std::string& name, int n, const std::string& value = "u") {
            std::string p = newer, x = "<x";
            for (int i = 0; i < n; ++i) {
                x += " " + name + std::to_string(i) + "='" + value + "'";
            }
            return pdfAround(p.insert(p.find("   <ipb:"), x + "/>"));
        };
        QTest::newRow("newer after damaged") << pdfAround(damaged) + pdfAround(newer) << true;
        QTest::newRow("damaged after older") << pdfAround(older) + pdfAround(damaged) << false;
        // The check is whole in its packet: a file cut off or garbled around it still opens.
        QByteArray garbled = pdfAround(newer);
        garbled.replace("1 0 obj", "\x00\xff\x13\x37garbage");
        garbled.chop(int(std::strlen("\nendstream\n%%EOF\n")));
        QTest::newRow("PDF damaged around a whole packet") << garbled << true;
        QTest::newRow("256 attributes") << adding("a", 256) << true;
        QTest::newRow("257 attributes") << adding("a", 257) << false;
        QTest::newRow("65 namespaces") << adding("xmlns:n", 60) << false; // ours are 5
        QTest::newRow("over 64 KB") << adding("a", 1, std::string(65536, ' ')) << false;
        QTest::newRow("140 000 attributes, a minute once") << adding("a", 140000) << false;
    }
    void severalPacketsAndLimits() {
        QFETCH(QByteArray, file);
        QFETCH(bool, opens);
        const PacketReading read = readCheckPacket({file.constData(), std::size_t(file.size())});
        QCOMPARE(read.problem, opens ? PacketProblem::None : PacketProblem::Damaged);
        QVERIFY(!opens || read.check == check(false, 5, 500, {"Schule", "3", "", ""}));
    }

    // From the file on disk to the message the start window shows; nothing else is opened.
    void badFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const std::string good =
            written(check(true, 3, 300, {}, {SteelGrade::S275, 1, 2, false, {}, 100, {}}));
        const auto tampered = [&](const char* from, const char* to) {
            std::string p = good;
            p.replace(p.find(from), std::strlen(from), to);
            return pdfAround(p);
        };
        const QString none = "Diese Datei enthält keine Trägerberechnung.";
        const QString damaged = "Die Trägerberechnung in dieser Datei ist beschädigt.";
        QTest::newRow("missing") << QByteArray() << "Die Datei kann nicht gelesen werden: ";
        QTest::newRow("larger than 50 MB")
            << QByteArray() << "Die Datei kann nicht gelesen werden: größer als 50 MB.";
        QTest::newRow("no PDF") << QByteArray("Hallo\n") << none;
        QTest::newRow("another PDF") << pdfAround("") << none;
        QTest::newRow("packet cut off") << tampered("</ipb:Section>", "") << damaged;
        QTest::newRow("unknown section") << tampered(">200<", ">250<") << damaged;
        QTest::newRow("limit 400") << tampered(">300<", ">400<") << damaged;
        QTest::newRow("load case 3") << tampered("LoadCase>2<", "LoadCase>3<") << damaged;
        QTest::newRow("text too long") << tampered(">50<", ">1234567<") << damaged;
        QTest::newRow("bearing length beyond 1000 mm")
            << tampered(">100</ipb:BearingLengthB", ">1000.5</ipb:BearingLengthB") << damaged;
        QTest::newRow("permanent part not a plain figure")
            << tampered(">2</ipb:PermanentPoint", ">2,5</ipb:PermanentPoint") << damaged;
        QTest::newRow("unknown steel grade") << tampered(">S275<", ">S460<") << damaged;
        QTest::newRow("unknown load height")
            << tampered("<ipb:Section>", "<ipb:LoadHeight>Steg</ipb:LoadHeight><ipb:Section>")
            << damaged;
        QTest::newRow("box of the other case")
            << tampered("<ipb:TextInput_F>",
                        "<ipb:TextInput_l>1</ipb:TextInput_l><ipb:TextInput_F>")
            << damaged;
        QTest::newRow("a box holding a character its keys refuse")
            << tampered(">50</ipb:TextInput_F", ">5a</ipb:TextInput_F") << damaged;
        QTest::newRow("a bearing length its box cannot show")
            << tampered(">100</ipb:BearingLengthB", ">5e-324</ipb:BearingLengthB") << damaged;
        QTest::newRow("entity") << tampered("<ipb:TextInput_F>50", "<ipb:TextInput_F>&ext;")
                                << damaged;
        QTest::newRow("DTD") << tampered("<x:xmpmeta",
                                         "<!DOCTYPE x [<!ENTITY e SYSTEM 'file:///etc/passwd'>]>"
                                         "<x:xmpmeta")
                             << damaged;
        QTest::newRow("FIFO") << QByteArray()
                              << "Die Datei kann nicht gelesen werden: keine gewöhnliche Datei.";
    }
    void badFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("check.pdf");
        const QByteArray tag = QTest::currentDataTag();
        if (tag == "FIFO") {
#ifdef Q_OS_WIN // no FIFO there: a folder is no regular file either
            QVERIFY(QDir().mkdir(path));
#else
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
#endif
        } else if (tag != "missing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            if (content.isEmpty()) {
                QVERIFY(file.resize(kLargestCheckFile + 1)); // sparse: nothing is written
            }
        }
        const CheckFile read = readCheckFile(path);
        QVERIFY(!read.check);
        if (QByteArray(QTest::currentDataTag()) == "missing") {
            // The system's reason follows.
            QVERIFY2(read.error.startsWith(message) && read.error.size() > message.size(),
                     qPrintable(read.error));
        } else {
            QCOMPARE(read.error, message);
        }
    }

    // Random checks of any text (noncharacters, controls, broken bytes, what a box refuses) and
    // figures at and beyond every range: written, each reads back as the same filed check, or the
    // writer refuses it and says why.
    void writtenReadsBackOrIsRefused() {
        std::mt19937 rng(20261208);
        const QList<QByteArray> odd = QByteArray("\xEF\xBF\xBF|\xEF\xB7\x90|\xF0\x9F\xBF\xBE|"
                                                 "\xED\xA0\x80|\a|\n|\t|\xC2\x85|\xFF|&|-|E")
                                          .split('|');
        const auto text = [&](unsigned most) {
            std::string t = std::to_string(rng() % 100); // mostly what the windows give
            for (unsigned n = rng() % 8 ? 0 : rng() % (most + 1); n > 0; --n) {
                t += odd[rng() % odd.size()].toStdString();
            }
            return t;
        };
        const double edges[] = {0, 99, -0.0, 1e-5, 5e-324, 0.1 + 0.2, 250, 250.0001, 1000.5, NAN};
        int refused = 0;
        for (int i = 0; i < 4000; ++i) {
            FiledCheck c = check(rng() % 2, rng() % 12, 500, {text(90), text(90), "", text(4)});
            std::generate(c.request.texts.text.begin(), c.request.texts.text.end(),
                          [&] { return text(6); });
            c.request.design.permanentUniform = edges[rng() % 10];
            c.request.design.bearingB = edges[rng() % 10];
            const CheckPacket p = writeCheckPacket(c, "Trägerberechnung", "ipbtraeger");
            QCOMPARE(p.packet.empty(), p.refusal.starts_with("„"));
            const PacketReading read = readCheckPacket(p.packet);
            QVERIFY(p.packet.empty() || (read.check && *read.check == filedPart(c)));
            refused += p.packet.empty();
        }
        QVERIFY(refused > 500 && refused < 3500);
    }
};

QTEST_GUILESS_MAIN(TestRecordPacket)
#include "test_record_packet.moc"
