#include "record_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace ipb {
namespace {

// The fonts in the order a glyph is looked for: Liberation Sans has Arial's metrics, which the
// windows and so the record were laid out with, and its italic letters the load drawing;
// DejaVu Sans has every symbol Liberation Sans 1.07 lacks (cm⁴, cm⁶, 10⁷).
constexpr const char* kFontFiles[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                                      "LiberationSans-Italic.ttf", "DejaVuSans.ttf",
                                      "DejaVuSans-Bold.ttf"};

// Registers the program's fonts and gives their families in the order of kFontFiles. A machine's
// fonts of the same names and styles give way to the program's for as long as it runs, which is
// what keeps the record the same there (the windows' Arial too, where that is Liberation Sans:
// on Debian the very same file).
QStringList registerRecordFonts() {
    // Qt reads the machine's fonts only when it first needs them, and a font read then takes the
    // place of a registered one of the same name and style: read them first.
    QFontDatabase::families();
    QStringList families;
    for (const char* file : kFontFiles) {
        const QString path = QStringLiteral(":/record-fonts/") + QLatin1String(file);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) {
            // Only a build that left the resource out gets here; the machine's fonts stand in.
            qWarning("The record's font %s could not be loaded.", file);
            continue;
        }
        for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
            if (!families.contains(family)) {
                families << family;
            }
        }
    }
    return families;
}

const QStringList& recordFamilies() {
    static const QStringList families = registerRecordFonts();
    return families;
}

} // namespace

QFont recordFont(double points, bool bold) {
    QFont font(recordFamilies());
    font.setPointSizeF(points);
    font.setBold(bold);
    // Hinted as Debian's fontconfig hints by default (slight, vertical only), whatever this
    // machine's fontconfig asks for: full hinting moves glyph advances, and with them the lines
    // of a page.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QString recordFamily() {
    return recordFamilies().value(0, QStringLiteral("Arial"));
}

} // namespace ipb
