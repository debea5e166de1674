#include "base/AppContext.h"
#include "catalogue/ProductCatalogue.h"
#include "checkout/ProductFixture.h"
#include "stock/gui/StockScreen.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Zhonghua = u"20170313183319"_s; // 中华\硬盒, 库存 88, 进价 43, 售价 45

// A stock screen on a throw-away shop, shown and active so that its keys work offscreen.
struct Fixture {
    explicit Fixture(const QString& kind = u"入库"_s) { open(kind); }

    void open(const QString& kind) {
        screen = std::make_unique<StockScreen>(context, kind);
        screen->show();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get()))
            qWarning("the stock screen did not become active");
    }
    template <typename T = QLineEdit> T* find(const QString& name) const {
        T* widget = screen->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no widget named %s", qPrintable(name));
        return widget;
    }
    QString text(const QString& box) const { return find(box)->text(); }
    QString cell(int row, int column) const {
        return find<QLabel>(u"cell_%1_%2"_s.arg(row).arg(column))->text();
    }
    static void type(QWidget* widget, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // Types into the focused box, as a clerk would, and ends with Enter.
    void enter(const QString& text) const {
        QWidget* box = QApplication::focusWidget();
        type(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    void search(const QString& text) const {
        find(u"name"_s)->setFocus();
        type(find(u"name"_s), text);
    }
    QString stock() {
        Statement query = shop.db().prepare(u"SELECT [库存] FROM [商品] WHERE [ID号] = ?");
        query.bind(1, Zhonghua);
        return query.next() ? query.decimal(0).plainText() : QString();
    }

    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    std::unique_ptr<StockScreen> screen;
};

const QStringList EntryBoxes{u"name"_s,   u"maker"_s,    u"number"_s,        u"date"_s,
                             u"unit"_s,   u"quantity"_s, u"purchasePrice"_s, u"salePrice"_s,
                             u"amount"_s, u"remark"_s};

} // namespace

class TestStockScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modeSetsCaptionsAndList_data();
    void modeSetsCaptionsAndList();
    void pickListIsTheSalesScreensSearch_data();
    void pickListIsTheSalesScreensSearch();
    void pickListKeys_data();
    void pickListKeys();
    void enterWalkBooksAndSelectsTheMovement();
    void amountFollowsQuantityAndPurchasePrice_data();
    void amountFollowsQuantityAndPurchasePrice();
    void refusedSaveStoresNothing_data();
    void refusedSaveStoresNothing();
    void deleteAsksAndReverses_data();
    void deleteAsksAndReverses();
    void badDateKeepsTheList();
};

void TestStockScreen::modeSetsCaptionsAndList_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("listed");
    QTest::newRow("stock-in") << u"入库"_s
                              << QStringList({u"入库管理"_s, u"商品入库"_s, u"入库查询"_s})
                              << u"B20170213090000"_s;
    QTest::newRow("returns") << u"出库"_s
                             << QStringList({u"出库管理"_s, u"商品出库"_s, u"出库查询"_s})
                             << u"C20170301090000"_s;
}

