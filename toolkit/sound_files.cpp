// Where the sound cues are found, the same for every way of playing them.
#include "sound_cue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ipb {

QString soundPath(const QString& folder, const QString& fileName) {
    QString path = folder;
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\'))) {
        path += QDir::separator();
    }
    return path + fileName;
}

QStringList soundFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
#ifdef Q_OS_WIN
    // The Windows program is one folder to copy anywhere: its own cues are in its resources.
    return {programFolder, QStringLiteral(":/cues/")};
#else
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../share/ipbtraeger"))};
#endif
}

QString findSound(const QStringList& folders, const QString& fileName) {
    for (const QString& folder : folders) {
        const QString path = soundPath(folder, fileName);
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return {};
}

} // namespace ipb
