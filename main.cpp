#include "command_line.h"
#include "program.h"
#include "qt_translation.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char* argv[]) {
    // Qt takes its own options (-reverse, -style …) out of the arguments wherever they stand:
    // it is shown only those before "--", so that a file named like one can follow it.
    const ipb::CommandWords given = ipb::commandWords(argc, argv);
    const qsizetype optionsEnd = given.native.indexOf("--");
    int qtArgc = optionsEnd < 0 ? argc : int(optionsEnd);
    // The help and the version answer in a terminal also where there is no screen.
    const bool textOnly =
        std::any_of(given.native.begin(), given.native.begin() + qtArgc, [](const auto& a) {
            return a == "-h" || a == "--help" || a == "-v" || a == "--version";
        });
#ifdef Q_OS_WIN
    // A Windows program has no console of its own; the answer goes to the one it was started
    // from, unless its output was already sent somewhere (a pipe, a file).
    if (textOnly && ::GetStdHandle(STD_OUTPUT_HANDLE) == nullptr &&
        ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    ::SetConsoleOutputCP(CP_UTF8);
    const auto terminalText = [](const QString& text) { return text.toUtf8(); };
#else
    const auto terminalText = [](const QString& text) { return text.toLocal8Bit(); };
#endif
    const std::vector<char*> givenPointers(argv, argv + argc);
    const std::unique_ptr<QCoreApplication> app(textOnly ? new QCoreApplication(qtArgc, argv)
                                                         : new QApplication(qtArgc, argv));
    // Qt only moves the words it keeps up in argv, so each is found by its pointer, and its
    // text is taken from the whole command line, not from argv's ANSI copy.
    QStringList arguments;
    QList<QByteArray> raw;
    const auto keep = [&](qsizetype i) {
        arguments << given.text[i];
        raw << given.native[i];
    };
    for (int k = 0; k < qtArgc; ++k) {
        const auto at = std::find(givenPointers.begin(), givenPointers.end(), argv[k]);
        if (at != givenPointers.end()) {
            keep(at - givenPointers.begin());
        }
    }
    for (qsizetype i = optionsEnd < 0 ? argc : optionsEnd; i < argc; ++i) {
        keep(i);
    }
    ipb::useQtTextsInGerman(); // the parser's own words ("Aufruf:", "Unbekannte Option")
    const ipb::CommandLine line = ipb::readCommandLine(arguments, raw);
    if (!line.output.isEmpty()) {
        std::fputs(terminalText(line.output).constData(), stdout);
        return 0;
    }
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "Fehler: %s\n", terminalText(line.error).constData());
    }
    if (textOnly) {
        return 1;
    }

    ipb::Program program;
    program.start();
    // "ipbtraeger Traeger_IPB200_2026-12-08_1430.pdf": a filed check, opened after the start.
    if (!line.error.isEmpty()) {
        program.showStartError(line.error);
    } else if (line.file) {
        program.openNativeCheckFile(*line.file);
    }
    const int code = QCoreApplication::exec();
    // Windows unloaded just before the end are still waiting for deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