// Reopening in the other mode starts with empty boxes and no product chosen.
void TestStockScreen::modeSetsCaptionsAndList() {
    QFETCH(QString, kind);
    QFETCH(QStringList, captions);
    QFETCH(QString, listed);
    Fixture till;
    const auto add = [&till](const QString& number, const QString& date, const QString& kind) {
        till.shop.db().exec(u"INSERT INTO [出入库] ([销售号], [名称], [日期], [数量], [类别]) "
                            u"VALUES (?, '中华', ?, 10000, ?)",
                            number, date, kind);
    };
    add(u"B20170212090000"_s, u"2017-02-12"_s, u"入库"_s);
    add(u"B20170213090000"_s, u"2017-02-13"_s, u"入库"_s);
    add(u"C20170301090000"_s, u"2017-03-01"_s, u"出库"_s);
    add(u"A170313-0001001"_s, u"2017-03-13"_s, u"销售"_s);
    till.search(u"中华"_s);
    QTest::keyClick(till.find(u"name"_s), Qt::Key_Return);
    QVERIFY(!till.text(u"number"_s).isEmpty());
    till.screen.reset();

    till.open(kind);
    QCOMPARE(
        QStringList({till.screen->windowTitle(), till.find<QGroupBox>(u"entryFrame"_s)->title(),
                     till.find<QGroupBox>(u"queryFrame"_s)->title()}),
        captions);
    QCOMPARE(till.text(u"fromDate"_s), u"2017-02-13"_s);
    QCOMPARE(till.text(u"toDate"_s), u"2017-03-13"_s);
    QCOMPARE(till.cell(0, 1), listed);
    QCOMPARE(till.cell(1, 1), QString());
    for (const QString& box : EntryBoxes)
        QCOMPARE(till.text(box), QString());
    QTest::mouseClick(till.find<QPushButton>(u"save"_s), Qt::LeftButton);
    QCOMPARE(till.platform.messages, QStringList({u"该商品名称不存在！"_s}));
}

void TestStockScreen::pickListIsTheSalesScreensSearch_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::newRow("more than 200 by name") << u"货品"_s << 200 << u"货品000000[厂]"_s;
    QTest::newRow("a product without maker shows its bare name")
        << u"无厂"_s << 1 << u"无厂家的货"_s;
    QTest::newRow("blank searches nothing") << u"  "_s << 0 << QString();
}

void TestStockScreen::pickListIsTheSalesScreensSearch() {
    QFETCH(QString, typed);
    QFETCH(int, count);
    QFETCH(QString, first);
    Fixture till;
    ProductFixture::addNumbered(till.shop.db(), 250, u"货品"_s);
    ProductFixture::add(till.shop.db(), {u"X1"_s, u"无厂家的货"_s, QString(), Decimal::fromInt(3),
                                         Decimal::fromInt(1)});
    till.search(typed);
    auto* list = till.find<QListWidget>(u"List1"_s);
    QCOMPARE(list->count(), count);
    QCOMPARE(list->isVisible(), count > 0);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown.append(list->item(i)->text());
    QStringList catalogue;
    for (const PickEntry& entry : ProductCatalogue(till.shop.db()).pickList(typed))
        catalogue.append(entry.text);
    if (count > 0) {
        QCOMPARE(shown, catalogue);
        QCOMPARE(shown.first(), first);
    }
}

void TestStockScreen::pickListKeys_data() {
    QTest::addColumn<int>("way");
    QTest::addColumn<QString>("name");
    QTest::newRow("Down, Down, Enter picks the second") << 0 << u"红塔山\\金装"_s;
    QTest::newRow("double click picks") << 1 << u"红双喜\\精品"_s;
    QTest::newRow("Enter on two matches walks on, picking nothing") << 2 << u"红"_s;
}

