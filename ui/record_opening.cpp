#include "record_opening.h"

#include "record_packet_reader.h"
#include "record_pdf.h"

#include <QFile>
#include <QFileDialog>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ipb {

OpenFileQuestion askOpenPdfFileName = [](QWidget* parent, const QString& title,
                                         const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
};

CheckFile readCheckFile(const QString& path) {
    return readNativeCheckFile(QFile::encodeName(path));
}

CheckFile readNativeCheckFile(const QByteArray& nativePath) {
    const QString unreadable = QStringLiteral("Die Datei kann nicht gelesen werden: ");
    const QString notRegular = unreadable + QStringLiteral("keine gewöhnliche Datei.");
    const QString tooLarge = unreadable + QStringLiteral("größer als 50 MB.");
    struct stat info {};
    if (::stat(nativePath.constData(), &info) != 0) {
        return {std::nullopt, unreadable + systemErrorText(errno)};
    }
    if (!S_ISREG(info.st_mode)) {
        return {std::nullopt, notRegular};
    }
    if (info.st_size > kLargestCheckFile) {
        return {std::nullopt, tooLarge};
    }
    // Without waiting even if the name was swapped for a FIFO since; the file opened is checked
    // once more, as it is the one read.
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {std::nullopt, unreadable + systemErrorText(errno)};
    }
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {std::nullopt, notRegular};
    }
    // The file may grow after the look at its size: the read stops one byte past the limit, so
    // nothing larger is ever held.
    const QByteArray bytes = file.read(kLargestCheckFile + 1);
    if (bytes.size() > kLargestCheckFile) {
        return {std::nullopt, tooLarge};
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
