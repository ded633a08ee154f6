#pragma once

#include "calculation_record.h"

#include <functional>
#include <optional>

class QWidget;

namespace ipb {

// Asks for the record of the calculation on screen; nothing before a calculation.
using RecordSource = std::function<std::optional<CalculationRecord>()>;

// Gives a results window "Drucken…" (Ctrl+P), "Seitenansicht…", "Als PDF speichern…" (Ctrl+S)
// and "Ergebnisse kopieren" (Ctrl+C): in its context menu (right mouse button, the Menu key,
// Shift+F10) and as shortcuts while the window is active. The window's buttons and layout stay as
// they are.
void installRecordCommands(QWidget* window, RecordSource source);

} // namespace ipb