void TestStockScreen::pickListKeys() {
    QFETCH(int, way);
    QFETCH(QString, name);
    Fixture till;
    till.search(u"红"_s); // 红双喜 and 红塔山
    auto* picks = till.find<QListWidget>(u"List1"_s);
    if (way == 0) {
        QTest::keyClick(till.find(u"name"_s), Qt::Key_Down);
        QTest::keyClick(picks, Qt::Key_Down);
        QTest::keyClick(picks, Qt::Key_Return);
    } else if (way == 1) {
        const QPoint at = picks->visualItemRect(picks->item(0)).center();
        QTest::mouseClick(picks->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(picks->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    } else {
        QTest::keyClick(till.find(u"name"_s), Qt::Key_Return);
    }
    QCOMPARE(till.text(u"name"_s), name);
    QCOMPARE(till.text(u"number"_s).isEmpty(), way == 2);
    QCOMPARE(QApplication::focusWidget(), till.find(u"quantity"_s));
}

void TestStockScreen::enterWalkBooksAndSelectsTheMovement() {
    Fixture till;
    till.search(u"中华"_s);
    QTest::keyClick(till.find(u"name"_s), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), till.find(u"quantity"_s));
    QStringList filled;
    for (const QString& box : EntryBoxes)
        filled.append(till.text(box));
    QCOMPARE(filled,
             QStringList({u"中华\\硬盒"_s, u"上海制烟厂"_s, u"B20170313183319"_s, u"2017-03-13"_s,
                          u"包"_s, u"1"_s, u"43.00"_s, u"45.00"_s, u"43.00"_s, QString()}));
    till.enter(u"5"_s);
    till.enter(u"40"_s);
    till.enter(u"50"_s);
    QCOMPARE(till.text(u"amount"_s), u"200.00"_s);
    till.enter(QString());
    till.enter(u"好货"_s);
    QCOMPARE(QApplication::focusWidget(), till.find<QPushButton>(u"save"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QCOMPARE(till.platform.messages, QStringList());
    QCOMPARE(till.stock(), u"93"_s);
    QStringList row;
    for (int column = 0; column < 11; ++column)
        row.append(till.cell(0, column));
    QCOMPARE(row, QStringList({u"2017-03-13"_s, u"B20170313183319"_s, u"中华\\硬盒"_s,
                               u"上海制烟厂"_s, u"包"_s, u"5"_s, u"40.00"_s, u"50.00"_s,
                               u"200.00"_s, u"93"_s, u"好货"_s}));
    Statement prices =
        till.shop.db().prepare(u"SELECT [进价], [售价] FROM [商品] WHERE [ID号] = ?");
    prices.bind(1, Zhonghua);
    QVERIFY(prices.next());
    QCOMPARE(prices.decimal(0).moneyText() + u'/' + prices.decimal(1).moneyText(),
             u"40.00/50.00"_s);
    QCOMPARE(till.screen->selectedMovement(), u"B20170313183319"_s);
    QVERIFY(till.find<QPushButton>(u"delete"_s)->isEnabled());
    for (const QString& box : EntryBoxes)
        QCOMPARE(till.text(box), QString());
    QCOMPARE(QApplication::focusWidget(), till.find(u"name"_s));

    // The next pick within the same second takes the next free number.
    till.search(u"中华"_s);
    QTest::keyClick(till.find(u"name"_s), Qt::Key_Return);
    QCOMPARE(till.text(u"number"_s), u"B20170313183320"_s);
}

void TestStockScreen::amountFollowsQuantityAndPurchasePrice_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("amount");
    QTest::newRow("rounded once, half away from zero") << u"3"_s << u"0.335"_s << u"1.01"_s;
    QTest::newRow("not a number counts as 0") << u"箱"_s << u"40"_s << u"0.00"_s;
    QTest::newRow("leading number of the text") << u"2.5箱"_s << u"4元"_s << u"10.00"_s;
}

void TestStockScreen::amountFollowsQuantityAndPurchasePrice() {
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QString, amount);
    Fixture till;
    till.search(u"中华"_s);
    QTest::keyClick(till.find(u"name"_s), Qt::Key_Return);
    till.find(u"salePrice"_s)->setText(u"99"_s);
    till.find(u"quantity"_s)->setText(quantity);
    till.find(u"purchasePrice"_s)->setText(price);
    QCOMPARE(till.text(u"amount"_s), amount);
}

void TestStockScreen::refusedSaveStoresNothing_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("message");
    QTest::newRow("name edited after the pick")
        << u"name"_s << u"中华"_s << QString() << u"该商品名称不存在！"_s;
    QTest::newRow("quantity too large") << u"quantity"_s << u"99999999999999999"_s << QString()
                                        << u"保存失败：数量超出可保存的范围"_s;
    QTest::newRow("sale price too large")
        << u"salePrice"_s << u"１２３４５６７８９０１２３４５６７"_s << QString()
        << u"保存失败：售价超出可保存的范围"_s;
    QTest::newRow("the movement row fails half-way")
        << QString() << QString() << u"BEFORE INSERT ON [出入库]"_s << u"保存失败：disk full"_s;
}

