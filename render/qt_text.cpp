#include "qt_text.h"

#include <QLocale>

namespace ipb {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

char localeDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    const char c = point.size() == 1 ? point.at(0).toLatin1() : '\0';
    return c != '\0' ? c : '.';
}

} // namespace ipb
