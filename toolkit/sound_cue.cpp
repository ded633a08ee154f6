#include "sound_cue.h"

#include <QSoundEffect>
#include <QUrl>

namespace ipb {
namespace {

// Qt's audio back end tells the console when the machine has no sound server or device, some
// of it after a cue has started. For this program that is an ordinary machine, where the cues
// are simply not heard, so those notes are dropped; every other message goes on as before.
QtMessageHandler nextHandler = nullptr;

void dropAudioNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    static const QLatin1String kAudioNotes[] = {QLatin1String("No audio device detected"),
                                                QLatin1String("PulseAudioService:"),
                                                QLatin1String("QSoundEffect(qaudio):")};
    for (const QLatin1String& note : kAudioNotes) {
        if (message.startsWith(note)) {
            return;
        }
    }
    nextHandler(type, context, message);
}

} // namespace

void keepAudioQuiet() {
    static const bool installed = [] {
        nextHandler = qInstallMessageHandler(dropAudioNotes);
        return true;
    }();
    Q_UNUSED(installed);
}

SoundCue::SoundCue(const QString& objectName, QObject* parent) : QObject(parent) {
    setObjectName(objectName);
}

SoundCue::~SoundCue() = default;

void SoundCue::play(const QString& fileName) {
    // Looked up anew for every cue, so a file put in place while the program runs is heard.
    // Qt's player would report a missing file on the console; it is simply not played.
    const QString path = findSound(soundFolders(), fileName);
    if (path.isEmpty()) {
        return;
    }
    if (!effect_) {
        effect_ = new QSoundEffect(this);
    }
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
    emit started(path);
}

} // namespace ipb
