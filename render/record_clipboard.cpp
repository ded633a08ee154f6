#include "record_clipboard.h"

#include "qt_text.h"

#include <QMimeData>

namespace ipb {
namespace {

QString recordPlainText(const RecordModel& record) {
    QStringList lines;
    for (const RecordField& field : record.copy) {
        QStringList columns{qtText(field.caption), qtText(field.value), qtText(field.unit)};
        if (field.inadmissible) {
            columns << qtText(kInadmissibleMark);
        }
        // Trailing empty columns would only add stray tabs.
        while (!columns.isEmpty() && columns.last().isEmpty()) {
            columns.removeLast();
        }
        lines << columns.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString recordHtml(const RecordModel& record) {
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n<table>\n");
    for (const RecordField& field : record.copy) {
        if (field.caption.empty() && field.value.empty()) {
            html += QStringLiteral("<tr><td colspan=\"4\">&nbsp;</td></tr>\n");
            continue;
        }
        const QString style =
            field.inadmissible ? QStringLiteral(" style=\"color:#ff0000\"") : QString();
        html +=
            QStringLiteral("<tr><td>%1</td><td align=\"right\"%2>%3</td><td>%4</td><td%2>%5</td>"
                           "</tr>\n")
                .arg(qtText(field.caption).toHtmlEscaped(), style,
                     qtText(field.value).toHtmlEscaped(), qtText(field.unit).toHtmlEscaped(),
                     field.inadmissible ? qtText(kInadmissibleMark) : QString());
    }
    return html + QStringLiteral("</table>\n</body></html>\n");
}

} // namespace

QMimeData* recordMimeData(const RecordModel& record) {
    auto* data = new QMimeData;
    data->setText(recordPlainText(record));
    data->setHtml(recordHtml(record));
    return data;
}

} // namespace ipb
