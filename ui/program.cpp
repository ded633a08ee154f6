#include "program.h"

#include "check_verdict.h"
#include "checks_window.h"
#include "deferred_call.h"
#include "design_dialog.h"
#include "designed_palette.h"
#include "drawing.h"
#include "input_window.h"
#include "message_box.h"
#include "position_dialog.h"
#include "qt_text.h"
#include "qt_translation.h"
#include "record_commands.h"
#include "record_opening.h"
#include "record_time.h"
#include "report_window.h"
#include "results_window.h"
#include "section_choice_dialog.h"
#include "sound_cue.h"
#include "start_window.h"
#include "stored_settings.h"
#include "window_commands.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QIcon>
#include <QTimer>

static void initialiseAssets() {
    Q_INIT_RESOURCE(assets);
}

namespace ipb {
namespace {

// The start window stays at least this long before an opened check moves on from it.
constexpr qint64 kStartWindowMs = 500;

// Whether a calculation is of the check that was filed: the separator the numbers are shown
// with is the reader's, not the check's.
bool sameCheck(CheckRequest filed, const CheckRequest& computed) {
    filed.decimalSeparator = computed.decimalSeparator;
    return filed == computed;
}

} // namespace

Program::Program()
    : startWindow([this] { return createStartWindow(); }),
      inputWindow([this] { return createInputWindow(); }),
      resultsWindow([this] { return createResultsWindow(); }),
      reportWindow([this] { return createReportWindow(); }),
      checksWindow([this] { return createChecksWindow(); }) {
    initialiseAssets();
    QApplication::setPalette(designedPalette());
    useQtTextsInGerman();
    keepAudioQuiet();
    // Windows are hidden and shown between steps; only the program's own commands end it.
    QApplication::setQuitOnLastWindowClosed(false);
}

Program::~Program() = default;

void Program::start() {
    showStartWindow();
}

void Program::showStartWindow() {
    showModeless(&startWindow.touch());
    startShown_.start();
}

StartWindow* Program::createStartWindow() {
    auto* start = new StartWindow;
    QObject::connect(start, &StartWindow::loadCaseChosen, start,
                     [this](LoadCase loadCase) { openInputWindow(loadCase); });
    QObject::connect(start, &StartWindow::firstFrameShown, start, [this] { setIcon(); });
    QObject::connect(start, &StartWindow::quitRequested, start, [this] { end(); });
    QObject::connect(start, &StartWindow::checkFileDropped, start,
                     [this](const QString& path) { openCheckFile(path); });
    QAction* open = addWindowCommand(start, "ActionOpen", QStringLiteral("Rechnung öffnen…"),
                                     QKeySequence(Qt::CTRL | Qt::Key_O));
    QObject::connect(open, &QAction::triggered, start, [this, start] {
        const QString path =
            askOpenPdfFileName(start, QStringLiteral("Rechnung öffnen"), recordFolder(),
                               QStringLiteral("PDF-Dokumente (*.pdf)"));
        if (!path.isEmpty()) {
            storeRecordFolder(path);
            openCheckFile(path);
        }
    });
    return start;
}

InputWindow* Program::createInputWindow() {
    auto* input = new InputWindow(values);
    QObject::connect(input, &InputWindow::calculated, input,
                     [this, input](std::shared_ptr<const Calculation> calculation) {
                         showCalculation(*input, std::move(calculation));
                     });
    QObject::connect(input, &InputWindow::activatedWhileLocked, input,
                     [this] { bringResultsToFront(); });
    QObject::connect(input, &InputWindow::backRequested, input, [this] { backToStart(); });
    QObject::connect(input, &InputWindow::quitRequested, input, [this] { end(); });
    return input;
}

void Program::openInputWindow(LoadCase loadCase) {
    const bool fresh = !inputWindow.loaded();
    InputWindow& input = inputWindow.touch();
    input.setUpLoadCase(loadCase);
    if (fresh) {
        input.setDesign(startingDesign());
    }
    showModeless(&input);
    if (StartWindow* start = startWindow.loaded()) {
        start->hide();
    }
}

void Program::backToStart() {
    inputWindow.unload();
    resultsWindow.unload();
    reportWindow.unload();
    checksWindow.unload();
    record_.reset();
    // A new beam: its position and member are the engineer's to give again; the project and
    // the engineer stay. The new input window starts with the usual grade, a free top flange
    // and no load split or bearing lengths of the last beam.
    if (position_) {
        position_->position.clear();
        position_->bauteil.clear();
    }
    showStartWindow();
}

void Program::showCalculation(InputWindow& input, std::shared_ptr<const Calculation> calculation) {
    // Filed as it is now, with the engineer's clock: the boxes may be edited later while these
    // results stay on screen. A record opened again keeps the time it was filed with for as
    // long as its check is unchanged.
    RecordTime at = recordTime(QDateTime::currentDateTime());
    if (opened_ && sameCheck(opened_->request, calculation->request)) {
        at = opened_->calculatedAt;
    } else {
        opened_.reset();
    }
    record_ = CalculationRecord{std::move(calculation), at, position()};
    const Calculation& onScreen = *record_->calculation;

    ResultsWindow& results = resultsWindow.touch();
    results.showResults(onScreen.view);

    // The report's verdict is over every check: green only where none fails.
    reportWindow.touch();
    showChecksOnDisplay();
    if (onScreen.report.warningSound) {
        input.playWarning();
    }

    results.offerWaysOn();
    showModeless(&results);
}

void Program::showChecksOnDisplay() {
    if (!record_) {
        return;
    }
    const Calculation& onScreen = *record_->calculation;
    if (ReportWindow* report = reportWindow.loaded()) {
        report->prepare(onScreen.report);
        report->setMessage(qtText(onScreen.report.message));
        report->setHint(qtText(beyondVerdictHint(onScreen.checks)));
    }
    if (ChecksWindow* checks = checksWindow.loaded()) {
        std::vector<std::string> notes;
        for (const CheckGroupText& group : onScreen.groups) {
            notes.insert(notes.end(), group.notes.begin(), group.notes.end());
        }
        checks->showChecks(onScreen.checks, onScreen.request.design, notes);
    }
}

void Program::addChecksCommand(QWidget* window) {
    QAction* action = addWindowCommand(window, "ActionNachweise", QStringLiteral("Alle Nachweise…"),
                                       QKeySequence(Qt::CTRL | Qt::Key_E));
    QObject::connect(action, &QAction::triggered, window, [this] {
        if (!record_) {
            return;
        }
        ChecksWindow& checks = checksWindow.touch();
        showChecksOnDisplay();
        showModeless(&checks);
    });
}

ChecksWindow* Program::createChecksWindow() {
    auto* checks = new ChecksWindow;
    QObject::connect(checks, &ChecksWindow::designRequested, checks,
                     [this, checks] { editDesign(checks); });
    // Closed, the keys go back to the windows it was opened from.
    QObject::connect(checks, &QDialog::finished, checks, [this] {
        if (inputWindow.loaded() && !ended_) {
            bringResultsToFront();
        }
    });
    return checks;
}

void Program::bringResultsToFront() {
    // After the window manager has finished activating the input window, or it would take the
    // front back. The report, when open, stays over the results as it was; each window keeps
    // the control that had its focus.
    afterPendingEvents(&inputWindow.touch(), [this] {
        QWidget* top = nullptr;
        for (QWidget* w : {static_cast<QWidget*>(resultsWindow.loaded()),
                           static_cast<QWidget*>(reportWindow.loaded())}) {
            if (w && w->isVisible()) {
                w->raise();
                top = w;
            }
        }
        if (top) {
            top->activateWindow();
        }
    });
}

RecordSource Program::recordSource() {
    return [this] { return record_; };
}

ResultsWindow* Program::createResultsWindow() {
    auto* results = new ResultsWindow;
    installRecordCommands(results, recordSource());
    QObject::connect(results, &ResultsWindow::reportRequested, results,
                     [this] { showModeless(&reportWindow.touch()); });
    QObject::connect(results, &ResultsWindow::endRequested, results, [this] { end(); });
    addLightestSectionCommand(results);
    addPositionCommand(results);
    addDesignCommand(results);
    addChecksCommand(results);
    return results;
}

ReportWindow* Program::createReportWindow() {
    auto* report = new ReportWindow;
    // The same record as the results window's: the report shows only its verdict.
    installRecordCommands(report, recordSource());
    QObject::connect(report, &ReportWindow::newCalculationRequested, report, [this] {
        reportWindow.unload();
        inputWindow.touch().resumeEditing();
    });
    QObject::connect(report, &ReportWindow::endRequested, report, [this] { end(); });
    addLightestSectionCommand(report);
    addPositionCommand(report);
    addDesignCommand(report);
    addChecksCommand(report);
    return report;
}

void Program::addLightestSectionCommand(QWidget* window) {
    QAction* lightest =
        addWindowCommand(window, "ActionLightest", QStringLiteral("Leichtestes Profil suchen…"),
                         QKeySequence(Qt::CTRL | Qt::Key_L));
    QObject::connect(lightest, &QAction::triggered, window,
                     [this, window] { chooseLightestSection(window); });
}

void Program::chooseLightestSection(QWidget* over) {
    if (!record_) {
        return;
    }
    const Calculation& onScreen = *record_->calculation;
    const SectionComparison comparison = compareSections(onScreen.request);
    // Modal to the whole program, but it does not hold up the event loop: the program goes on
    // answering while the engineer reads the table.
    auto* dialog =
        new SectionChoiceDialog(comparison, static_cast<int>(onScreen.request.section.row), over);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [this, dialog, comparison] {
        const int row = dialog->chosenRow();
        if (row < 0 || !comparison[std::size_t(row)].outcome.succeeded()) {
            return;
        }
        // As after "Neue Rechnung": the verdict on screen belongs to the old section. The row's
        // own calculation is shown, exactly what the table said of it.
        reportWindow.unload();
        inputWindow.touch().takeCalculation(comparison[std::size_t(row)].outcome.calculation);
    });
    dialog->show();
}

