// The floor for the start-up figures: an empty window of the start window's size, in a
// process that loads the same Qt libraries as the program.

#include "first_paint_exit.h"

#include <QApplication>
#include <QSoundEffect>
#include <QSvgRenderer>
#include <QWidget>

// One symbol of each library the program uses besides Widgets. The linker drops a library
// nothing refers to (as it drops SvgWidgets from the program), so without these the floor
// would skip loading Svg and Multimedia, which the program cannot skip.
static const QMetaObject* volatile usedLibraries[] = {&QSvgRenderer::staticMetaObject,
                                                      &QSoundEffect::staticMetaObject};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (!usedLibraries[0] || !usedLibraries[1]) {
        return 1;
    }

    QWidget window;
    window.resize(542, 384);
    FirstPaintExit exitOnPaint;
    window.installEventFilter(&exitOnPaint);
    window.show();
    return QApplication::exec();
}
