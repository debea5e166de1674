#include "base/SettingsBook.h"
#include "data/DbError.h"
#include "support/TempShop.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString stored(Database& database, const QString& column) {
    Statement row = database.prepare(u"SELECT [" + column + u"] FROM [设置]");
    row.next();
    return row.text(0);
}

SettingsRow edited() {
    SettingsRow row;
    row.password = u"ignored"_s;
    row.title = u"小卖部"_s;
    row.footer1 = u"a"_s;
    row.footer2 = u"b"_s;
    row.footer3 = u"c"_s;
    row.leftMargin = Decimal::read(u"2.5");
    row.topMargin = Decimal::fromInt(30);
    row.autoPrint = true;
    row.defaultPrinter = u"Office"_s;
    row.receiptPrinter = u"Receipt"_s;
    row.barcodeMode = true;
    return row;
}

} // namespace

class TestSettingsBook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nullColumnsLeaveFieldsAsTheyWere();
    void saveWritesReceiptSettingsOnly();
    void overLongTextStaysAsStored_data();
    void overLongTextStaysAsStored();
    void saveWithoutARowFails();
    void changePassword_data();
    void changePassword();
    void barcodeMode_data();
    void barcodeMode();
};

void TestSettingsBook::nullColumnsLeaveFieldsAsTheyWere() {
    TempShop shop;
    shop.db().exec(u"UPDATE [设置] SET [左边距] = NULL, [标题] = NULL, [上边距] = ''");
    SettingsRow row;
    row.leftMargin = Decimal::fromInt(120);
    row.topMargin = Decimal::fromInt(200);
    row.title = u"before"_s;
    SettingsBook(shop.db()).readInto(row);
    QCOMPARE(row.leftMargin, Decimal::fromInt(120));
    QCOMPARE(row.title, u"before"_s);
    QCOMPARE(row.topMargin, Decimal()); // an empty text is a value, not a NULL: 0
    QCOMPARE(row.footer1, u"电话：010-62345678"_s);
}

void TestSettingsBook::saveWritesReceiptSettingsOnly() {
    TempShop shop;
    QCOMPARE(SettingsBook(shop.db()).saveReceiptSettings(edited()), QStringList());
    // The texts the files have always held.
    const QStringList columns = {u"密码"_s,       u"标题"_s,       u"结尾3"_s,
                                 u"左边距"_s,     u"上边距"_s,     u"自动打印"_s,
                                 u"小票打印机"_s, u"默认打印机"_s, u"条码"_s};
    QStringList texts;
    for (const QString& column : columns)
        texts.append(stored(shop.db(), column));
    QCOMPARE(texts, (QStringList{u"739"_s, u"小卖部"_s, u"c"_s, u"2.5"_s, u"30"_s, u"1"_s,
                                 u"Receipt"_s, u"Office"_s, u"0"_s}));
    SettingsRow row;
    SettingsBook(shop.db()).readInto(row);
    QCOMPARE(row.leftMargin, edited().leftMargin);
}

void TestSettingsBook::overLongTextStaysAsStored_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("message");
    QTest::newRow("title") << u"标题"_s << u"标题最多50个字"_s;
    QTest::newRow("footer") << u"结尾2"_s << u"结尾2最多50个字"_s;
    QTest::newRow("printer") << u"小票打印机"_s << u"小票打印机最多50个字"_s;
}

void TestSettingsBook::overLongTextStaysAsStored() {
    QFETCH(QString, column);
    QFETCH(QString, message);
    TempShop shop;
    const QString before = stored(shop.db(), column);
    SettingsRow row = edited();
    QString* const field = column == u"标题"    ? &row.title
                           : column == u"结尾2" ? &row.footer2
                                                : &row.receiptPrinter;
    *field = QString(60, u'长');
    QCOMPARE(SettingsBook(shop.db()).saveReceiptSettings(row), QStringList({message}));
    QCOMPARE(stored(shop.db(), column), before);
    // The others land as typed.
    QCOMPARE(stored(shop.db(), column == u"标题" ? u"结尾1"_s : u"标题"_s),
             column == u"标题" ? u"a"_s : u"小卖部"_s);
    QCOMPARE(stored(shop.db(), u"默认打印机"_s), u"Office"_s);
}

