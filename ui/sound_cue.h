#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

namespace ipb {

// Joins the program folder and a sound file name with exactly one separator, also when the
// folder is a root that already ends in one.
QString soundPath(const QString& folder, const QString& fileName);

// A wave file beside the program, played in the background. Playing again while it still
// plays starts it over from the beginning. A missing file or a machine without sound plays
// nothing and says nothing: the calculation never depends on the sound. The audio device is
// created on the first play, not with the window.
class SoundCue : public QObject {
    Q_OBJECT

  public:
    explicit SoundCue(const QString& objectName, QObject* parent = nullptr);

    void play(const QString& fileName);

  signals:
    // The file a cue has just opened, for whoever wants to know (tests, diagnostics).
    void started(const QString& path);

  private:
    QSoundEffect* effect_ = nullptr;
};

} // namespace ipb
