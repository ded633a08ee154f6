#include "record_print_module.h"

#include "print_module_api.h"
#include "record_page.h"
#include "record_pdf.h"
#include "window_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace ipb {
namespace {

const QString kModuleFile = QStringLiteral("libipbtraeger_print.so");

// Loaded once and kept for the rest of the run: unloading Qt's print support while its
// objects may still be cached would be asking for trouble.
PrintRecordFunction loadPrintFunction(QString& error) {
    static PrintRecordFunction function = nullptr;
    static QString loadedFrom;
    const QStringList candidates = printModuleCandidates();
    if (function && candidates.contains(loadedFrom)) {
        return function;
    }
    QStringList reasons;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) {
            reasons << QStringLiteral("%1: nicht vorhanden").arg(QDir::toNativeSeparators(path));
            continue;
        }
        auto* library = new QLibrary(path, qApp);
        if (auto* found =
                reinterpret_cast<PrintRecordFunction>(library->resolve(kPrintRecordSymbol))) {
            function = found;
            loadedFrom = path;
            return function;
        }
        reasons << library->errorString();
        delete library;
    }
    error = QStringLiteral("Das Druckmodul %1 lässt sich nicht laden.\n%2")
                .arg(kModuleFile, reasons.join(QLatin1Char('\n')));
    return nullptr;
}

} // namespace

QString printModuleOverride;

QStringList printModuleCandidates() {
    if (!printModuleOverride.isEmpty()) {
        return {printModuleOverride};
    }
    const QDir programDir(QCoreApplication::applicationDirPath());
    // The build tree has the module beside the program; an installation keeps it in its own
    // folder under the library directory (which may carry a multiarch part on Debian).
    QStringList candidates{
        programDir.filePath(kModuleFile),
        programDir.filePath(QStringLiteral(IPB_PRINT_MODULE_DIR "/") + kModuleFile)};
    const QString plain = programDir.filePath(QStringLiteral("../lib/ipbtraeger/") + kModuleFile);
    if (!candidates.contains(plain)) {
        candidates << plain;
    }
    return candidates;
}

void printRecord(QWidget* parent, const CalculationRecord& record) {
    QString error;
    const PrintRecordFunction print = loadPrintFunction(error);
    if (print) {
        const PagePainter paint = [&record](QPainter& painter) { paintRecord(painter, record); };
        const auto outcome = static_cast<PrintOutcome>(
            print(parent, proposedPdfPath(record), recordPageLayout(), paint, error));
        if (outcome != PrintOutcome::Failed) {
            return;
        }
    }
    showMessage(parent, QStringLiteral("Fehler:"), error);
}

} // namespace ipb
