#include "start_window.h"

#include "deferred_call.h"
#include "form_setup.h"
#include "keyboard_focus.h"
#include "sound_cue.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace ipb {
namespace {

// The one local PDF file a drop brings, or nothing: several files or a web address are not a
// filed check.
QString droppedPdf(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().constFirst();
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

StartWindow::StartWindow() : MMControl1(new SoundCue(QStringLiteral("MMControl1"), this)) {
    ui.setupUi(this);
    finishForm(this);
    connect(ui.BildLastf1, &ImageControl::clicked, this, &StartWindow::BildLastf1_Click);
    connect(ui.BildLastf2, &ImageControl::clicked, this, &StartWindow::BildLastf2_Click);
    // The two load cases are reached by keyboard too. The window opens with no control
    // focused, so it looks as designed until Tab is pressed.
    ui.BildLastf1->setPressable(true);
    ui.BildLastf2->setPressable(true);
    setUpKeyboard(this, {ui.BildLastf1, ui.BildLastf2}, FirstFocus::Window);
    // A filed check dropped here opens again as a calculation.
    setAcceptDrops(true);
    Form_Load();
}

void StartWindow::Form_Load() {
    // The start sound and the window icon wait for the first paint: opening the audio device
    // and loading the icon engine must not hold up the first look at the program.
    firstFrameWorkDue_ = true;
}

void StartWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (firstFrameWorkDue_) {
        firstFrameWorkDue_ = false;
        afterPendingEvents(this, [this] {
            MMControl1->play("Aufloes1.wav");
            emit firstFrameShown();
        });
    }
}

void StartWindow::BildLastf1_Click() {
    emit loadCaseChosen(LoadCase::UniformLoad);
}

void StartWindow::BildLastf2_Click() {
    emit loadCaseChosen(LoadCase::PointLoad);
}

void StartWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedPdf(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void StartWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedPdf(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        emit checkFileDropped(path);
    }
}

void StartWindow::closeEvent(QCloseEvent* event) {
    // Only the start window is loaded when it can be closed: closing it ends the program.
    event->accept();
    emit quitRequested();
}

} // namespace ipb
