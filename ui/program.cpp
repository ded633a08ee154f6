#include "program.h"

#include "designed_palette.h"
#include "input_window.h"
#include "record_commands.h"
#include "report_window.h"
#include "results_window.h"
#include "sound_cue.h"
#include "start_window.h"

#include <QApplication>
#include <QIcon>

static void initialiseAssets() {
    Q_INIT_RESOURCE(assets);
}

namespace ipb {

Program::Program()
    : startWindow([this] { return new StartWindow(*this); }),
      inputWindow([this] { return new InputWindow(*this); }),
      resultsWindow([this] { return createResultsWindow(); }),
      reportWindow([this] { return createReportWindow(); }) {
    initialiseAssets();
    QApplication::setPalette(designedPalette());
    keepAudioQuiet();
    // Windows are hidden and shown between steps; only the program's own commands end it.
    QApplication::setQuitOnLastWindowClosed(false);
}

Program::~Program() = default;

void Program::start() {
    showModeless(&startWindow.touch());
}

ResultsWindow* Program::createResultsWindow() {
    auto* results = new ResultsWindow;
    QObject::connect(results, &ResultsWindow::reportRequested, results,
                     [this] { showModeless(&reportWindow.touch()); });
    QObject::connect(results, &ResultsWindow::endRequested, results, [this] { end(); });
    return results;
}

ReportWindow* Program::createReportWindow() {
    auto* report = new ReportWindow;
    // The record on file is the results window's: the report shows only the verdict.
    installRecordCommands(report, [this]() -> std::optional<CalculationRecord> {
        const ResultsWindow* results = resultsWindow.loaded();
        return results ? results->record() : std::nullopt;
    });
    QObject::connect(report, &ReportWindow::newCalculationRequested, report, [this] {
        reportWindow.unload();
        inputWindow.touch().resumeEditing();
    });
    QObject::connect(report, &ReportWindow::endRequested, report, [this] { end(); });
    return report;
}

void Program::setIcon() {
    // Once per run: the start window can be loaded again, the icon stays.
    if (!QApplication::windowIcon().isNull()) {
        return;
    }
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/icon-16.svg"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/assets/icon-32.svg"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/assets/icon.svg"));
    QApplication::setWindowIcon(icon);
}

std::array<QWidget*, 4> Program::loadedWindows() const {
    return {startWindow.loaded(), inputWindow.loaded(), resultsWindow.loaded(),
            reportWindow.loaded()};
}

QWidget* Program::loadedWindow(const QString& objectName) const {
    for (QWidget* w : loadedWindows()) {
        if (w && w->objectName() == objectName) {
            return w;
        }
    }
    return nullptr;
}

void Program::end() {
    ended_ = true;
    for (QWidget* w : loadedWindows()) {
        if (w) {
            w->hide();
        }
    }
    QCoreApplication::exit(0);
}

} // namespace ipb
