// The program's start-up as main() does it, ended once the start window has been painted.

#include "first_paint_exit.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ipb::Program program;
    program.start();
    FirstPaintExit exitOnPaint;
    if (QWidget* start = program.loadedWindow(QStringLiteral("FrmStart"))) {
        start->installEventFilter(&exitOnPaint);
    } else {
        return 2;
    }
    const int code = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
