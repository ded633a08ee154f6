#pragma once

#include <QFont>

namespace ipb {

// The record's typeface at a size, from the fonts compiled into the program: Liberation Sans,
// and DejaVu Sans for a glyph it lacks. The first call registers them with Qt's font database;
// the program's start does not pay for it, only its first record.
QFont recordFont(double points, bool bold = false);

// The record's own family, Liberation Sans, for what names its font by itself: the load drawing.
QString recordFamily();

} // namespace ipb
