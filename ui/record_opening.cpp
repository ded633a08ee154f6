#include "record_opening.h"

#include "record_packet_reader.h"

#include <QFile>
#include <QFileDialog>

namespace ipb {

OpenFileQuestion askOpenPdfFileName = [](QWidget* parent, const QString& title,
                                         const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
};

CheckFile readCheckFile(const QString& path) {
    const QString unreadable = QStringLiteral("Die Datei kann nicht gelesen werden: ");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, unreadable + file.errorString()};
    }
    // The size a device reports may be 0 or wrong (a pipe, a special file): the read itself
    // stops one byte past the limit, so nothing larger is ever held.
    QByteArray bytes;
    if (file.size() <= kLargestCheckFile) {
        bytes = file.read(kLargestCheckFile + 1);
    }
    if (file.size() > kLargestCheckFile || bytes.size() > kLargestCheckFile) {
        return {std::nullopt, unreadable + QStringLiteral("größer als 50 MB")};
    }
    if (file.error() != QFileDevice::NoError) {
        return {std::nullopt, unreadable + file.errorString()};
    }
    PacketReading reading = readCheckPacket(std::string_view(bytes.constData(), bytes.size()));
    switch (reading.problem) {
    case PacketProblem::None:
        return {std::move(reading.check), {}};
    case PacketProblem::NoCheck:
        return {std::nullopt, QStringLiteral("Diese Datei enthält keine Trägerberechnung.")};
    case PacketProblem::Damaged:
        break;
    }
    return {std::nullopt, QStringLiteral("Die Trägerberechnung in dieser Datei ist beschädigt.")};
}

} // namespace ipb
