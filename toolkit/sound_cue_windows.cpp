// The cues on Windows, through its own player: Qt's multimedia is not built there, and a wave
// file is all these cues are.
#include "sound_cue.h"

#include <QFile>

#include <windows.h>

#include <mmsystem.h>

namespace ipb {

// Windows' player prints nothing.
void keepAudioQuiet() {}

SoundCue::SoundCue(const QString& objectName, QObject* parent) : QObject(parent) {
    setObjectName(objectName);
}

SoundCue::~SoundCue() {
    // The player reads the wave from playing_ while it sounds.
    if (!playing_.isEmpty()) {
        ::PlaySoundW(nullptr, nullptr, 0);
    }
}

void SoundCue::play(const QString& fileName) {
    // Looked up anew for every cue, so a file put in place while the program runs is heard.
    const QString path = findSound(soundFolders(), fileName);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    // Playing again starts over: the cue still sounding is stopped before its bytes go.
    ::PlaySoundW(nullptr, nullptr, 0);
    playing_ = file.readAll();
    ::PlaySoundW(reinterpret_cast<LPCWSTR>(playing_.constData()), nullptr,
                 SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    emit started(path);
}

} // namespace ipb
