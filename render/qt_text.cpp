#include "qt_text.h"

#include <QLocale>

namespace ipb {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string coreText(const QString& text) {
    QString paired;
    paired.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            paired += c;
            paired += text.at(++i);
        } else if (!c.isSurrogate()) {
            paired += c;
        }
    }
    return paired.toStdString();
}

char localeDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    const char c = point.size() == 1 ? point.at(0).toLatin1() : '\0';
    return c != '\0' ? c : '.';
}

} // namespace ipb
