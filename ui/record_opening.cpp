#include "record_opening.h"

#include "record_packet_reader.h"
#include "record_pdf.h"

#include <QFile>
#include <QFileDialog>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_WIN
#include <io.h>
#endif

namespace ipb {
namespace {

// The file system's calls under the names each system keeps: bytes on Linux, UTF-16 on Windows,
// where the bytes this program hands around are the name's UTF-8 (see nativeFileName).
#ifdef Q_OS_WIN
using FileStatus = struct _stat64;
int statOf(const QByteArray& nativePath, FileStatus& info) {
    return ::_wstat64(QString::fromUtf8(nativePath).toStdWString().c_str(), &info);
}
int statOf(int fd, FileStatus& info) {
    return ::_fstat64(fd, &info);
}
// Windows has no FIFO a reader could wait on; a device name (CON, NUL) is no regular file.
int openForReading(const QByteArray& nativePath) {
    return ::_wopen(QString::fromUtf8(nativePath).toStdWString().c_str(), _O_RDONLY | _O_BINARY);
}
#else
using FileStatus = struct stat;
int statOf(const QByteArray& nativePath, FileStatus& info) {
    return ::stat(nativePath.constData(), &info);
}
int statOf(int fd, FileStatus& info) {
    return ::fstat(fd, &info);
}
// Without waiting even if the name was swapped for a FIFO since.
int openForReading(const QByteArray& nativePath) {
    return ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}
#endif

} // namespace

QByteArray nativeFileName(const QString& path) {
#ifdef Q_OS_WIN
    return path.toUtf8();
#else
    return QFile::encodeName(path);
#endif
}

OpenFileQuestion askOpenPdfFileName = [](QWidget* parent, const QString& title,
                                         const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
};

CheckFile readCheckFile(const QString& path) {
    return readNativeCheckFile(nativeFileName(path));
}

CheckFile readNativeCheckFile(const QByteArray& nativePath) {
    const QString unreadable = QStringLiteral("Die Datei kann nicht gelesen werden: ");
    const QString notRegular = unreadable + QStringLiteral("keine gewöhnliche Datei.");
    const QString tooLarge = unreadable + QStringLiteral("größer als 50 MB.");
    FileStatus info{};
    if (statOf(nativePath, info) != 0) {
        return {std::nullopt, unreadable + systemErrorText(errno)};
    }
    if (!S_ISREG(info.st_mode)) {
        return {std::nullopt, notRegular};
    }
    if (info.st_size > kLargestCheckFile) {
        return {std::nullopt, tooLarge};
    }
    // The file opened is checked once more, as it is the one read.
    const int fd = openForReading(nativePath);
    if (fd < 0) {
        return {std::nullopt, unreadable + systemErrorText(errno)};
    }
    QFile file;
    if (statOf(fd, info) != 0 || !S_ISREG(info.st_mode) ||
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
