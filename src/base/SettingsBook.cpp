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
    QString* const fields[] = {&row.password,       &row.title,      &row.footer1,
                               &row.footer2,        &row.footer3,    &row.leftMargin,
                               &row.topMargin,      &row.autoPrint,  &row.defaultPrinter,
                               &row.receiptPrinter, &row.barcodeMode};
    int column = 0;
    for (QString* field : fields) {
        if (!stored.isNull(column))
            *field = stored.text(column);
        ++column;
    }
}

QString SettingsBook::storedPassword() const {
    Statement stored = firstRow(u"[密码]");
    if (!stored.next())
        throw DbError(u"设置表中没有记录"_s);
    return stored.text(0);
}

QStringList SettingsBook::saveReceiptSettings(const SettingsRow& row) {
    const std::pair<std::u16string_view, const QString*> fields[] = {
        {u"标题", &row.title},
        {u"结尾1", &row.footer1},
        {u"结尾2", &row.footer2},
        {u"结尾3", &row.footer3},
        {u"左边距", &row.leftMargin},
        {u"上边距", &row.topMargin},
        {u"自动打印", &row.autoPrint},
        {u"小票打印机", &row.receiptPrinter},
        {u"默认打印机", &row.defaultPrinter}};
    QString assignments;
    QList<const QString*> values;
    QStringList refused;
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
    return stored.next() && Decimal::read(stored.text(0)).rounded(0) == Decimal::fromInt(1);
}

void SettingsBook::saveBarcodeMode(bool on) {
    Transaction transaction(m_database);
    expectRow(m_database.exec(u"UPDATE [设置] SET [条码] = ?", on ? u"1"_s : u"0"_s));
    transaction.commit();
}
