#include "program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ipb::Program program;
    program.start();
    const int code = QApplication::exec();
    // Windows unloaded just before the end are still waiting for deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