void Program::addDesignCommand(QWidget* window) {
    QAction* action =
        addWindowCommand(window, "ActionBemessung", QStringLiteral("Bemessung…"), QKeySequence());
    QObject::connect(action, &QAction::triggered, window, [this, window] { editDesign(window); });
}

DesignData Program::startingDesign() {
    // Every new beam starts with its top flange free: the restraint is the beam's own.
    DesignData design;
    design.grade = storedGrade().value_or(design.grade);
    return design;
}

void Program::editDesign(QWidget* over) {
    if (!record_) {
        return;
    }
    const Calculation& onScreen = *record_->calculation;
    auto* dialog = new DesignDialog(onScreen.request.design, onScreen.values.input,
                                    onScreen.pointLoad(), over);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog,
                     [this, dialog] { designChanged(dialog->design()); });
    dialog->show();
}

void Program::designChanged(const DesignData& design) {
    // The grade is how this engineer usually builds: the next beam starts with it. The
    // restraint, the load split and the bearings belong to this beam only.
    storeGrade(design.grade);
    if (InputWindow* input = inputWindow.loaded()) {
        input->setDesign(design);
    }
    if (!record_) {
        return;
    }
    // The calculation on display once more with the new data: the windows' rows and verdict
    // stay, the checks and the record follow.
    CheckRequest request = record_->calculation->request;
    request.design = design;
    const CalculationOutcome outcome = calculate(request);
    if (outcome.succeeded()) {
        // A new calculation, filed with the time it was made; one that now fails sounds like
        // any failing calculation.
        const bool failedBefore = record_->calculation->verdict == Verdict::Fail;
        record_->calculation = outcome.calculation;
        record_->calculatedAt = recordTime(QDateTime::currentDateTime());
        opened_.reset();
        showChecksOnDisplay();
        if (outcome.calculation->report.warningSound && !failedBefore) {
            if (InputWindow* input = inputWindow.loaded()) {
                input->playWarning();
            }
        }
    }
}