void TestStockScreen::refusedSaveStoresNothing() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, trigger);
    QFETCH(QString, message);
    Fixture till;
    till.search(u"中华"_s);
    QTest::keyClick(till.find(u"name"_s), Qt::Key_Return);
    if (!box.isEmpty())
        till.find(box)->setText(typed);
    if (!trigger.isEmpty())
        till.shop.db().execScript(QString(u"CREATE TRIGGER [fail] " + trigger +
                                          u" BEGIN SELECT RAISE(ABORT, 'disk full'); END;"));
    const QString before = ProductFixture::snapshot(till.shop.db());
    QTest::mouseClick(till.find<QPushButton>(u"save"_s), Qt::LeftButton);
    QCOMPARE(till.platform.messages, QStringList({message}));
    QCOMPARE(ProductFixture::snapshot(till.shop.db()), before);
    QVERIFY(!till.find<QPushButton>(u"delete"_s)->isEnabled());
}

void TestStockScreen::deleteAsksAndReverses_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("booked");      // after a movement of 1 and one of 5
    QTest::addColumn<QString>("afterDelete"); // of the movement of 5
    QTest::newRow("stock-in of 5 deleted lowers by 5") << u"入库"_s << true << u"94"_s << u"89"_s;
    QTest::newRow("return of 5 deleted raises by 5") << u"出库"_s << true << u"82"_s << u"87"_s;
    QTest::newRow("No changes nothing") << u"入库"_s << false << u"94"_s << u"94"_s;
}

void TestStockScreen::deleteAsksAndReverses() {
    QFETCH(QString, kind);
    QFETCH(bool, yes);
    QFETCH(QString, booked);
    QFETCH(QString, afterDelete);
    Fixture till(kind);
    for (const QString& quantity : {u"1"_s, u"5"_s}) {
        till.search(u"中华"_s);
        QTest::keyClick(till.find(u"name"_s), Qt::Key_Return);
        till.enter(quantity);
        QTest::mouseClick(till.find<QPushButton>(u"save"_s), Qt::LeftButton);
    }
    QCOMPARE(till.stock(), booked);
    // Two movements within one second: the click picks the newer one, in row 0.
    QTest::mouseClick(till.find<QLabel>(u"cell_1_0"_s), Qt::LeftButton);
    QTest::mouseClick(till.find<QLabel>(u"cell_0_0"_s), Qt::LeftButton);
    const QString prefix = kind == u"入库" ? u"B"_s : u"C"_s;
    QCOMPARE(till.screen->selectedMovement(), prefix + u"20170313183320"_s);
    till.platform.answers = {yes};
    QTest::mouseClick(till.find<QPushButton>(u"delete"_s), Qt::LeftButton);
    QCOMPARE(till.platform.questions, QStringList({u"确认要删除“中华\\硬盒”吗？"_s}));
    QCOMPARE(till.stock(), afterDelete);
    QCOMPARE(till.cell(0, 1), prefix + (yes ? u"20170313183319"_s : u"20170313183320"_s));
    QCOMPARE(till.cell(0, 9), yes ? afterDelete : booked);
}

void TestStockScreen::badDateKeepsTheList() {
    Fixture till;
    till.search(u"中华"_s);
    QTest::keyClick(till.find(u"name"_s), Qt::Key_Return);
    QTest::mouseClick(till.find<QPushButton>(u"save"_s), Qt::LeftButton);
    till.find(u"fromDate"_s)->setText(u"2017-13-01"_s);
    QTest::mouseClick(till.find<QPushButton>(u"queryButton"_s), Qt::LeftButton);
    QCOMPARE(till.platform.warnings,
             QStringList({u"请填写正确格式的起止日期！日期格式为“2016-01-03”。"_s}));
    QCOMPARE(till.cell(0, 1), u"B20170313183319"_s);
}

GUI_TEST_MAIN(TestStockScreen)
#include "tst_stockscreen.moc"
