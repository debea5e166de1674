#include "app/SettingsHolder.h"
#include "app/SettingsWindow.h"
#include "base/AppContext.h"
#include "checkout/gui/TillPrinter.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString stored(Database& database, const QString& column) {
    Statement row = database.prepare(u"SELECT [" + column + u"] FROM [设置]");
    row.next();
    return row.text(0);
}

// A shop, a platform with two printers and the holder under test.
struct Fixture {
    Fixture() {
        platform.printers = {u"Laser"_s, u"Receipt80"_s};
        platform.defaultPrinter = u"Laser"_s;
    }
    SettingsWindow& shown() {
        holder.show();
        return *holder.loadedWindow();
    }
    template <typename T> T* field(const QString& name) {
        return holder.loadedWindow()->findChild<T*>(name);
    }
    void click(const QString& button) {
        QTest::mouseClick(field<QPushButton>(button), Qt::LeftButton);
    }

    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    TillPrinter till{platform, shop.db(), shop.folder(), nullptr};
    SettingsHolder holder{context, till, nullptr};
};

} // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstOpenShowsTheSystemDefaultPrinter();
    void storedPrinterNamesShowEvenWhenNotInstalled();
    void nullMarginsShowTheirDefaults();
    void autoPrintBox_data();
    void autoPrintBox();
    void saveStoresTheFieldsAndCloses();
    void boxesTakeWhatTheirColumnHolds_data();
    void boxesTakeWhatTheirColumnHolds();
    void rejectedSaveIsReportedAndKeepsTheWindow_data();
    void rejectedSaveIsReportedAndKeepsTheWindow();
    void cancelAndCloseBoxStoreNothing_data();
    void cancelAndCloseBoxStoreNothing();
    void changePassword_data();
    void changePassword();
    void readWhileClosedIsTheStoredRow();
    void editedTitleWithoutSavingIsCurrent();
    void afterSaveTheNextReadLoadsAfresh();
    void placedOverTheMainWindow();
    void enterMovesToTheNextField();
};

void TestSettingsWindow::firstOpenShowsTheSystemDefaultPrinter() {
    Fixture f;
    f.shown();
    for (const QString& name : {u"text17"_s, u"text19"_s}) {
        auto* list = f.field<QComboBox>(name);
        QCOMPARE(list->currentText(), u"Laser"_s);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(1), u"Receipt80"_s);
    }
    QCOMPARE(f.field<QLineEdit>(u"leftMargin"_s)->text(), u"0"_s);
    QCOMPARE(f.field<QLineEdit>(u"topMargin"_s)->text(), u"0"_s);
    QCOMPARE(f.field<QCheckBox>(u"autoPrint"_s)->isChecked(), false);
    QCOMPARE(f.field<QLineEdit>(u"title"_s)->text(), u"zerurad"_s);
    QCOMPARE(f.field<QLineEdit>(u"footer2"_s)->text(), u"地址：北京长城路27号"_s);
    QCOMPARE(f.holder.loadedWindow()->windowTitle(), u"结合设置"_s);
}

void TestSettingsWindow::storedPrinterNamesShowEvenWhenNotInstalled() {
    Fixture f;
    f.shop.db().exec(u"UPDATE [设置] SET [默认打印机] = 'Receipt80', [小票打印机] = 'Gone'");
    f.shown();
    QCOMPARE(f.field<QComboBox>(u"text17"_s)->currentText(), u"Receipt80"_s);
    QCOMPARE(f.field<QComboBox>(u"text19"_s)->currentText(), u"Gone"_s);
    QCOMPARE(f.holder.currentSettings().receiptPrinter, u"Gone"_s);
}

void TestSettingsWindow::nullMarginsShowTheirDefaults() {
    Fixture f;
    f.shop.db().exec(u"UPDATE [设置] SET [左边距] = NULL, [上边距] = NULL");
    f.shown();
    QCOMPARE(f.field<QLineEdit>(u"leftMargin"_s)->text(), u"120"_s);
    QCOMPARE(f.field<QLineEdit>(u"topMargin"_s)->text(), u"200"_s);
    QCOMPARE(f.holder.currentSettings().topMargin, Decimal::fromInt(200));
}

void TestSettingsWindow::autoPrintBox_data() {
    QTest::addColumn<QString>("storedValue");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("1") << u"1"_s << true;
    QTest::newRow("0") << u"0"_s << false;
    QTest::newRow("empty") << u""_s << false;
    QTest::newRow("2") << u"2"_s << false;
    QTest::newRow("1 with blanks") << u" 1 "_s << true;
}

void TestSettingsWindow::autoPrintBox() {
    QFETCH(QString, storedValue);
    QFETCH(bool, ticked);
    Fixture f;
    f.shop.db().exec(u"UPDATE [设置] SET [自动打印] = ?", storedValue);
    QCOMPARE(f.holder.currentSettings().autoPrint, ticked);
    f.shown();
    QCOMPARE(f.field<QCheckBox>(u"autoPrint"_s)->isChecked(), ticked);
}

