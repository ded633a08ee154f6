#include "stored_settings.h"

#include "design_entries.h"
#include "position_text.h"
#include "qt_text.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace ipb {
namespace {

const QString kGradeKey = QStringLiteral("Bemessung/Stahlsorte");
const QString kBauvorhabenKey = QStringLiteral("Position/Bauvorhaben");
const QString kBearbeiterKey = QStringLiteral("Position/Bearbeiter");
const QString kFolderKey = QStringLiteral("Ordner/Rechnungen");

#ifdef Q_OS_WIN
// Where Qt keeps a program's settings on Windows: the user's registry
// (HKEY_CURRENT_USER\Software\ipbtraeger\ipbtraeger), which no FIFO can stand in for.
std::unique_ptr<QSettings> settingsFile() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("ipbtraeger"), QStringLiteral("ipbtraeger"));
}
#else
// Where QSettings keeps ipbtraeger's settings on Linux. Named here and opened as that one file,
// so that no other file (the organisation's, the system's) is read in passing.
QString settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ipbtraeger/ipbtraeger.conf");
}

// Nothing there yet, or a regular file; the lock file QSettings writes beside it as well.
bool mayTouch(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() || (!info.exists() && !info.isSymLink());
}

// The settings, or nothing when the file (or its lock) is something other than a file.
std::unique_ptr<QSettings> settingsFile() {
    const QString path = settingsPath();
    if (!mayTouch(path) || !mayTouch(path + QStringLiteral(".lock"))) {
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}
#endif

// A text entry as it was written; a hand-written list ("a, b") as its text. Anything else, a
// number or a binary value, is no text of ours.
QString storedText(const QString& key) {
    const std::unique_ptr<QSettings> file = settingsFile();
    if (!file) {
        return {};
    }
    const QVariant value = file->value(key);
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        return value.toStringList().join(QStringLiteral(", "));
    default:
        return {};
    }
}

void store(const QString& key, const QString& value) {
    if (const std::unique_ptr<QSettings> file = settingsFile()) {
        file->setValue(key, value);
        file->sync(); // a status of error is the remembering lost, no more
    }
}

bool isFolder(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.isAbsolute() && info.isDir();
}

} // namespace

std::optional<SteelGrade> storedGrade() {
    return gradeNamed(coreText(storedText(kGradeKey)));
}

void storeGrade(SteelGrade grade) {
    store(kGradeKey, QLatin1String(gradeName(grade)));
}

PositionFields storedPosition() {
    PositionFields fields;
    fields.bauvorhaben = positionField(coreText(storedText(kBauvorhabenKey)));
    fields.bearbeiter = positionField(coreText(storedText(kBearbeiterKey)));
    return fields;
}

void storePosition(const PositionFields& fields) {
    store(kBauvorhabenKey, qtText(fields.bauvorhaben));
    store(kBearbeiterKey, qtText(fields.bearbeiter));
}

QString recordFolder() {
    for (const QString& folder : {storedText(kFolderKey), QStandardPaths::writableLocation(
                                                              QStandardPaths::DocumentsLocation)}) {
        if (isFolder(folder)) {
            return QDir::cleanPath(folder);
        }
    }
    return QDir::homePath();
}

void storeRecordFolder(const QString& filePath) {
    const QString folder = QFileInfo(filePath).absolutePath();
    if (isFolder(folder)) {
        store(kFolderKey, folder);
    }
}

} // namespace ipb