void Program::addPositionCommand(QWidget* window) {
    QAction* action =
        addWindowCommand(window, "ActionPosition", QStringLiteral("Position…"), QKeySequence());
    QObject::connect(action, &QAction::triggered, window, [this, window] { editPosition(window); });
}

PositionFields& Program::position() {
    if (!position_) {
        position_ = storedPosition();
    }
    return *position_;
}

void Program::editPosition(QWidget* over) {
    auto* dialog = new PositionDialog(position(), over);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [this, dialog] {
        position() = dialog->fields();
        // The project and the engineer stay for the next run; position and member belong to
        // this beam only.
        storePosition(*position_);
        // The record on screen is filed under the new names from now on.
        if (record_) {
            record_->position = *position_;
        }
    });
    dialog->show();
}

void Program::openCheckFile(const QString& path) {
    openNativeCheckFile(nativeFileName(path));
}

void Program::openNativeCheckFile(const QByteArray& nativePath) {
    afterStartWindowSeen([this, nativePath] { openFiledCheck(nativePath); });
}

void Program::showStartError(const QString& message) {
    afterStartWindowSeen([this, message] {
        if (StartWindow* start = startWindow.loaded(); start && start->isVisible()) {
            showMessage(start, QStringLiteral("Fehler:"), message);
        }
    });
}

