// The check filed inside a record PDF: written and read back unchanged, and every bad file
// refused with its message, found by a byte scan alone.

#include "check_request.h"
#include "record_opening.h"
#include "record_packet.h"
#include "record_packet_reader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ipb;

Q_DECLARE_METATYPE(StoredCheck)

namespace {

StoredCheck check(bool point, std::size_t row, DeflectionLimit limit, PositionFields position) {
    StoredCheck c{point, row, limit, {}, std::move(position), {2026, 12, 8, 14, 30, 5}};
    showLoadCaseBoxes(c.texts, point ? LoadCase::PointLoad : LoadCase::UniformLoad);
    c.texts[InputField::plusq] = point ? "" : "10,5";
    c.texts[InputField::F] = point ? "50" : "";
    c.texts[InputField::la] = point ? "3.25" : "";
    c.texts[InputField::lb] = point ? "2" : "";
    c.texts[InputField::l] = point ? "" : "123456";
    c.texts[InputField::sic] = "1,75";
    return c;
}

// A PDF around the packet, with the writer's own packet ahead of it as other files have.
QByteArray pdfAround(const std::string& packet) {
    return "%PDF-1.4\n1 0 obj\n<< /Type /Metadata >>\nstream\n<?xpacket begin='' "
           "id='x'?><x:xmpmeta xmlns:x='adobe:ns:meta/'/><?xpacket end='w'?>\nendstream\n"
           "2 0 obj\nstream\n" +
           QByteArray::fromStdString(packet) + "\nendstream\n%%EOF\n";
}

std::string written(const StoredCheck& c) {
    return checkPacket(c, "Trägerberechnung", "ipbtraeger 1.0.0");
}

} // namespace

class TestRecordPacket : public QObject {
    Q_OBJECT

  private slots:
    void roundTrip_data() {
        QTest::addColumn<StoredCheck>("stored");
        QTest::newRow("uniform, 1/300, no position") << check(false, 0, 300, {});
        QTest::newRow("uniform, 1/500") << check(false, 5, 500, {"Schulneubau", "3", "", ""});
        QTest::newRow("point, 1/1000") << check(true, 11, 1000, {"", "", "Unterzug", "M. Weber"});
        QTest::newRow("point, marks and 80 characters")
            << check(true, 3, 300,
                     {"Büro \"Ölmühle\" & Söhne <Nord>", "Pos. 3'a", std::string(78, 'x') + "äß",
                      QString(80, QChar(0x00DC)).toStdString()});
    }
    void roundTrip() {
        QFETCH(StoredCheck, stored);
        const std::string packet = written(stored);
        const QByteArray pdf = pdfAround(packet);
        const PacketReading read = readCheckPacket({pdf.constData(), std::size_t(pdf.size())});
        QCOMPARE(read.problem, PacketProblem::None);
        QVERIFY(read.check == stored);
    }

    // From the file on disk to the message the start window shows; nothing else is opened.
    void badFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const std::string good = written(check(true, 3, 300, {}));
        const auto tampered = [&](const char* from, const char* to) {
            std::string p = good;
            p.replace(p.find(from), std::strlen(from), to);
            return pdfAround(p);
        };
        const QString none = "Diese Datei enthält keine Trägerberechnung.";
        const QString damaged = "Die Trägerberechnung in dieser Datei ist beschädigt.";
        QTest::newRow("missing") << QByteArray() << "Die Datei kann nicht gelesen werden: ";
        QTest::newRow("larger than 50 MB")
            << QByteArray() << "Die Datei kann nicht gelesen werden: größer als 50 MB";
        QTest::newRow("no PDF") << QByteArray("Hallo\n") << none;
        QTest::newRow("another PDF") << pdfAround("") << none;
        QTest::newRow("packet cut off") << tampered("</ipb:Section>", "") << damaged;
        QTest::newRow("unknown section") << tampered(">200<", ">250<") << damaged;
        QTest::newRow("limit 400") << tampered(">300<", ">400<") << damaged;
        QTest::newRow("load case 3") << tampered("LoadCase>2<", "LoadCase>3<") << damaged;
        QTest::newRow("text too long") << tampered(">50<", ">1234567<") << damaged;
        QTest::newRow("box of the other case")
            << tampered("<ipb:TextInput_F>",
                        "<ipb:TextInput_l>1</ipb:TextInput_l><ipb:TextInput_F>")
            << damaged;
        QTest::newRow("entity") << tampered("<ipb:TextInput_F>50", "<ipb:TextInput_F>&ext;")
                                << damaged;
        QTest::newRow("DTD") << tampered("<x:xmpmeta",
                                         "<!DOCTYPE x [<!ENTITY e SYSTEM 'file:///etc/passwd'>]>"
                                         "<x:xmpmeta")
                             << damaged;
    }
    void badFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("check.pdf");
        if (QByteArray(QTest::currentDataTag()) != "missing") {
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
};

QTEST_GUILESS_MAIN(TestRecordPacket)
#include "test_record_packet.moc"
