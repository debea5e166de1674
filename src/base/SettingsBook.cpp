#include "base/SettingsBook.h"

#include "data/ColumnWidth.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/Decimal.h"
#include "data/Refusal.h"
#include "data/SqlDialect.h"
#include "data/TextCut.h"
#include "data/Transaction.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// A switch is on when its text, read as a whole number, is 1.
bool isOne(const QString& text) {
    return Decimal::read(text).rounded(0) == Decimal::fromInt(1);
}

QString oneOrZero(bool on) {
    return on ? u"1"_s : u"0"_s;
}

QStringList marginRefusals(const SettingsRow& row) {
    QStringList refused;
    const Decimal largest = Decimal::fromInt(SettingsRow::LargestMargin);
    for (const auto& [label, margin] :
         {std::pair(u"打印左边距", row.leftMargin), std::pair(u"打印上边距", row.topMargin)}) {
        if (margin < Decimal() || margin > largest)
            refused.append(QString::fromUtf16(label) + u"应在0到"_s +
                           QString::number(SettingsRow::LargestMargin) + u"毫米之间"_s);
    }
    return refused;
}

void expectRow(int changed) {
    if (changed == 0)
        throw DbError(u"设置表中没有记录"_s);
}

} // namespace

SettingsBook::SettingsBook(Database& database)
    : m_database(database) {}

Statement SettingsBook::firstRow(QStringView columns) const {
    return m_database.prepare(
        QString(u"SELECT " + columns + u" FROM [设置]" + SqlDialect::firstRows(1)));
}

void SettingsBook::readInto(SettingsRow& row) const {
    Statement stored = firstRow(u"[密码], [标题], [结尾1], [结尾2], [结尾3], [左边距], [上边距], "
                                u"[自动打印], [默认打印机], [小票打印机], [条码]");
    if (!stored.next())
        return;
    const auto lay = [&stored](int column, auto& field, auto parse) {
        if (!stored.isNull(column))
            field = parse(stored.text(column));
    };
    const auto asText = [](const QString& text) { return text; };
    lay(0, row.password, asText);
    lay(1, row.title, asText);
    lay(2, row.footer1, asText);
    lay(3, row.footer2, asText);
    lay(4, row.footer3, asText);
    lay(5, row.leftMargin, Decimal::read);
    lay(6, row.topMargin, Decimal::read);
    lay(7, row.autoPrint, isOne);
    lay(8, row.defaultPrinter, asText);
    lay(9, row.receiptPrinter, asText);
    lay(10, row.barcodeMode, isOne);
}

QString SettingsBook::storedPassword() const {
    Statement stored = firstRow(u"[密码]");
    if (!stored.next())
        throw DbError(u"设置表中没有记录"_s);
    return stored.text(0);
}

QStringList SettingsBook::saveReceiptSettings(const SettingsRow& row) {
    QStringList refused = marginRefusals(row);
    if (!refused.isEmpty())
        return refused;
    const QString leftMargin = row.leftMargin.plainText();
    const QString topMargin = row.topMargin.plainText();
    const QString autoPrint = oneOrZero(row.autoPrint);
    const std::pair<std::u16string_view, const QString*> fields[] = {
        {u"标题", &row.title},
        {u"结尾1", &row.footer1},
        {u"结尾2", &row.footer2},
        {u"结尾3", &row.footer3},
        {u"左边距", &leftMargin},
        {u"上边距", &topMargin},
        {u"自动打印", &autoPrint},
        {u"小票打印机", &row.receiptPrinter},
        {u"默认打印机", &row.defaultPrinter}};
    QString assignments;
    QList<const QString*> values;
    for (const auto& [column, value] : fields) {
        const QString name = QString::fromUtf16(column.data(), qsizetype(column.size()));
        const int width = ColumnWidth::find(u"设置", column).value();
        if (TextCut::leading(*value, width).size() < value->size()) {
            refused.append(Refusal::tooLong(name, width).reason());
            continue;
        }
        assignments += (assignments.isEmpty() ? u"["_s : u", ["_s) + name + u"] = ?";
        values.append(value);
    }
    if (values.isEmpty())
        return refused;
    Transaction transaction(m_database);
    Statement update = m_database.prepare(u"UPDATE [设置] SET " + assignments);
    for (qsizetype i = 0; i < values.size(); ++i)
        update.bind(int(i + 1), *values.at(i));
    update.run();
    expectRow(m_database.changes());
    transaction.commit();
    return refused;
}

SettingsBook::PasswordChange SettingsBook::changePassword(const QString& oldTyped,
                                                          const QString& newTyped) {
    const QString newPassword = newTyped.trimmed();
    if (newPassword.isEmpty())
        return PasswordChange::NewPasswordEmpty;
    Transaction transaction(m_database);
    if (storedPassword() != oldTyped.trimmed())
        return PasswordChange::OldPasswordWrong;
    m_database.exec(u"UPDATE [设置] SET [密码] = ?", newPassword);
    transaction.commit();
    return PasswordChange::Changed;
}

bool SettingsBook::barcodeMode() const {
    Statement stored = firstRow(u"[条码]");
    return stored.next() && isOne(stored.text(0));
}

void SettingsBook::saveBarcodeMode(bool on) {
    Transaction transaction(m_database);
    expectRow(m_database.exec(u"UPDATE [设置] SET [条码] = ?", oneOrZero(on)));
    transaction.commit();
}