void TestSettingsBook::saveWithoutARowFails() {
    TempShop shop;
    shop.db().exec(u"DELETE FROM [设置]");
    QVERIFY_THROWS_EXCEPTION(DbError, SettingsBook(shop.db()).saveReceiptSettings(edited()));
    QVERIFY_THROWS_EXCEPTION(DbError, SettingsBook(shop.db()).changePassword(u""_s, u"new"_s));
    QVERIFY_THROWS_EXCEPTION(DbError, SettingsBook(shop.db()).storedPassword());
    QVERIFY_THROWS_EXCEPTION(DbError, SettingsBook(shop.db()).saveBarcodeMode(true));
}

void TestSettingsBook::changePassword_data() {
    QTest::addColumn<QString>("storedPassword");
    QTest::addColumn<QString>("oldTyped");
    QTest::addColumn<QString>("newTyped");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("storedAfter");
    using Change = SettingsBook::PasswordChange;
    QTest::newRow("changed") << u"739"_s << u"739"_s << u"abc"_s << int(Change::Changed)
                             << u"abc"_s;
    QTest::newRow("new password stored trimmed")
        << u"739"_s << u"739"_s << u"  new 1  "_s << int(Change::Changed) << u"new 1"_s;
    QTest::newRow("old password typed with blanks")
        << u"739"_s << u" 739 "_s << u"x"_s << int(Change::Changed) << u"x"_s;
    QTest::newRow("empty new password")
        << u"739"_s << u"739"_s << u""_s << int(Change::NewPasswordEmpty) << u"739"_s;
    QTest::newRow("blank new password")
        << u"739"_s << u"739"_s << u"   "_s << int(Change::NewPasswordEmpty) << u"739"_s;
    QTest::newRow("case counts") << u"Abc"_s << u"abc"_s << u"x"_s << int(Change::OldPasswordWrong)
                                 << u"Abc"_s;
    QTest::newRow("stored value is not trimmed")
        << u" 739"_s << u"739"_s << u"x"_s << int(Change::OldPasswordWrong) << u" 739"_s;
    QTest::newRow("wrong") << u"739"_s << u"738"_s << u"x"_s << int(Change::OldPasswordWrong)
                           << u"739"_s;
    QTest::newRow("empty stored, empty typed")
        << u""_s << u""_s << u"x"_s << int(Change::Changed) << u"x"_s;
}

void TestSettingsBook::changePassword() {
    QFETCH(QString, storedPassword);
    QFETCH(QString, oldTyped);
    QFETCH(QString, newTyped);
    QFETCH(int, result);
    QFETCH(QString, storedAfter);
    TempShop shop;
    shop.db().exec(u"UPDATE [设置] SET [密码] = ?", storedPassword);
    QCOMPARE(int(SettingsBook(shop.db()).changePassword(oldTyped, newTyped)), result);
    QCOMPARE(stored(shop.db(), u"密码"_s), storedAfter);
    QCOMPARE(stored(shop.db(), u"标题"_s), u"zerurad"_s);
}

void TestSettingsBook::barcodeMode_data() {
    QTest::addColumn<std::optional<QString>>("storedText");
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << std::optional(u"1"_s) << true;
    QTest::newRow("0") << std::optional(u"0"_s) << false;
    QTest::newRow("read as a whole number") << std::optional(u" 1.2元"_s) << true;
    QTest::newRow("NULL") << std::optional<QString>() << false;
}

void TestSettingsBook::barcodeMode() {
    QFETCH(std::optional<QString>, storedText);
    QFETCH(bool, on);
    TempShop shop;
    shop.db().exec(u"UPDATE [设置] SET [条码] = ?", storedText);
    QCOMPARE(SettingsBook(shop.db()).barcodeMode(), on);
    SettingsBook(shop.db()).saveBarcodeMode(!on);
    QCOMPARE(stored(shop.db(), u"条码"_s), on ? u"0"_s : u"1"_s);
    QCOMPARE(SettingsBook(shop.db()).barcodeMode(), !on);
    QCOMPARE(stored(shop.db(), u"标题"_s), u"zerurad"_s);
}

QTEST_GUILESS_MAIN(TestSettingsBook)
#include "tst_settingsbook.moc"
