#pragma once

#include <QPalette>

namespace ipb {

// The light system colours the windows were designed on: grey button faces, black text, white
// text boxes. Every control's own colours (dark blue captions, red marks, yellow notes, the
// report's green or red) were chosen against these, so the program keeps them whatever palette
// the desktop hands it; a dark one would leave light text on the designed light backgrounds.
QPalette designedPalette();

} // namespace ipb
