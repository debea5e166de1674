#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <initializer_list>
#include <limits>

// Exact money and quantity value: a 64-bit count of 1/10000, like the Currency column type.
// A value past the range saturates to one of its two ends instead of wrapping, and the ends
// stick through further arithmetic: an overflowed value is never mistaken for a real one.
class Decimal {
public:
    static constexpr qint64 Scale = 10000;
    // The longest number Currency holds, "-922337203685477.5808": what a number box takes.
    static constexpr int TextLength = 21;

    constexpr Decimal() = default;
    static constexpr Decimal fromUnits(qint64 units) { return Decimal(units); }
    static Decimal fromInt(qint64 whole);

    // Reads the number a text begins with: leading blanks skipped, blanks between digits
    // ignored, optional sign, digits and one decimal point; 0 when there is no number.
    // Digits past the fourth decimal round half away from zero. Full-width digits, point and
    // signs count as ASCII ones and U+3000 as a blank. A number past the range overflows.
    static Decimal read(QStringView text);

    // Multiplies exactly and rounds once, half away from zero, to the given decimals (0..4).
    static Decimal roundedProduct(std::initializer_list<Decimal> factors, int decimals);

    constexpr qint64 units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    // Past what a Currency column holds (about ±922337203685477): never to be stored.
    constexpr bool overflowed() const {
        return m_units == std::numeric_limits<qint64>::max() ||
               m_units == std::numeric_limits<qint64>::min();
    }

    Decimal rounded(int decimals) const;
    QString moneyText() const; // "0.00": two decimals, half away from zero
    QString plainText() const; // shortest plain form: 2, 2.5, -3, 0.9

    Decimal operator-() const;
    Decimal operator+(Decimal other) const;
    Decimal operator-(Decimal other) const;
    Decimal& operator+=(Decimal other) { return *this = *this + other; }
    Decimal& operator-=(Decimal other) { return *this = *this - other; }
    constexpr auto operator<=>(const Decimal&) const = default;

private:
    constexpr explicit Decimal(qint64 units)
        : m_units(units) {}
    qint64 m_units = 0;
};