void TestSettingsWindow::saveStoresTheFieldsAndCloses() {
    Fixture f;
    f.shop.db().exec(u"UPDATE [设置] SET [条码] = '1'");
    f.shown();
    f.field<QLineEdit>(u"title"_s)->setText(u"小卖部"_s);
    f.field<QLineEdit>(u"footer3"_s)->setText(u" 谢谢 "_s);
    f.field<QLineEdit>(u"leftMargin"_s)->setText(u"12元"_s);
    f.field<QCheckBox>(u"autoPrint"_s)->setChecked(true);
    f.field<QComboBox>(u"text19"_s)->setCurrentIndex(1);
    f.field<QComboBox>(u"text17"_s)->setEditText(u"Typed by hand"_s);
    f.click(u"save"_s);

    QCOMPARE(f.holder.loadedWindow(), nullptr);
    QCOMPARE(f.platform.messages, QStringList());
    QCOMPARE(stored(f.shop.db(), u"标题"_s), u"小卖部"_s);
    QCOMPARE(stored(f.shop.db(), u"结尾3"_s), u" 谢谢 "_s);
    QCOMPARE(stored(f.shop.db(), u"左边距"_s), u"12"_s);
    QCOMPARE(stored(f.shop.db(), u"上边距"_s), u"0"_s);
    QCOMPARE(stored(f.shop.db(), u"自动打印"_s), u"1"_s);
    QCOMPARE(stored(f.shop.db(), u"小票打印机"_s), u"Receipt80"_s);
    QCOMPARE(stored(f.shop.db(), u"默认打印机"_s), u"Typed by hand"_s);
    QCOMPARE(stored(f.shop.db(), u"密码"_s), u"739"_s);
    QCOMPARE(stored(f.shop.db(), u"条码"_s), u"1"_s);
}

void TestSettingsWindow::boxesTakeWhatTheirColumnHolds_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("width");
    QTest::newRow("title") << u"title"_s << 50;
    QTest::newRow("footer") << u"footer3"_s << 50;
    QTest::newRow("left margin") << u"leftMargin"_s << 10;
    QTest::newRow("top margin") << u"topMargin"_s << 10;
    QTest::newRow("default printer") << u"text17"_s << 50;
    QTest::newRow("receipt printer") << u"text19"_s << 50;
    QTest::newRow("network printer") << u"printerAddress"_s << 100;
    QTest::newRow("new password") << u"newPassword"_s << 15;
}

void TestSettingsWindow::boxesTakeWhatTheirColumnHolds() {
    QFETCH(QString, box);
    QFETCH(int, width);
    Fixture f;
    f.shown();
    QLineEdit* edit = f.field<QLineEdit>(box);
    if (!edit)
        edit = f.field<QComboBox>(box)->lineEdit();
    edit->selectAll();
    edit->insert(QString(width + 20, u'长'));
    QCOMPARE(edit->text().size(), width);
}

void TestSettingsWindow::rejectedSaveIsReportedAndKeepsTheWindow_data() {
    QTest::addColumn<QString>("topMargin");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("message");
    QTest::newRow("the database refuses") << u"0"_s << true << u"保存失败：disk full"_s;
    QTest::newRow("negative margin")
        << u"-1"_s << false << u"保存失败：打印上边距应在0到30毫米之间"_s;
    QTest::newRow("margin past 30 mm")
        << u"30.01"_s << false << u"保存失败：打印上边距应在0到30毫米之间"_s;
}

void TestSettingsWindow::rejectedSaveIsReportedAndKeepsTheWindow() {
    QFETCH(QString, topMargin);
    QFETCH(bool, diskFull);
    QFETCH(QString, message);
    Fixture f;
    SettingsWindow& window = f.shown();
    f.field<QLineEdit>(u"footer1"_s)->setText(u"new footer"_s);
    f.field<QLineEdit>(u"topMargin"_s)->setText(topMargin);
    if (diskFull)
        f.shop.db().execScript(u"CREATE TRIGGER [fail] BEFORE UPDATE ON [设置] "
                               u"BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    f.click(u"save"_s);

    QCOMPARE(f.platform.messages, QStringList({message}));
    QCOMPARE(f.holder.loadedWindow(), &window);
    QVERIFY(window.isVisible());
    QCOMPARE(stored(f.shop.db(), u"结尾1"_s), u"电话：010-62345678"_s);
}

void TestSettingsWindow::cancelAndCloseBoxStoreNothing_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("取  消") << true;
    QTest::newRow("close box") << false;
}

