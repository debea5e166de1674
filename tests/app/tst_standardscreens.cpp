#include "app/MainWindow.h"
#include "app/StandardScreens.h"
#include "base/AppContext.h"
#include "checkout/SalesScreen.h"
#include "support/FakePlatform.h"
#include "support/TempShop.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The main window of a fresh shop, shown and active, with the program's own screens.
struct Shell {
    Shell() {
        platform.cRoot = drive.path();
        window.show();
        window.activateWindow();
    }
    TempShop shop;
    QTemporaryDir drive;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    MainWindow window{context, standardScreens()};
};

} // namespace

// The program's own screens, as the main window opens them after a login.
class TestStandardScreens : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void salesScreenOpensAndPrintsItsReceipt_data();
    void salesScreenOpensAndPrintsItsReceipt();
    void productScreenOpensFromTheMenu();
    void screenOpensAnother_data();
    void screenOpensAnother();
};

void TestStandardScreens::salesScreenOpensAndPrintsItsReceipt_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("打印(F4)") << u"printButton"_s;
    QTest::newRow("保存(F12) with automatic printing") << u"saveButton"_s;
}

void TestStandardScreens::salesScreenOpensAndPrintsItsReceipt() {
    QFETCH(QString, button);
    TempShop shop;
    shop.db().exec(u"UPDATE [设置] SET [自动打印] = '1'");
    QTemporaryDir drive;
    FakePlatform platform;
    platform.cRoot = drive.path();
    AppContext context{shop.db(), platform, shop.folder()};
    MainWindow window(context, standardScreens());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QMdiSubWindow* sales = window.screenWindow(Screen::Sales);
    QVERIFY(sales);
    QCOMPARE(sales->widget()->windowTitle(), u"销售管理"_s);
    const QString saleNumber = sales->widget()->findChild<QLabel*>(u"saleNumber"_s)->text();
    QTest::mouseClick(sales->widget()->findChild<QAbstractButton*>(button), Qt::LeftButton);

    // No printer is installed here, so the receipt is kept as a file in the data folder.
    QVERIFY(QFileInfo::exists(shop.folder() + u"/小票/"_s + saleNumber + u".pdf"_s));
    QCOMPARE(platform.messages, QStringList());
}

void TestStandardScreens::productScreenOpensFromTheMenu() {
    Shell shell;
    QVERIFY(QTest::qWaitForWindowActive(&shell.window));
    MainWindow& window = shell.window;
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QMdiSubWindow* products = window.screenWindow(Screen::Products);
    QVERIFY(products);
    QCOMPARE(products->widget()->windowTitle(), u"商品名称维护"_s);
}

void TestStandardScreens::screenOpensAnother_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("caption");
    QTest::newRow("库存盘点记录 from stocktaking")
        << int(Qt::Key_J) << int(Screen::Stocktaking) << int(Screen::StocktakingRecords)
        << u"库存盘点记录"_s;
    QTest::newRow("商品名称维护 from stock-in")
        << int(Qt::Key_H) << int(Screen::Stock) << int(Screen::Products) << u"商品名称维护"_s;
}

// The button of the records, or the blue link to product maintenance.
void TestStandardScreens::screenOpensAnother() {
    QFETCH(int, key);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, caption);
    Shell shell;
    QVERIFY(QTest::qWaitForWindowActive(&shell.window));
    MainWindow& window = shell.window;
    QTest::keyClick(&window, Qt::Key(key), Qt::ControlModifier);
    QMdiSubWindow* opened = window.screenWindow(Screen(first));
    QVERIFY(opened);
    QVERIFY(!window.screenWindow(Screen(second)));
    if (auto* button = opened->widget()->findChild<QAbstractButton*>(u"records"_s)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        auto* link = opened->widget()->findChild<QLabel*>(u"productsLink"_s);
        QVERIFY(link && link->text().contains(caption));
        Q_EMIT link->linkActivated(u"products"_s);
    }
    QVERIFY(window.screenWindow(Screen(second)));
}

QTEST_MAIN(TestStandardScreens)
#include "tst_standardscreens.moc"
