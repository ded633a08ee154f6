#pragma once

#include "design_data.h"
#include "filed_check.h"

#include <QString>

#include <optional>

namespace ipb {

// What the program remembers across runs, in $XDG_CONFIG_HOME/ipbtraeger/ipbtraeger.conf: the
// steel grade, Bauvorhaben and Bearbeiter, and the folder records were last saved to or opened
// from. The file is input like any other: anyone can edit it, so each value is held to the rules
// of its field and anything else gives the default. Only a regular file (or none yet) is ever
// touched: a FIFO or a device there would hold the program up for ever. A file that cannot be
// written costs the remembering and nothing else: no message, no delay.
//
// "Obergurt seitlich gehalten" is not remembered: it belongs to the beam, and a held top flange
// taken over by the next beam would silently drop its buckling checks.

// The grade the engineer chose last; nothing when none is stored or the entry names no grade.
std::optional<SteelGrade> storedGrade();
void storeGrade(SteelGrade grade);

// Bauvorhaben and Bearbeiter as the position fields hold them (positionField); the position and
// the member are never stored.
PositionFields storedPosition();
void storePosition(const PositionFields& fields);

// The folder the save and open dialogs start in: the one last used where it still exists, else
// the user's documents folder, else the home folder.
QString recordFolder();
// Remembers the folder of a file just saved or chosen for opening.
void storeRecordFolder(const QString& filePath);

} // namespace ipb
