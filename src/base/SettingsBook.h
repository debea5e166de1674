#pragma once

#include "data/SettingsRow.h"

#include <QString>
#include <QStringList>
#include <QStringView>

class Database;
class Statement;

// The one row of [设置]: the only code that reads or writes it. Every failure of the
// database throws DbError; each write is one transaction.
class SettingsBook {
public:
    enum class PasswordChange { NewPasswordEmpty, OldPasswordWrong, Changed };

    explicit SettingsBook(Database& database);

    // Lays the stored row over `row`: a column that is NULL leaves its field as it was. The
    // margins read as numbers (empty: 0), a switch is on when it reads as the whole number 1.
    void readInto(SettingsRow& row) const;

    // The login password as stored, untrimmed.
    QString storedPassword() const;

    // Stores the receipt settings and both printers as given; 密码 and 条码 stay untouched.
    // A margin outside 0 to 30 mm stores nothing ("打印左边距应在0到30毫米之间"); a text
    // longer than its column is left as stored while the others land ("标题最多50个字").
    QStringList saveReceiptSettings(const SettingsRow& row);

    // The old password must equal the stored one exactly (case counts, the stored value is
    // not trimmed); the new one is stored trimmed.
    PasswordChange changePassword(const QString& oldTyped, const QString& newTyped);

    // Whether the sales screen scans barcodes: 条码 read as a whole number is 1.
    bool barcodeMode() const;
    void saveBarcodeMode(bool on);

private:
    Statement firstRow(QStringView columns) const;

    Database& m_database;
};
