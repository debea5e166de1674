#include "data/DateText.h"

#include "data/HalfWidth.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace DateText {

QString format(QDate date) {
    return date.toString(u"yyyy-MM-dd"_s);
}

std::optional<QDate> parse(QStringView text) {
    static const QRegularExpression pattern(u"^\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})\\s*$"_s);
    const QRegularExpressionMatch match = pattern.match(halfWidth(text));
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QDate monthBack(QDate date) {
    return date.addMonths(-1);
}

QString timeStamp(const QDateTime& moment) {
    return moment.toString(u"yyyyMMddhhmmss"_s);
}

} // namespace DateText
