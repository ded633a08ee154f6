#include "record_clipboard.h"

#include "record_workings.h"

#include <QMimeData>

namespace ipb {
namespace {

// One line of the copy: caption, value, unit, and the mark for a value in red.
struct Field {
    QString caption;
    QString value;
    QString unit;
    bool inadmissible = false;
};

QList<Field> recordFields(const CalculationRecord& record) {
    QList<Field> fields{
        {QStringLiteral("Programm"), programTitle(), {}},
        {QStringLiteral("Berechnet am"),
         calculatedAt(record).toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
         {}},
        {QStringLiteral("Lastfall"), loadCaseName(record), {}},
        {QStringLiteral("Profil"), designationDin(record), designationEuro(record)},
    };
    for (const QString& sectionValue : sectionValueTexts(record)) {
        const SectionValueParts parts = splitSectionValue(sectionValue);
        fields.append(Field{parts.name, parts.value, parts.unit});
    }
    for (const RecordLine& input : inputLines(record)) {
        const CaptionParts caption = splitCaption(input.caption);
        fields.append(Field{caption.name, input.value, caption.unit});
    }
    fields.append(Field{QStringLiteral("Max. zul. Durchbiegung"), deflectionLimitText(record), {}});
    fields.append(Field{QStringLiteral("Urteil"), verdictLine(record), failedChecks(record)});
    fields.append(Field{}); // a blank line between the data and the results
    for (const RecordRow& row : resultRows(record)) {
        const CaptionParts caption = splitCaption(row.caption);
        fields.append(Field{caption.name, row.value, caption.unit, row.inadmissible});
    }
    // The true maxima along the span, after the program's figures they check.
    for (const ExactLine& line : exactLines(record)) {
        fields.append(Field{QStringLiteral("%1 genau (x = %2 m)").arg(line.symbol, line.place),
                            line.value, line.unit});
    }
    return fields;
}

} // namespace

QString recordPlainText(const CalculationRecord& record) {
    QStringList lines;
    for (const Field& field : recordFields(record)) {
        QStringList columns{field.caption, field.value, field.unit};
        if (field.inadmissible) {
            columns << inadmissibleMark();
        }
        // Trailing empty columns would only add stray tabs.
        while (!columns.isEmpty() && columns.last().isEmpty()) {
            columns.removeLast();
        }
        lines << columns.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString recordHtml(const CalculationRecord& record) {
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n<table>\n");
    for (const Field& field : recordFields(record)) {
        if (field.caption.isEmpty() && field.value.isEmpty()) {
            html += QStringLiteral("<tr><td colspan=\"4\">&nbsp;</td></tr>\n");
            continue;
        }
        const QString style =
            field.inadmissible ? QStringLiteral(" style=\"color:#ff0000\"") : QString();
        html +=
            QStringLiteral("<tr><td>%1</td><td align=\"right\"%2>%3</td><td>%4</td><td%2>%5</td>"
                           "</tr>\n")
                .arg(field.caption.toHtmlEscaped(), style, field.value.toHtmlEscaped(),
                     field.unit.toHtmlEscaped(),
                     field.inadmissible ? inadmissibleMark() : QString());
    }
    return html + QStringLiteral("</table>\n</body></html>\n");
}

QMimeData* recordMimeData(const CalculationRecord& record) {
    auto* data = new QMimeData;
    data->setText(recordPlainText(record));
    data->setHtml(recordHtml(record));
    return data;
}

} // namespace ipb
