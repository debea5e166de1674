#include "checkout/Cart.h"

#include "checkout/PickEntry.h"

using namespace Qt::Literals::StringLiterals;

QStringList Cart::split(QStringView line) {
    QStringList fields;
    qsizetype start = 0;
    while (fields.size() < FieldCount) {
        const qsizetype end = line.indexOf(Separator, start);
        if (end < 0)
            break;
        fields.append(line.sliced(start, end - start).toString());
        start = end + 1;
    }
    while (fields.size() < FieldCount)
        fields.append(QString());
    return fields;
}

QString Cart::join(const QStringList& fields) {
    QString line;
    for (const QString& field : fields)
        line += field + Separator;
    return line;
}

QString Cart::amountText(QStringView quantity, QStringView price, QStringView discount) {
    return Decimal::roundedProduct(
               {Decimal::read(quantity), Decimal::read(price), Decimal::read(discount)}, 2)
        .moneyText();
}

QString Cart::changeText(QStringView received, QStringView total) {
    const QString change = (Decimal::read(received) - Decimal::read(total)).moneyText();
    return Decimal::read(change) > Decimal() ? change : QString();
}

int Cart::addProduct(const PickEntry& product) {
    const int index = static_cast<int>(m_productIds.indexOf(product.productId));
    if (index < 0) {
        m_lines.append(join({product.code, product.name, product.unit, u"1"_s,
                             product.price.moneyText(), u"1"_s, product.price.moneyText()}));
        m_productIds.append(product.productId);
        return size() - 1;
    }
    QStringList line = fields(index);
    line[Quantity] = (Decimal::read(line[Quantity]) + Decimal::fromInt(1)).plainText();
    line[Amount] = amountText(line[Quantity], line[Price], line[Discount]);
    m_lines[index] = join(line);
    return index;
}

void Cart::append(const QString& line, const QString& productId) {
    m_lines.append(line);
    m_productIds.append(productId);
}

void Cart::rebuildLine(int index, const QStringList& cells) {
    QStringList line = cells;
    line.resize(FieldCount);
    line[Price] = Decimal::read(line[Price]).moneyText();
    line[Amount] = Decimal::read(line[Amount]).moneyText();
    m_lines[index] = join(line);
}

void Cart::removeLine(int index) {
    m_lines.removeAt(index);
    m_productIds.removeAt(index);
}

void Cart::clear() {
    m_lines.clear();
    m_productIds.clear();
}

Cart::Totals Cart::totals() const {
    Totals totals;
    for (const QString& line : m_lines) {
        const QStringList field = split(line);
        const Decimal amount = Decimal::read(field[Amount]);
        totals.total += amount;
        totals.discountGiven +=
            Decimal::roundedProduct({Decimal::read(field[Quantity]), Decimal::read(field[Price])},
                                    4) -
            amount;
    }
    return totals;
}
