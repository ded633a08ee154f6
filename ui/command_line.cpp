#include "command_line.h"

#include "record_opening.h"

#include <QCommandLineParser>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#endif

namespace ipb {

CommandWords commandWords(int argc, char* argv[]) {
    CommandWords words;
#ifdef Q_OS_WIN
    int count = 0;
    if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; count == argc && i < count; ++i) {
            words.text << QString::fromWCharArray(wide[i]);
            words.native << nativeFileName(words.text.back());
        }
        ::LocalFree(wide);
        if (count == argc) {
            return words;
        }
        words = {};
    }
#endif
    for (int i = 0; i < argc; ++i) {
        words.native << QByteArray(argv[i]);
        words.text << QString::fromLocal8Bit(words.native.back());
    }
    return words;
}

CommandLine readCommandLine(const QStringList& arguments, const QList<QByteArray>& raw) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("IPB-Träger: Nachweis eines Trägers auf zwei Stützen aus IPB-Profil "
                       "mit Rechnungsprotokoll als PDF."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Zeigt diese Hilfe an."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Zeigt die Version an."));
    // "-reverse" is one unknown option, not seven letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("datei"),
        QStringLiteral("Ein gespeichertes PDF-Protokoll, dessen Rechnung wieder geöffnet wird. "
                       "Ein Name, der mit \"-\" beginnt, folgt auf \"--\"."),
        QStringLiteral("[datei]"));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (parser.isSet(help)) {
        line.output = parser.helpText();
        return line;
    }
    if (parser.isSet(version)) {
        line.output = QStringLiteral("IPB-Träger (ipbtraeger) Version " IPB_VERSION "\n");
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        line.error = QStringLiteral("Bitte nur eine Datei angeben.");
        return line;
    }
    // The one name is the last argument that reads as it, whether "--" came before it or not.
    for (qsizetype i = arguments.size() - 1; !files.isEmpty() && i > 0; --i) {
        if (arguments[i] == files[0]) {
            line.file = raw.value(i);
            break;
        }
    }
    return line;
}

} // namespace ipb
