// The floor for the start-up figures: an empty window of the start window's size, in a
// process that loads the same Qt libraries as the program.
//
// Built a second time with WITH_CAPTIONS, the same window also shows the start window's three
// captions in their fonts and nothing else: the floor for any window with that text, which
// tells the cost of the text itself (font configuration, font files, glyphs) apart from the
// program's own.

#include "first_paint_exit.h"

#include <QApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QWidget>
#ifndef Q_OS_WIN
#include <QSoundEffect>
#include <QSvgRenderer>
#endif

// One symbol of each library the program uses besides Widgets. The linker drops a library
// nothing refers to (as it drops SvgWidgets from the program), so without these the floor
// would skip loading Svg, Multimedia and PrintSupport, which the program cannot skip. (On
// Windows the program has neither Svg nor Multimedia.)
static const QMetaObject* volatile usedLibraries[] = {
#ifndef Q_OS_WIN
    &QSvgRenderer::staticMetaObject, &QSoundEffect::staticMetaObject,
#endif
    &QPrintDialog::staticMetaObject};

#ifdef WITH_CAPTIONS
static QFont arial(qreal points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

static void addCaption(QWidget* window, const QString& text, const QRect& place, const QFont& font,
                       bool wordWrap) {
    auto* label = new QLabel(text, window);
    label->setFont(font);
    label->setWordWrap(wordWrap);
    label->setGeometry(place);
}
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (!usedLibraries[0]) {
        return 1;
    }

    QWidget window;
    window.resize(542, 384);
#ifdef WITH_CAPTIONS
    QFont heading = arial(9.75);
    heading.setBold(true);
    heading.setUnderline(true);
    addCaption(&window, QStringLiteral("Zur Beachtung!"), QRect(392, 16, 121, 33), heading, false);
    addCaption(&window,
               QStringLiteral("Der Gültigkeitsbereich dieses Programms bezieht sich auf "
                              "Trägerwerkstoff St 37 (S355J0) und auf ruhende (statische) Lasten "
                              "! Trägereigengewichte werden mit berücksichtigt..."),
               QRect(392, 40, 129, 161), arial(9), true);
    addCaption(&window, QStringLiteral("Klicken Sie ein Bild an, um fortzufahren ..."),
               QRect(392, 324, 137, 36), arial(9.75), true);
#endif
    FirstPaintExit exitOnPaint;
    window.installEventFilter(&exitOnPaint);
    window.show();
    return QApplication::exec();
}
