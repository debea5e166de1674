#include "checkout/ReceiptRouteBook.h"
#include "checkout/gui/SalesScreen.h"
#include "data/Schema.h"
#include "support/EscPosReader.h"
#include "support/GuiTestMain.h"
#include "support/MainWindowFixture.h"
#include "ui/grid/RecordGrid.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

using namespace Qt::Literals::StringLiterals;

// The program's own screens, as the main window opens them after a login.
class TestStandardScreens : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void salesScreenOpensAndPrintsItsReceipt_data();
    void salesScreenOpensAndPrintsItsReceipt();
    void productScreenOpensFromTheMenu();
    void cashUpPrintsOnTheTill();
    void screenOpensAnother_data();
    void screenOpensAnother();
    void exitKeepsTheBarcodeMode_data();
    void exitKeepsTheBarcodeMode();
    void codeCellsShowFifteenCharacters_data();
    void codeCellsShowFifteenCharacters();
};

void TestStandardScreens::salesScreenOpensAndPrintsItsReceipt_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("打印(F4)") << u"printButton"_s;
    QTest::newRow("保存(F12) with automatic printing") << u"saveButton"_s;
}

void TestStandardScreens::salesScreenOpensAndPrintsItsReceipt() {
    QFETCH(QString, button);
    MainWindowFixture f(standardScreens(), MainWindowFixture::Hidden);
    f.shop.db().exec(u"UPDATE [设置] SET [自动打印] = '1'");
    f.show();

    QWidget* sales = f.screen(Screen::Sales);
    QCOMPARE(sales->windowTitle(), u"销售管理"_s);
    const QString saleNumber = sales->findChild<QLabel*>(u"saleNumber"_s)->text();
    QTest::keyClicks(sales->findChild<QLineEdit*>(u"Text1"_s), u"zh"_s);
    QTest::keyClick(sales->findChild<QLineEdit*>(u"Text1"_s), Qt::Key_Return);
    QTest::mouseClick(sales->findChild<QAbstractButton*>(button), Qt::LeftButton);

    // No printer is installed here, so the receipt is kept as a file in the data folder.
    QVERIFY(QFileInfo::exists(f.shop.folder() + u"/小票/"_s + saleNumber + u".pdf"_s));
    QCOMPARE(f.platform.messages, QStringList());
}

void TestStandardScreens::productScreenOpensFromTheMenu() {
    MainWindowFixture f;
    MainWindow& window = f.window;
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QMdiSubWindow* products = window.screenWindow(Screen::Products);
    QVERIFY(products);
    QCOMPARE(products->widget()->windowTitle(), u"商品名称维护"_s);
}

void TestStandardScreens::cashUpPrintsOnTheTill() {
    MainWindowFixture f(standardScreens(), MainWindowFixture::Hidden);
    ReceiptRouteBook(f.shop.db()).write({ReceiptRoute::Mode::EscPos, u"127.0.0.1"_s, 80, true});
    f.show();
    QTest::keyClick(&f.window, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(f.outcome(), u"日结"_s);
    QTest::mouseClick(f.screen(Screen::CashUp)->findChild<QAbstractButton*>(u"printButton"_s),
                      Qt::LeftButton);
    QCOMPARE(f.platform.rawJobs.size(), 1);
    QCOMPARE(f.platform.rawJobs[0].target.address, u"127.0.0.1"_s);
    const QStringList printed = EscPosReader::read(f.platform.rawJobs[0].bytes);
    QVERIFY(printed.contains(u"日结"_s));
    QCOMPARE(printed.last(), u"{cut partial}"_s); // a cash-up opens no drawer
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
    MainWindowFixture f;
    MainWindow& window = f.window;
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

void TestStandardScreens::exitKeepsTheBarcodeMode_data() {
    QTest::addColumn<int>("way");
    QTest::addColumn<bool>("selling"); // an unsaved sale on the sales screen
    QTest::addColumn<Platform::Answer>("answer");
    QTest::newRow("close box") << 0 << false << Platform::Answer::Cancel;
    QTest::newRow("退出, the sale saved") << 1 << true << Platform::Answer::Yes;
    QTest::newRow("Ctrl+P, the sale dropped") << 2 << true << Platform::Answer::No;
    QTest::newRow("close box, 取消: the program stays") << 0 << true << Platform::Answer::Cancel;
}

// Leaving closes the sales screen as closing it by hand does, before the backup is taken.
void TestStandardScreens::exitKeepsTheBarcodeMode() {
    QFETCH(int, way);
    QFETCH(bool, selling);
    QFETCH(Platform::Answer, answer);
    MainWindowFixture f;
    const auto barcodeBox = [](MainWindow& window) {
        return window.screenWindow(Screen::Sales)->widget()->findChild<QCheckBox*>(u"Check1"_s);
    };
    MainWindow& window = f.window;
    if (selling) {
        auto* search = f.screen(Screen::Sales)->findChild<QLineEdit*>(u"Text1"_s);
        QTest::keyClicks(search, u"zh"_s);
        QTest::keyClick(search, Qt::Key_Return);
    }
    barcodeBox(window)->setChecked(true);
    f.platform.choices = {answer};
    if (way == 0)
        window.close();
    else if (way == 1)
        window.menuBar()->actions().first()->menu()->actions().last()->trigger();
    else
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(f.platform.questions.size(), selling ? 1 : 0);
    if (selling && answer == Platform::Answer::Cancel) {
        QVERIFY(window.isVisible());
        return;
    }
    QVERIFY(!window.isVisible());
    Database copy = Database::open(f.backupPath(), QString::fromUtf16(Schema::DatabasePassword));
    Statement stored = copy.prepare(u"SELECT [条码] FROM [设置]");
    QVERIFY(stored.next());
    QCOMPARE(stored.text(0), u"1"_s);
    Statement sales = copy.prepare(u"SELECT count(*) FROM [订单]");
    QVERIFY(sales.next());
    QCOMPARE(sales.integer(0), answer == Platform::Answer::Yes ? 1 : 0);

    MainWindow restarted(f.context, standardScreens());
    restarted.show();
    QVERIFY(barcodeBox(restarted)->isChecked());
}

void TestStandardScreens::codeCellsShowFifteenCharacters_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("column");
    QTest::newRow("sales cart") << int(Screen::Sales) << 0;
    QTest::newRow("product maintenance") << int(Screen::Products) << 0;
    QTest::newRow("stock-in, movement number") << int(Screen::Stock) << 1;
    QTest::newRow("stocktaking") << int(Screen::Stocktaking) << 0;
    QTest::newRow("stocktaking records") << int(Screen::StocktakingRecords) << 1;
    QTest::newRow("report") << int(Screen::Report) << 0;
}

void TestStandardScreens::codeCellsShowFifteenCharacters() {
    QFETCH(int, screen);
    QFETCH(int, column);
    MainWindowFixture f;
    auto* grid = f.window.openScreen(Screen(screen))->widget()->findChild<RecordGrid*>();
    auto* cell = grid->findChild<QLabel*>(u"cell_0_%1"_s.arg(column));
    for (const QString& code : {u"A20170313183742"_s, u"B20170313183319"_s, u"690123456789012"_s})
        QVERIFY2(cell->fontMetrics().horizontalAdvance(code) <= cell->contentsRect().width(),
                 qPrintable(code));
}

GUI_TEST_MAIN(TestStandardScreens)
#include "tst_standardscreens.moc"
