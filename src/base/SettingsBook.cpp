#include "base/SettingsBook.h"

#include "data/Database.h"
#include "data/DbError.h"
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

void SettingsBook::readInto(SettingsRow& row) const {
    Statement stored = m_database.prepare(
        u"SELECT [密码], [标题], [结尾1], [结尾2], [结尾3], [左边距], [上边距], [自动打印], "
        u"[默认打印机], [小票打印机], [条码] FROM [设置] LIMIT 1");
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

void SettingsBook::saveReceiptSettings(const SettingsRow& row) {
    Transaction transaction(m_database);
    expectRow(m_database.exec(u"UPDATE [设置] SET [标题] = ?, [结尾1] = ?, [结尾2] = ?, "
                              u"[结尾3] = ?, [左边距] = ?, [上边距] = ?, [自动打印] = ?, "
                              u"[小票打印机] = ?, [默认打印机] = ?",
                              row.title, row.footer1, row.footer2, row.footer3, row.leftMargin,
                              row.topMargin, row.autoPrint, row.receiptPrinter,
                              row.defaultPrinter));
    transaction.commit();
}

SettingsBook::PasswordChange SettingsBook::changePassword(const QString& oldTyped,
                                                          const QString& newTyped) {
    const QString newPassword = newTyped.trimmed();
    if (newPassword.isEmpty())
        return PasswordChange::NewPasswordEmpty;
    Transaction transaction(m_database);
    Statement stored = m_database.prepare(u"SELECT [密码] FROM [设置] LIMIT 1");
    if (!stored.next())
        throw DbError(u"设置表中没有记录"_s);
    if (stored.text(0) != oldTyped.trimmed())
        return PasswordChange::OldPasswordWrong;
    stored.reset();
    m_database.exec(u"UPDATE [设置] SET [密码] = ?", newPassword);
    transaction.commit();
    return PasswordChange::Changed;
}