void Program::afterStartWindowSeen(std::function<void()> call) {
    // The program starts as always; what was asked follows once the start window has been seen.
    const qint64 wait = startShown_.isValid() ? kStartWindowMs - startShown_.elapsed() : 0;
    if (wait <= 0) {
        call();
        return;
    }
    QTimer::singleShot(std::chrono::milliseconds(wait), startWindow.loaded(), std::move(call));
}

void Program::openFiledCheck(const QByteArray& nativePath) {
    StartWindow* start = startWindow.loaded();
    // The engineer may have chosen a load case meanwhile: that work is not thrown away.
    if (!start || !start->isVisible()) {
        return;
    }
    CheckFile file = readNativeCheckFile(nativePath);
    if (!file.check) {
        showMessage(start, QStringLiteral("Fehler:"), file.error);
        return;
    }
    // The filed request as it is, its design data with it (a record from before them has the
    // defaults): the input window shows it and computes it once more.
    const FiledCheck& check = *file.check;
    opened_ = check;
    position_ = check.position;
    openInputWindow(check.request.loadCase);
    inputWindow.touch().computeFiledCheck(check.request);
}

void Program::setIcon() {
    // Once per run: the start window can be loaded again, the icon stays.
    if (!QApplication::windowIcon().isNull()) {
        return;
    }
    QIcon icon;
#ifdef Q_OS_WIN
    // Pictures of the drawings at every screen scale, the build's: Windows has no SVG module.
    for (const char* drawing :
         {":/assets/icon-16.svg", ":/assets/icon-32.svg", ":/assets/icon.svg"}) {
        for (const QString& picture : renderedPictures(QLatin1String(drawing))) {
            icon.addFile(picture);
        }
    }
#else
    icon.addFile(QStringLiteral(":/assets/icon-16.svg"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/assets/icon-32.svg"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/assets/icon.svg"));
#endif
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
    checksWindow.unload();
    for (QWidget* w : loadedWindows()) {
        if (w) {
            w->hide();
        }
    }
    QCoreApplication::exit(0);
}

} // namespace ipb
