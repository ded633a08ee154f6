#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QSoundEffect;

namespace ipb {

// Joins the program folder and a sound file name with exactly one separator, also when the
// folder is a root that already ends in one.
QString soundPath(const QString& folder, const QString& fileName);

// Where the cues are looked for, in this order: beside the program, where a user's own file
// wins, then the program's own: the data folder installed with it (../share/ipbtraeger from
// it), on Windows its resources.
QStringList soundFolders();

// The first of the folders that holds the file, joined to its name; empty when none does.
QString findSound(const QStringList& folders, const QString& fileName);

// Drops the notes Qt's audio back end prints on a machine without sound (once per run; every
// other message goes on to the handler that was installed before).
void keepAudioQuiet();

// A wave file played in the background. Playing again while it still plays starts it over
// from the beginning. A missing file or a machine without sound plays nothing and says
// nothing: the calculation never depends on the sound. The audio device is opened on the
// first play, not with the window.
class SoundCue : public QObject {
    Q_OBJECT

  public:
    explicit SoundCue(const QString& objectName, QObject* parent = nullptr);
    ~SoundCue() override;

    void play(const QString& fileName);

  signals:
    // The file a cue has just started, for whoever wants to know (tests, diagnostics).
    void started(const QString& path);

  private:
#ifdef Q_OS_WIN
    QByteArray playing_; // the wave Windows plays from memory, kept while it plays
#else
    QSoundEffect* effect_ = nullptr;
#endif
};

} // namespace ipb
