#pragma once

#include "beam_values.h"
#include "calculation_record.h"
#include "form_setup.h"
#include "record_commands.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <array>
#include <functional>
#include <optional>

namespace ipb {

class StartWindow;
class InputWindow;
class ResultsWindow;
class ReportWindow;
class ChecksWindow;

// The four windows, each existing at most once, and the values of the calculation, which the
// input window owns but which outlive its widgets for the whole run. The windows ask for what
// lies beyond them (another window, the end); the program connects those requests, fills the
// results and report windows with each finished calculation and keeps its record on file.
class Program {
  public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads and shows the start window: the program's only entry.
    void start();

    // The window icon. Rendering it loads the SVG icon engine, so the start window asks for it
    // only after its first frame is on the screen.
    void setIcon();

    // Opens a filed check (a record PDF) as if the engineer had typed it in again: once the
    // start window has been on the screen for half a second, the load case, the section and
    // the deflection limit are chosen, the texts typed and "Berechnen" clicked. A file without
    // a check, or one that cannot be read, gives a "Fehler:" message and leaves the start
    // window as it was.
    void openCheckFile(const QString& path);
    // The same for a file named in the file system's own bytes (from the command line).
    void openNativeCheckFile(const QByteArray& nativePath);
    // A "Fehler:" message over the start window once it has been seen, as for a bad file.
    void showStartError(const QString& message);

    // Ends the program at once: every window goes, no handler asks anything.
    void end();
    bool hasEnded() const { return ended_; }

    // The record of the calculation on display, if any: what every window that speaks of the
    // beam shows.
    const std::optional<CalculationRecord>& recordOnDisplay() const { return record_; }

    // The loaded window with this object name ("FrmHaupt"), or null.
    QWidget* loadedWindow(const QString& objectName) const;

    CalculationValues values;

    FormSlot<StartWindow> startWindow;
    FormSlot<InputWindow> inputWindow;
    FormSlot<ResultsWindow> resultsWindow;
    FormSlot<ReportWindow> reportWindow;
    // "Alle Nachweise…": every check of the calculation on display, beside the four windows.
    FormSlot<ChecksWindow> checksWindow;

  private:
    std::array<QWidget*, 4> loadedWindows() const;
    StartWindow* createStartWindow();
    InputWindow* createInputWindow();
    ResultsWindow* createResultsWindow();
    ReportWindow* createReportWindow();
    ChecksWindow* createChecksWindow();
    void openInputWindow(LoadCase loadCase);
    // A finished calculation: filed, written into the results and report windows, the warning
    // sounded on a fail, and the results brought up over the locked input window.
    void showCalculation(InputWindow& input, std::shared_ptr<const Calculation> calculation);
    void backToStart();
    void bringResultsToFront();
    // The windows that speak of the checks beyond the verdict, brought to the record on file:
    // the report's hint and the window of all checks.
    void showChecksOnDisplay();
    // "Alle Nachweise…" (Ctrl+E) on a window that shows a calculation.
    void addChecksCommand(QWidget* window);
    // "Leichtestes Profil suchen…": the calculation on display with every section; the section
    // taken is computed at once.
    void addLightestSectionCommand(QWidget* window);
    // The record on file, for the commands that print, save and copy it.
    RecordSource recordSource();
    void chooseLightestSection(QWidget* over);
    // "Position…": the project and position the record names.
    void addPositionCommand(QWidget* window);
    // "Bemessung…": the design data of the check on display, which is computed again with them.
    void addDesignCommand(QWidget* window);
    void editDesign(QWidget* over);
    void designChanged(const DesignData& design);
    // The grade the last run left, with the top flange free, for the checks of a new input window.
    DesignData startingDesign();
    void editPosition(QWidget* over);
    // Bauvorhaben and Bearbeiter as the last run left them; read on first use, never at start.
    PositionFields& position();
    void openFiledCheck(const QByteArray& nativePath);
    // Runs the call once the start window has been on the screen for half a second.
    void afterStartWindowSeen(std::function<void()> call);
    void showStartWindow();

    // The record of the last calculation on screen: the results window shows it until the next
    // one, also while "Neue Rechnung" edits the inputs again. Nothing before a calculation.
    std::optional<CalculationRecord> record_;
    bool ended_ = false;
    std::optional<PositionFields> position_;
    // The check last opened from a record, while what is on display is that check unchanged.
    std::optional<FiledCheck> opened_;
    QElapsedTimer startShown_; // since the start window last came on the screen
};

} // namespace ipb
