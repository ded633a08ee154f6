#include "calculation_record.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ipb {

QString programTitle() {
    // The program sets no version of its own at start-up; the build's project version stands in.
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty()) {
        version = QStringLiteral(IPB_VERSION);
    }
    return QStringLiteral("IPB-Träger (ipbtraeger) ") + version;
}

CaptionParts splitCaption(const QString& caption) {
    static const QRegularExpression kUnit(QStringLiteral("^(.*?)\\s*\\[([^\\]]*)\\]\\s*$"));
    const QRegularExpressionMatch match = kUnit.match(caption);
    if (!match.hasMatch()) {
        return {caption.trimmed(), {}};
    }
    return {match.captured(1), match.captured(2)};
}

SectionValueParts splitSectionValue(const QString& text) {
    static const QRegularExpression kValue(
        QStringLiteral("^\\s*([^=]+?)\\s*=\\s*([0-9.,]+)\\s*(.*?)\\s*$"));
    const QRegularExpressionMatch match = kValue.match(text);
    if (!match.hasMatch()) {
        return {text.trimmed(), {}, {}};
    }
    return {match.captured(1), match.captured(2), match.captured(3)};
}

QString verdictLine(const CalculationRecord& record) {
    static const QRegularExpression kGap(QStringLiteral("\\s{2,}"));
    return record.verdict.split(kGap, Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

QString failedChecks(const CalculationRecord& record) {
    if (record.stressFailed && record.deflectionFailed) {
        return QStringLiteral("Biegespannung und Durchbiegung über dem zulässigen Wert");
    }
    if (record.stressFailed) {
        return QStringLiteral("Biegespannung über dem zulässigen Wert");
    }
    if (record.deflectionFailed) {
        return QStringLiteral("Durchbiegung über dem zulässigen Wert");
    }
    return {};
}

QString inadmissibleMark() {
    return QStringLiteral("unzulässig");
}

QString proposedFileName(const CalculationRecord& record) {
    QString size = record.context.sectionEntry.trimmed();
    // Only what every file system takes: the list could in principle hold anything.
    static const QRegularExpression kUnsafe(QStringLiteral("[^A-Za-z0-9]"));
    size.remove(kUnsafe);
    return QStringLiteral("Traeger_IPB%1_%2.pdf")
        .arg(size, record.context.calculatedAt.toString(QStringLiteral("yyyy-MM-dd_HHmm")));
}

} // namespace ipb
