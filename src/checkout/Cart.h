#pragma once

#include "data/Decimal.h"

#include <QString>
#include <QStringList>
#include <QStringView>

struct PickEntry;

// The current sale's articles: one text line per product, each field followed by the
// separator, and beside it the product ID of every line.
class Cart {
public:
    enum Field { Code, Name, Unit, Quantity, Price, Discount, Amount, Remark };
    static constexpr int FieldCount = 8;
    static constexpr QChar Separator = QChar(0x30A1);

    struct Totals {
        Decimal total;
        Decimal discountGiven;
    };

    // Always FieldCount fields; the ones a line lacks are empty.
    static QStringList split(QStringView line);
    static QString join(const QStringList& fields);
    // 数量 × 单价 × 折扣 of the texts as typed, "0.00".
    static QString amountText(QStringView quantity, QStringView price, QStringView discount);
    // received − total as "0.00", or empty unless it is greater than 0.
    static QString changeText(QStringView received, QStringView total);

    int size() const { return static_cast<int>(m_lines.size()); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    const QStringList& lines() const { return m_lines; }
    const QStringList& productIds() const { return m_productIds; }
    QStringList fields(int index) const { return split(m_lines.at(index)); }

    // Raises the quantity of the product's line, or appends a line; returns its index.
    int addProduct(const PickEntry& product);
    void append(const QString& line, const QString& productId);
    // Stores the texts of a grid row, prices and amounts written again as "0.00".
    void rebuildLine(int index, const QStringList& cells);
    void removeLine(int index);
    void clear();

    Totals totals() const;

private:
    QStringList m_lines;
    QStringList m_productIds;
};
