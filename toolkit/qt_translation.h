#pragma once

namespace ipb {

// Qt's own dialogs and menus (file and print dialogs, the print preview, a text box's context
// menu) in German like the rest of the program. Once per run; silently English where Qt's
// translations are not installed.
void useQtTextsInGerman();

} // namespace ipb