void TestSettingsWindow::cancelAndCloseBoxStoreNothing() {
    QFETCH(bool, byButton);
    Fixture f;
    SettingsWindow& window = f.shown();
    f.field<QLineEdit>(u"title"_s)->setText(u"edited"_s);
    if (byButton)
        f.click(u"cancel"_s);
    else
        window.close();
    QCOMPARE(f.holder.loadedWindow(), nullptr);
    QCOMPARE(stored(f.shop.db(), u"标题"_s), u"zerurad"_s);
    QCOMPARE(f.holder.currentSettings().title, u"zerurad"_s);
}

void TestSettingsWindow::changePassword_data() {
    QTest::addColumn<QString>("oldTyped");
    QTest::addColumn<QString>("newTyped");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("changed, trimmed")
        << u"739"_s << u"  abc "_s << u"修改密码成功，请牢记新密码！"_s << u"abc"_s << false;
    QTest::newRow("blank new password")
        << u"739"_s << u"   "_s << u"请输入新密码！"_s << u"739"_s << true;
    QTest::newRow("wrong old password")
        << u"793"_s << u"abc"_s << u"原密码不正确，无法修改密码！"_s << u"739"_s << true;
    QTest::newRow("empty old password")
        << u""_s << u"abc"_s << u"原密码不正确，无法修改密码！"_s << u"739"_s << true;
}

void TestSettingsWindow::changePassword() {
    QFETCH(QString, oldTyped);
    QFETCH(QString, newTyped);
    QFETCH(QString, message);
    QFETCH(QString, storedAfter);
    QFETCH(bool, staysOpen);
    Fixture f;
    SettingsWindow& window = f.shown();
    f.field<QLineEdit>(u"title"_s)->setText(u"unsaved"_s);
    QTest::keyClicks(f.field<QLineEdit>(u"oldPassword"_s), oldTyped);
    QTest::keyClicks(f.field<QLineEdit>(u"newPassword"_s), newTyped);
    f.click(u"changePassword"_s);

    QCOMPARE(f.platform.messages, QStringList{message});
    QCOMPARE(stored(f.shop.db(), u"密码"_s), storedAfter);
    QCOMPARE(stored(f.shop.db(), u"标题"_s), u"zerurad"_s);
    QCOMPARE(f.holder.loadedWindow() == &window, staysOpen);
    if (staysOpen)
        QVERIFY(window.isVisible());
    // Unsaved edits live on only while the window does.
    QCOMPARE(f.holder.currentSettings().title, staysOpen ? u"unsaved"_s : u"zerurad"_s);
}

void TestSettingsWindow::readWhileClosedIsTheStoredRow() {
    Fixture f;
    f.shop.db().exec(u"UPDATE [设置] SET [左边距] = '2.5mm'");
    const SettingsRow row = f.holder.currentSettings();
    QCOMPARE(row.footer1, u"电话：010-62345678"_s);
    QCOMPARE(row.leftMargin, Decimal::read(u"2.5"));
    QCOMPARE(f.holder.loadedWindow(), nullptr); // no window is loaded behind the user's back
}

void TestSettingsWindow::editedTitleWithoutSavingIsCurrent() {
    Fixture f;
    f.shown();
    auto* title = f.field<QLineEdit>(u"title"_s);
    title->clear();
    QTest::keyClicks(title, u"Corner Shop"_s);
    QCOMPARE(f.holder.currentSettings().title, u"Corner Shop"_s);
    QCOMPARE(stored(f.shop.db(), u"标题"_s), u"zerurad"_s);
}

void TestSettingsWindow::afterSaveTheNextReadLoadsAfresh() {
    Fixture f;
    f.shown();
    f.field<QLineEdit>(u"title"_s)->setText(u"saved"_s);
    f.click(u"save"_s);
    f.shop.db().exec(u"UPDATE [设置] SET [结尾1] = 'changed after'");
    const SettingsRow row = f.holder.currentSettings();
    QCOMPARE(row.title, u"saved"_s);
    QCOMPARE(row.footer1, u"changed after"_s);
}

void TestSettingsWindow::placedOverTheMainWindow() {
    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    QWidget mainWindow;
    mainWindow.setGeometry(100, 50, 1200, 900);
    TillPrinter till(platform, shop.db(), shop.folder(), nullptr);
    SettingsHolder holder(context, till, &mainWindow);
    holder.show();
    const QRect own = holder.loadedWindow()->frameGeometry();
    QCOMPARE(own.left(), 100 + (1200 - own.width()) / 2 - 10);
    QCOMPARE(own.top(), 50 + (900 - own.height()) / 2 - 60);
}

void TestSettingsWindow::enterMovesToTheNextField() {
    Fixture f;
    SettingsWindow& window = f.shown();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    f.field<QLineEdit>(u"title"_s)->setFocus();
    QTest::keyClick(f.field<QLineEdit>(u"title"_s), Qt::Key_Return);
    QCOMPARE(window.focusWidget(), f.field<QLineEdit>(u"footer1"_s));
}

GUI_TEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
