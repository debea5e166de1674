#include "sheets/XlsxValue.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace XlsxValue {
namespace {

constexpr qsizetype SignificantDigits = 15;
constexpr int LargestExponent = 30;

// Adds one to the last digit, carrying; true when the carry runs out of the front ("999").
bool roundUp(QString& digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return false;
        }
        digits[i] = u'0';
    }
    digits.prepend(u'1');
    return true;
}

} // namespace

QString plainNumber(QStringView stored) {
    const QStringView text = stored.trimmed();
    qsizetype at = 0;
    const bool negative = at < text.size() && text[at] == u'-';
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        ++at;
    QString digits;
    qsizetype point = -1; // digits before the decimal point
    for (; at < text.size(); ++at) {
        if (text[at].isDigit() && text[at].unicode() < 128)
            digits += text[at];
        else if (text[at] == u'.' && point < 0)
            point = digits.size();
        else
            break;
    }
    if (digits.isEmpty())
        return stored.toString();
    if (point < 0)
        point = digits.size();
    if (at < text.size()) {
        bool valid = false;
        const int exponent = (text[at] == u'e' || text[at] == u'E')
                                 ? text.sliced(at + 1).toString().toInt(&valid)
                                 : 0;
        // Past this no cell of a shop holds anything but noise, and the digits would not fit.
        if (!valid || std::abs(exponent) > LargestExponent)
            return stored.toString();
        point += exponent;
    }
    // Leading zeros carry no digit of the value; the point moves with them.
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    if (first == digits.size())
        return u"0"_s;
    digits.remove(0, first);
    point -= first;
    if (digits.size() > SignificantDigits) {
        const bool up = digits[SignificantDigits] >= u'5';
        digits.truncate(SignificantDigits);
        if (up && roundUp(digits))
            ++point;
    }
    while (digits.endsWith(u'0') && digits.size() > point && digits.size() > 1)
        digits.chop(1);
    QString plain;
    if (point <= 0)
        plain = u"0."_s + QString(-point, u'0') + digits;
    else if (point >= digits.size())
        plain = digits + QString(point - digits.size(), u'0');
    else
        plain = digits.left(point) + u'.' + digits.mid(point);
    return negative ? u'-' + plain : plain;
}

QString text(QStringView stored, Kind kind, bool from1904) {
    bool valid = false;
    const double serial = stored.toDouble(&valid);
    if (kind == Kind::Number || !valid || !std::isfinite(serial) || serial < 0 || serial > 3e6)
        return plainNumber(stored);
    const double wholeDays = std::floor(serial);
    qint64 seconds = std::llround((serial - wholeDays) * 86400.0);
    qint64 days = qint64(wholeDays);
    if (seconds == 86400) {
        ++days;
        seconds = 0;
    }
    const QDate day = (from1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30)).addDays(days);
    const QTime time = QTime(0, 0).addSecs(int(seconds));
    switch (kind) {
    case Kind::Date:
        return day.toString(u"yyyy-MM-dd"_s);
    case Kind::Time:
        return time.toString(u"hh:mm:ss"_s);
    case Kind::DateTime:
        return seconds == 0 ? day.toString(u"yyyy-MM-dd"_s)
                            : day.toString(u"yyyy-MM-dd "_s) + time.toString(u"hh:mm:ss"_s);
    case Kind::Number:
        break;
    }
    return plainNumber(stored);
}

Kind kindOfFormat(QStringView code) {
    bool years = false;
    bool days = false;
    bool months = false; // or minutes, when hours or seconds stand beside
    bool time = false;
    // Only the first section counts: the one for positive numbers, where a date shows.
    for (qsizetype at = 0; at < code.size() && code[at] != u';'; ++at) {
        const QChar c = code[at].toLower();
        if (c == u'"') {
            const qsizetype end = code.indexOf(u'"', at + 1);
            at = end < 0 ? code.size() : end;
        } else if (c == u'[') {
            const qsizetype end = code.indexOf(u']', at + 1);
            const QStringView inside = code.sliced(at + 1, (end < 0 ? code.size() : end) - at - 1);
            // [h], [mm] and [ss] count elapsed time; [Red] or [$-804] show nothing of the value.
            if (!inside.isEmpty() && QStringView(u"hms").contains(inside[0].toLower()))
                time = true;
            at = end < 0 ? code.size() : end;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++at; // the next character is shown as it is, or only makes room
        } else {
            years = years || c == u'y';
            days = days || c == u'd';
            months = months || c == u'm';
            time = time || c == u'h' || c == u's';
        }
    }
    const bool date = years || days || (months && !time);
    if (date && time)
        return Kind::DateTime;
    if (date)
        return Kind::Date;
    return time ? Kind::Time : Kind::Number;
}

Kind kindOfBuiltInFormat(int id) {
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) ||
        (id >= 50 && id <= 58))
        return Kind::Date;
    if ((id >= 18 && id <= 21) || id == 32 || id == 33 || (id >= 45 && id <= 47))
        return Kind::Time;
    return id == 22 ? Kind::DateTime : Kind::Number;
}

} // namespace XlsxValue
