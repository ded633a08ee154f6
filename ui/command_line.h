#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace ipb {

// What the program is asked on its command line: `ipbtraeger [datei]`, `--help`, `--version`.
struct CommandLine {
    QString output;                 // the help or the version, for the terminal; nothing starts
    QString error;                  // a "Fehler:" message; no file is opened
    std::optional<QByteArray> file; // the filed check to open, named in the file system's bytes
};

// The command line's words, each as its text and as the bytes that name a file: on Linux the
// bytes given, on Windows the UTF-8 of the wide command line, because argv there is in the ANSI
// code page and may have lost letters of a file's name.
struct CommandWords {
    QStringList text;
    QList<QByteArray> native;
};
CommandWords commandWords(int argc, char* argv[]);

// Reads the arguments as Qt leaves them (its own options taken out), "--" ending the options.
// raw holds each argument's own bytes: a name that is not UTF-8 (Latin-1 from an older system)
// no longer names its file once decoded, so the file is taken from those.
CommandLine readCommandLine(const QStringList& arguments, const QList<QByteArray>& raw);

} // namespace ipb
