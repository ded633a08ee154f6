#include "record_text.h"

#include "window_services.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ipb {
namespace {

// The input boxes' captions without their input limits ("Last +q [KN/m], max. 250"), which
// say nothing about this beam, in the order the engineer works through them.
struct InputCaption {
    InputField field;
    const char* caption;
};
constexpr InputCaption kInputCaptions[] = {
    {InputField::plusq, "Last +q [KN/m]"}, {InputField::F, "Kraft F [KN]"},
    {InputField::la, "Länge la [m]"},      {InputField::lb, "Länge lb [m]"},
    {InputField::l, "Länge l [m]"},        {InputField::sic, "Mindestsicherheit"}};

const BeamSection& section(const CalculationRecord& record) {
    return kSectionTable[record.calculation.sectionRow];
}

} // namespace

QDateTime calculatedAt(const CalculationRecord& record) {
    const RecordTime& t = record.calculatedAt;
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

RecordTime recordTime(const QDateTime& time) {
    const QDate d = time.date();
    const QTime t = time.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

bool hasPointLoad(const CalculationRecord& record) {
    return record.calculation.texts.shown(InputField::F);
}

QString loadCaseName(const CalculationRecord& record) {
    return hasPointLoad(record)
               ? QStringLiteral("Träger auf 2 Stützen, Streckenlast plus Punktlast")
               : QStringLiteral("Träger auf 2 Stützen, Streckenlast (mind. "
                                "Eigengewicht)");
}

QString loadCaseDrawing(const CalculationRecord& record) {
    return hasPointLoad(record) ? QStringLiteral(":/assets/point_load.svg")
                                : QStringLiteral(":/assets/uniform_load.svg");
}

QString designationDin(const CalculationRecord& record) {
    return qtText(chooseSection(section(record).listEntry).designationDin);
}

QString designationEuro(const CalculationRecord& record) {
    return qtText(chooseSection(section(record).listEntry).designationEuro);
}

QList<QString> sectionValueTexts(const CalculationRecord& record) {
    const BeamSection& s = section(record);
    return {qtText(s.IxText).trimmed(), qtText(s.WxText).trimmed(), qtText(s.q0Text).trimmed()};
}

QList<RecordLine> inputLines(const CalculationRecord& record) {
    QList<RecordLine> lines;
    for (const auto& [field, caption] : kInputCaptions) {
        if (record.calculation.texts.shown(field)) {
            lines.append({QString::fromUtf8(caption), qtText(record.calculation.texts[field])});
        }
    }
    return lines;
}

QString deflectionLimitText(const CalculationRecord& record) {
    return QStringLiteral("l/%1").arg(record.calculation.values.input.fmaxteiler);
}

QList<RecordRow> resultRows(const CalculationRecord& record) {
    QList<RecordRow> rows;
    for (std::size_t i = 0; i < kResultRowCount; ++i) {
        const ResultRow& row = record.calculation.view.rows[i];
        RecordRow out;
        out.caption = qtText(kResultCaptions[i]);
        out.shown = i != RowSpan || record.calculation.view.spanRowShown;
        out.value = out.shown && row.text ? qtText(*row.text) : QString();
        out.inadmissible = out.shown && row.colour == TextColour::Red;
        rows.append(out);
    }
    return rows;
}

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
    return qtText(record.calculation.view.report.message)
        .split(kGap, Qt::SkipEmptyParts)
        .join(QLatin1Char(' '));
}

bool passes(const CalculationRecord& record) {
    return record.calculation.view.verdict == Verdict::Pass;
}

QString failedChecks(const CalculationRecord& record) {
    const ResultView& v = record.calculation.view;
    if (v.stressFailed && v.deflectionFailed) {
        return QStringLiteral("Biegespannung und Durchbiegung über dem zulässigen Wert");
    }
    if (v.stressFailed) {
        return QStringLiteral("Biegespannung über dem zulässigen Wert");
    }
    if (v.deflectionFailed) {
        return QStringLiteral("Durchbiegung über dem zulässigen Wert");
    }
    return {};
}

QString inadmissibleMark() {
    return QStringLiteral("unzulässig");
}

QString proposedFileName(const CalculationRecord& record) {
    const QString size = qtText(kSectionTable[record.calculation.sectionRow].Size);
    return QStringLiteral("Traeger_IPB%1_%2.pdf")
        .arg(size, calculatedAt(record).toString(QStringLiteral("yyyy-MM-dd_HHmm")));
}

} // namespace ipb
