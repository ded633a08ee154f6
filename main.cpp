#include "command_line.h"
#include "program.h"
#include "qt_translation.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    // Qt takes its own options (-reverse, -style …) out of the arguments wherever they stand:
    // it is shown only those before "--", so that a file named like one can follow it.
    const QList<QByteArray> given(argv, argv + argc);
    const qsizetype optionsEnd = given.indexOf("--");
    int qtArgc = optionsEnd < 0 ? argc : int(optionsEnd);
    // The help and the version answer in a terminal also where there is no screen.
    const bool textOnly = std::any_of(given.begin(), given.begin() + qtArgc, [](const auto& a) {
        return a == "-h" || a == "--help" || a == "-v" || a == "--version";
    });
    const std::unique_ptr<QCoreApplication> app(textOnly ? new QCoreApplication(qtArgc, argv)
                                                         : new QApplication(qtArgc, argv));
    QStringList arguments = QCoreApplication::arguments();
    QList<QByteArray> raw(argv, argv + qtArgc);
    for (qsizetype i = optionsEnd < 0 ? argc : optionsEnd; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(given[i]);
        raw << given[i];
    }
    ipb::useQtTextsInGerman(); // the parser's own words ("Aufruf:", "Unbekannte Option")
    const ipb::CommandLine line = ipb::readCommandLine(arguments, raw);
    if (!line.output.isEmpty()) {
        std::fputs(line.output.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "Fehler: %s\n", line.error.toLocal8Bit().constData());
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
