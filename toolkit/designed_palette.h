#pragma once

#include <QColor>
#include <QPalette>

namespace ipb {

// The light system colours the windows were designed on: grey button faces, black text, white
// text boxes. Every control's own colours (dark blue captions, red marks, yellow notes, the
// report's green or red) were chosen against these, so the program keeps them whatever palette
// the desktop hands it; a dark one would leave light text on the designed light backgrounds.
QPalette designedPalette();

// The red of every mark that says a value or a check does not hold.
inline const QColor kFailingRed{0xFF, 0x00, 0x00};

} // namespace ipb
