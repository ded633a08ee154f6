#pragma once

#include "calculation_record.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace ipb {

// Asks for the record of the calculation on screen; nothing before a calculation.
using RecordSource = std::function<std::optional<CalculationRecord>()>;

// Gives a results window "Drucken…" (Ctrl+P), "Seitenansicht…", "Als PDF speichern…" (Ctrl+S)
// and "Ergebnisse kopieren" (Ctrl+C): in its context menu (right mouse button, the Menu key,
// Shift+F10) and as shortcuts while the window is active. The window's buttons and layout stay as
// they are. A record that cannot be printed or saved gives a "Fehler:" message over the window
// saying why.
void installRecordCommands(QWidget* window, RecordSource source);

// Asks where to save: parent, dialog title, proposed path, file filter; an empty answer
// cancels. Defaults to Qt's save dialog; tests answer it themselves.
using SaveFileQuestion = std::function<QString(QWidget* parent, const QString& title,
                                               const QString& proposal, const QString& filter)>;
extern SaveFileQuestion askPdfFileName;

} // namespace ipb
