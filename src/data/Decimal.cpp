#include "data/Decimal.h"

#include "data/HalfWidth.h"

#include <limits>

namespace {

using Wide = __int128;
constexpr qint64 Max = std::numeric_limits<qint64>::max();
constexpr qint64 Min = std::numeric_limits<qint64>::min();

qint64 saturate(Wide value) {
    if (value > Max)
        return Max;
    if (value < Min)
        return Min;
    return static_cast<qint64>(value);
}

Wide powerOfTen(int exponent) {
    Wide result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

// Divides and rounds half away from zero.
Wide divideRounded(Wide value, Wide divisor) {
    const Wide half = divisor / 2;
    return value >= 0 ? (value + half) / divisor : -((-value + half) / divisor);
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

Decimal Decimal::fromInt(qint64 whole) {
    return Decimal(saturate(Wide(whole) * Scale));
}

Decimal Decimal::read(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(halfWidth(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (halfWidth(text[i]) == u'-' || halfWidth(text[i]) == u'+')) {
        negative = halfWidth(text[i]) == u'-';
        ++i;
    }
    constexpr Wide Cap = Wide(Max) * 10;
    Wide units = 0;
    int decimals = -1; // -1 until the decimal point is met
    bool roundUp = false;
    for (; i < text.size(); ++i) {
        const QChar c = halfWidth(text[i]);
        if (isBlank(c))
            continue;
        if (c == u'.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        const int digit = c.unicode() - u'0';
        if (decimals < 0) {
            units = units < Cap ? units * 10 + digit * Scale : Cap;
        } else if (decimals < 4) {
            units += digit * powerOfTen(3 - decimals);
            ++decimals;
        } else if (decimals == 4) {
            roundUp = digit >= 5;
            ++decimals;
        }
    }
    if (roundUp)
        ++units;
    return Decimal(saturate(negative ? -units : units));
}

Decimal Decimal::roundedProduct(std::initializer_list<Decimal> factors, int decimals) {
    Wide value = 1;
    int scaleDigits = 0;
    for (const Decimal factor : factors) {
        const bool negative = (value < 0) != (factor.m_units < 0);
        if (factor.overflowed() || __builtin_mul_overflow(value, Wide(factor.m_units), &value))
            return Decimal(negative ? Min : Max);
        scaleDigits += 4;
    }
    if (scaleDigits == 0)
        return fromInt(1);
    const Wide rounded = divideRounded(value, powerOfTen(scaleDigits - decimals));
    return Decimal(saturate(rounded * powerOfTen(4 - decimals)));
}

Decimal Decimal::rounded(int decimals) const {
    if (overflowed())
        return *this;
    const Wide step = powerOfTen(4 - decimals);
    return Decimal(saturate(divideRounded(m_units, step) * step));
}

QString Decimal::moneyText() const {
    const qint64 cents = static_cast<qint64>(divideRounded(m_units, 100));
    const bool negative = cents < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(cents) : cents;
    QString text = QString::number(magnitude / 100) + u'.' +
                   QString::number(magnitude % 100).rightJustified(2, u'0');
    return negative ? u'-' + text : text;
}

QString Decimal::plainText() const {
    const bool negative = m_units < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(m_units) : m_units;
    QString text = QString::number(magnitude / Scale);
    if (const quint64 fraction = magnitude % Scale) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return negative ? u'-' + text : text;
}

Decimal Decimal::operator-() const {
    if (overflowed())
        return Decimal(m_units == Max ? Min : Max);
    return Decimal(-m_units);
}

Decimal Decimal::operator+(Decimal other) const {
    if (overflowed())
        return *this;
    if (other.overflowed())
        return other;
    return Decimal(saturate(Wide(m_units) + other.m_units));
}

Decimal Decimal::operator-(Decimal other) const {
    return *this + -other;
}
