#include "sound_cue.h"

#include <QCoreApplication>
#include <QDir>
#include <QSoundEffect>
#include <QUrl>

namespace ipb {

QString soundPath(const QString& folder, const QString& fileName) {
    QString path = folder;
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\'))) {
        path += QDir::separator();
    }
    return path + fileName;
}

SoundCue::SoundCue(const QString& objectName, QObject* parent) : QObject(parent) {
    setObjectName(objectName);
}

void SoundCue::play(const QString& fileName) {
    const QString path = soundPath(QCoreApplication::applicationDirPath(), fileName);
    if (!effect_) {
        effect_ = new QSoundEffect(this);
    }
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
    emit started(path);
}

} // namespace ipb
