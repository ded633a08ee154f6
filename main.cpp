#include "program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ipb::Program program;
    program.start();
    // "ipbtraeger Traeger_IPB200_2026-12-08_1430.pdf": a filed check, opened after the start.
    if (argc > 1) {
        program.openCheckFile(QString::fromLocal8Bit(argv[1]));
    }
    const int code = QApplication::exec();
    // Windows unloaded just before the end are still waiting for deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
