#pragma once

#include "beam_values.h"
#include "window_services.h"

#include <array>

namespace ipb {

class StartWindow;
class InputWindow;
class ResultsWindow;
class ReportWindow;
enum class LoadCase;

// The four windows, each existing at most once, and the values of the calculation, which the
// input window owns but which outlive its widgets for the whole run. The windows ask for what
// lies beyond them (another window, the end); the program connects those requests.
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

    // Ends the program at once: every window goes, no handler asks anything.
    void end();
    bool hasEnded() const { return ended_; }

    // The loaded window with this object name ("FrmHaupt"), or null.
    QWidget* loadedWindow(const QString& objectName) const;

    CalculationValues values;

    FormSlot<StartWindow> startWindow;
    FormSlot<InputWindow> inputWindow;
    FormSlot<ResultsWindow> resultsWindow;
    FormSlot<ReportWindow> reportWindow;

  private:
    std::array<QWidget*, 4> loadedWindows() const;
    StartWindow* createStartWindow();
    InputWindow* createInputWindow();
    ResultsWindow* createResultsWindow();
    ReportWindow* createReportWindow();
    void openInputWindow(LoadCase loadCase);
    void backToStart();
    // "Leichtestes Profil suchen…": the calculation on display with every section; the section
    // taken is computed at once.
    void addLightestSectionCommand(QWidget* window);
    void chooseLightestSection(QWidget* over);

    bool ended_ = false;
};

} // namespace ipb
