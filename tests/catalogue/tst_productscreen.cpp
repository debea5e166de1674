#include "base/AppContext.h"
#include "catalogue/ProductBook.h"
#include "catalogue/gui/ProductScreen.h"
#include "data/DateText.h"
#include "data/Transaction.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"
#include "ui/EntryField.h"
#include "ui/Twips.h"
#include "ui/grid/RecordGrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

enum Column { Code, Name, Unit, PurchasePrice, SalePrice, Maker, Pinyin, Remark };

const QStringList TemplateNames{u"阿诗玛\\软盒"_s, u"红塔山\\金装"_s, u"白沙\\硬盒"_s,
                                u"红双喜\\精品"_s, u"中华\\硬盒"_s};

// A shop, its platform double and the real screen, shown and active.
class Fixture {
public:
    Fixture() { platform.clock = QDateTime(QDate(2026, 5, 1), QTime(9, 0, 0)); }

    ProductScreen& open() {
        screen.emplace(context);
        screen->show();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(&*screen))
            qWarning("the product screen did not become active");
        return *screen;
    }

    template <typename T = EntryField> T* find(const QString& name) const {
        T* widget = screen->findChild<T*>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    RecordGrid* grid() const { return find<RecordGrid>(u"grid"_s); }
    QString cell(int row, int column) const { return grid()->cellText(row, column); }
    QStringList listedNames() const {
        QStringList names;
        for (int row = 0; row < grid()->rowCount() && !cell(row, Name).isEmpty(); ++row)
            names.append(cell(row, Name));
        return names;
    }
    void click(const QString& button) const {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
    }
    void clickRow(int row) const {
        QTest::mouseClick(grid()->findChild<QWidget*>(u"band_%1"_s.arg(row)), Qt::LeftButton);
    }
    // Typed character by character; Chinese cannot go through keyClicks.
    void type(const QString& field, const QString& text) const {
        EntryField* box = find(field);
        box->setFocus();
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    void retype(const QString& field, const QString& text) const {
        find(field)->clear();
        type(field, text);
    }
    void enter(const QString& field) const { QTest::keyClick(find(field), Qt::Key_Return); }
    QString focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    void insertProducts(int count, const QString& firstId, Decimal stock) {
        Transaction transaction(shop.db());
        Statement insert =
            shop.db().prepare(u"INSERT INTO [商品] ([ID号], [编号], [名称], [查询], "
                              u"[进价], [售价], [库存]) VALUES (?, ?, ?, ?, ?, ?, ?)");
        for (int i = 0; i < count; ++i) {
            const QString id = QString::number(firstId.toLongLong() - i);
            insert.bindAll(id, u'K' + id, u"可乐" + QString::number(i), u"kl" + id,
                           Decimal::fromInt(2), Decimal::fromInt(3), stock);
            insert.run();
            insert.reset();
        }
        transaction.commit();
    }

    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    ProductBook book{shop.db()};
    std::optional<ProductScreen> screen;
};

} // namespace

class TestProductScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingListsTheTemplateNewestFirst();
    void searchFindsByKey_data();
    void searchFindsByKey();
    void enterWalksTheTabOrder();
    void focusPutsTheCaretAtTheEnd_data();
    void focusPutsTheCaretAtTheEnd();
    void typingTheName_data();
    void typingTheName();
    void rowClickFillsTheFields_data();
    void rowClickFillsTheFields();
    void autoNumberFillsTheCode();
    void newProductWithTheKeyboard();
    void newProductNeedsAName_data();
    void newProductNeedsAName();
    void savingTwiceWithoutAddKeepsOneProduct();
    void productsAddedInTheSameSecondStayTwo();
    void editKeepsStockScrollAndHighlight_data();
    void editKeepsStockScrollAndHighlight();
    void deleteAsksOnlyWhenInStock_data();
    void deleteAsksOnlyWhenInStock();
    void boxesKeepWithinTheirColumns_data();
    void boxesKeepWithinTheirColumns();
    void failedSaveIsReported();
    void tooManyMatchesLeaveTheListEmpty();
};

void TestProductScreen::openingListsTheTemplateNewestFirst() {
    Fixture f;
    ProductScreen& screen = f.open();
    QCOMPARE(screen.windowTitle(), u"商品名称维护"_s);
    QCOMPARE(screen.size(), QSize(717, 506));
    QCOMPARE(f.listedNames(), TemplateNames);
    QCOMPARE(f.grid()->rowCount(), 16);
    QCOMPARE(f.cell(0, Code), u"A20170313183742"_s);
    QCOMPARE(f.cell(0, PurchasePrice), u"18.00"_s);
    QCOMPARE(f.cell(0, SalePrice), u"20.00"_s);
    QCOMPARE(f.cell(4, Maker), u"上海制烟厂"_s);
    QCOMPARE(f.cell(4, Pinyin), u"zh"_s);
    const QList<std::pair<QString, int>> headers{
        {u"编号\\条码"_s, 1515}, {u"商品名称\\规格"_s, 2895}, {u"单位"_s, 555},  {u"进价"_s, 855},
        {u"售价"_s, 855},        {u"生产厂家"_s, 1395},       {u"拼音"_s, 1275}, {u"备注"_s, 1215}};
    for (int column = 0; column < headers.size(); ++column) {
        auto* header = f.grid()->findChild<QPushButton*>(u"Cm2_%1"_s.arg(column));
        QCOMPARE(header->text(), headers.at(column).first);
        QCOMPARE(header->width(), Twips::px(headers.at(column).second));
    }
    // Unit and prices show whole in their narrow columns.
    for (int column : {Unit, PurchasePrice, SalePrice}) {
        auto* cell = f.grid()->findChild<QLabel*>(u"cell_0_%1"_s.arg(column));
        QVERIFY(cell->width() >= cell->fontMetrics().horizontalAdvance(cell->text()));
    }
    QVERIFY(f.find<QCheckBox>(u"autoNumber"_s)->isChecked());
    QCOMPARE(f.find(u"code"_s)->text(), QString());
    QVERIFY(!f.find<QPushButton>(u"delete"_s)->isEnabled());
    QCOMPARE(screen.currentProductId(), u"20260501090000"_s);
    auto* hint = f.find<QLabel>(u"hint"_s);
    QCOMPARE(hint->text(), u"可输入编号\\条码\\拼音\\商品中文名称\\生产厂家进行查询"_s);
    QCOMPARE(hint->palette().color(hint->foregroundRole()), QColor(Qt::red));
    QCOMPARE(f.find<QPushButton>(u"searchButton"_s)->text(), u"查  询"_s);
    QCOMPARE(f.platform.messages, QStringList());
}

void TestProductScreen::searchFindsByKey_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("zh by Enter") << u"zh"_s << true << QStringList{u"中华\\硬盒"_s};
    QTest::newRow("上海 by the button")
        << u"上海"_s << false << QStringList{u"红双喜\\精品"_s, u"中华\\硬盒"_s};
    QTest::newRow("apostrophe") << u"k'n"_s << true << QStringList{u"Rock'n Roll"_s};
    QTest::newRow("nothing") << u"可乐"_s << false << QStringList();
}

void TestProductScreen::searchFindsByKey() {
    QFETCH(QString, text);
    QFETCH(bool, byEnter);
    QFETCH(QStringList, names);
    Fixture f;
    ProductEntry rock;
    rock.code = u"R1"_s;
    rock.name = u"Rock'n Roll"_s;
    f.book.save(u"20160101000000"_s, rock);
    f.open();
    f.type(u"searchText"_s, text);
    if (byEnter)
        f.enter(u"searchText"_s);
    else
        f.click(u"searchButton"_s);
    QCOMPARE(f.listedNames(), names);
    QVERIFY(!f.grid()->state().scrollEnabled());
}

void TestProductScreen::enterWalksTheTabOrder() {
    Fixture f;
    f.open();
    f.find(u"code"_s)->setFocus();
    const QStringList order{u"name"_s, u"variant"_s, u"purchasePrice"_s, u"salePrice"_s,
                            u"unit"_s, u"pinyin"_s,  u"maker"_s,         u"remark"_s};
    QStringList walked;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        walked.append(f.focused());
    }
    QCOMPARE(walked, order);
    // Enter inserts nothing on the way.
    QCOMPARE(f.find(u"name"_s)->text(), QString());
    f.find(u"searchText"_s)->setFocus();
    f.enter(u"searchText"_s);
    QCOMPARE(f.focused(), u"searchText"_s);
}

void TestProductScreen::focusPutsTheCaretAtTheEnd_data() {
    QTest::addColumn<bool>("byTab");
    QTest::newRow("Tab") << true;
    QTest::newRow("Enter") << false;
}

void TestProductScreen::focusPutsTheCaretAtTheEnd() {
    QFETCH(bool, byTab);
    Fixture f;
    f.open();
    f.find(u"name"_s)->setText(u"中华"_s);
    f.find(u"name"_s)->setCursorPosition(0);
    f.find(u"code"_s)->setFocus();
    QTest::keyClick(f.find(u"code"_s), byTab ? Qt::Key_Tab : Qt::Key_Return);
    QCOMPARE(f.focused(), u"name"_s);
    QCOMPARE(f.find(u"name"_s)->selectedText(), QString());
    QCOMPARE(f.find(u"name"_s)->cursorPosition(), 2);
}

void TestProductScreen::typingTheName_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("pinyin");
    QTest::addColumn<QString>("recomputed"); // after a hand edit and a "9" typed into the name
    QTest::newRow("红塔山") << u"name"_s << u"红塔山"_s << u"红塔山"_s << u"hts"_s << u"hts9"_s;
    QTest::newRow("backslash in the name")
        << u"name"_s << u"中\\华"_s << u"中华"_s << u"zh"_s << u"zh9"_s;
    QTest::newRow("blanks trimmed before coding")
        << u"name"_s << u" 可口可乐 500ml"_s << u" 可口可乐 500ml"_s << u"kkkl"_s << u"kkkl"_s;
    QTest::newRow("backslash in the variant")
        << u"variant"_s << u"硬\\盒"_s << u"硬盒"_s << QString() << u"9"_s;
}

void TestProductScreen::typingTheName() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, pinyin);
    QFETCH(QString, recomputed);
    Fixture f;
    f.open();
    f.type(field, typed);
    QCOMPARE(f.find(field)->text(), shown);
    QCOMPARE(f.find(field)->cursorPosition(), shown.size());
    QCOMPARE(f.find(u"pinyin"_s)->text(), pinyin);
    // A hand edit of the code lasts only until the name changes again.
    f.type(u"pinyin"_s, u"q"_s);
    f.type(u"name"_s, u"9"_s);
    QCOMPARE(f.find(u"pinyin"_s)->text(), recomputed);
}

void TestProductScreen::rowClickFillsTheFields_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("id");
    QTest::newRow("中华\\硬盒, stored pinyin shown") << 5 << QStringList{u"A20170313183319"_s,
                                                                         u"中华"_s,
                                                                         u"硬盒"_s,
                                                                         u"43.00"_s,
                                                                         u"45.00"_s,
                                                                         u"包"_s,
                                                                         u"zhx"_s,
                                                                         u"上海制烟厂"_s,
                                                                         QString()}
                                                     << u"20170313183319"_s;
    QTest::newRow("no variant, two decimals")
        << 0 << QStringList{u"C1"_s,   u"可乐"_s, QString(), u"2.51"_s, u"0.00"_s,
                            QString(), u"kl"_s,   QString(), u"冰"_s}
        << u"20260101000000"_s;
    QTest::newRow("row without a product") << 7 << QStringList(9, QString()) << QString();
}

void TestProductScreen::rowClickFillsTheFields() {
    QFETCH(int, row);
    QFETCH(QStringList, fields);
    QFETCH(QString, id);
    Fixture f;
    f.shop.db().exec(u"UPDATE [商品] SET [拼音] = 'zhx' WHERE [ID号] = '20170313183319'");
    f.book.save(u"20260101000000"_s,
                ProductEntry{u"C1"_s, u"可乐"_s, QString(), u"2.505"_s, QString(), QString(),
                             u"kl"_s, QString(), u"冰"_s});
    ProductScreen& screen = f.open();
    const QString opened = screen.currentProductId();
    f.clickRow(row);
    QStringList shown;
    for (const QString& name : {u"code"_s, u"name"_s, u"variant"_s, u"purchasePrice"_s,
                                u"salePrice"_s, u"unit"_s, u"pinyin"_s, u"maker"_s, u"remark"_s})
        shown.append(f.find(name)->text());
    QCOMPARE(shown, fields);
    QCOMPARE(screen.currentProductId(), id.isEmpty() ? opened : id);
    QCOMPARE(f.find<QPushButton>(u"delete"_s)->isEnabled(), !id.isEmpty());
    QCOMPARE(f.grid()->selectedRow(), id.isEmpty() ? -1 : row);
}

void TestProductScreen::autoNumberFillsTheCode() {
    Fixture f;
    ProductScreen& screen = f.open();
    auto* box = f.find<QCheckBox>(u"autoNumber"_s);
    QCOMPARE(f.find(u"code"_s)->text(), QString());
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(f.find(u"code"_s)->text(), QString());
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(f.find(u"code"_s)->text(), u"A20260501090000"_s);
    f.clickRow(4);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(f.find(u"code"_s)->text(), QString());
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(f.find(u"code"_s)->text(), u"A20170313183319"_s);
    // 添加 takes the next free second: the opening already took this one.
    f.click(u"add"_s);
    QCOMPARE(screen.currentProductId(), u"20260501090001"_s);
    QCOMPARE(f.find(u"code"_s)->text(), u"A20260501090001"_s);
    QCOMPARE(f.find(u"name"_s)->text(), QString());
    QCOMPARE(f.focused(), u"code"_s);
    QTest::mouseClick(box, Qt::LeftButton);
    f.click(u"add"_s);
    QCOMPARE(f.find(u"code"_s)->text(), QString());
}

void TestProductScreen::newProductWithTheKeyboard() {
    Fixture f;
    ProductScreen& screen = f.open();
    f.click(u"add"_s);
    const QString id = screen.currentProductId();
    // Code, name, variant, purchase, sale, unit, pinyin (kept), maker, remark.
    QTest::keyClick(f.find(u"code"_s), Qt::Key_Return);
    for (const QString& typed : {u"可乐"_s, u"罐"_s, u"2元"_s, QString(), u"听"_s, QString(),
                                 u"可口可乐公司"_s, u"冰镇"_s}) {
        f.type(f.focused(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(f.focused(), u"save"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QCOMPARE(f.platform.messages, QStringList());
    QCOMPARE(f.listedNames().first(), u"可乐\\罐"_s);
    QCOMPARE(f.cell(0, PurchasePrice), u"2.00"_s);
    QCOMPARE(f.cell(0, SalePrice), u"0.00"_s);
    QCOMPARE(f.grid()->selectedRow(), 0);
    QCOMPARE(f.focused(), u"add"_s);
    QVERIFY(!f.find<QPushButton>(u"delete"_s)->isEnabled());
    const std::optional<Product> saved = f.book.load(id);
    QVERIFY(saved);
    QCOMPARE(saved->searchKey, u'A' + id + u"可乐kl可口可乐公司");
    QCOMPARE(saved->purchasePrice, Decimal::fromInt(2));
    QCOMPARE(saved->salePrice, Decimal());
    QCOMPARE(saved->unit, u"听"_s);
    QCOMPARE(saved->remark, u"冰镇"_s);
    QCOMPARE(saved->stock, Decimal());
    // The fields and the current product stay for another save.
    QCOMPARE(f.find(u"name"_s)->text(), u"可乐"_s);
    QCOMPARE(screen.currentProductId(), id);
}

void TestProductScreen::newProductNeedsAName_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << u"   "_s;
}

void TestProductScreen::newProductNeedsAName() {
    QFETCH(QString, name);
    Fixture f;
    f.open();
    f.click(u"add"_s);
    f.type(u"name"_s, name);
    f.type(u"maker"_s, u"厂"_s);
    f.click(u"save"_s);
    QCOMPARE(f.platform.messages, QStringList{u"请输入商品名称！"_s});
    QCOMPARE(ProductCatalogue(f.shop.db()).newestFirst({}).products.size(), 5);
}

void TestProductScreen::savingTwiceWithoutAddKeepsOneProduct() {
    Fixture f;
    f.open();
    f.click(u"add"_s);
    f.type(u"name"_s, u"可乐"_s);
    f.click(u"save"_s);
    f.retype(u"name"_s, u"雪碧"_s);
    f.click(u"save"_s);
    QCOMPARE(f.listedNames(), QStringList{u"雪碧"_s} + TemplateNames);
    QCOMPARE(f.cell(0, Pinyin), u"xb"_s);
}

void TestProductScreen::productsAddedInTheSameSecondStayTwo() {
    Fixture f;
    f.open();
    for (const QString& name : {u"可乐"_s, u"雪碧"_s}) {
        f.click(u"add"_s);
        f.type(u"name"_s, name);
        f.click(u"save"_s);
    }
    QCOMPARE(f.listedNames(), QStringList({u"雪碧"_s, u"可乐"_s}) + TemplateNames);
    QCOMPARE(f.cell(0, Code), u"A20260501090002"_s);
    QCOMPARE(f.cell(1, Code), u"A20260501090001"_s);
}

void TestProductScreen::editKeepsStockScrollAndHighlight_data() {
    QTest::addColumn<int>("extra");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("id");
    QTest::addColumn<Decimal>("stock");
    QTest::newRow("中华, no scrolling")
        << 0 << 0 << 4 << u"20170313183319"_s << Decimal::fromInt(88);
    QTest::newRow("scrolled list") << 20 << 5 << 3 << u"20160100999997"_s << Decimal::fromInt(7);
}

void TestProductScreen::editKeepsStockScrollAndHighlight() {
    QFETCH(int, extra);
    QFETCH(int, top);
    QFETCH(int, row);
    QFETCH(QString, id);
    QFETCH(Decimal, stock);
    Fixture f;
    f.insertProducts(extra, u"20160101000000"_s, Decimal::fromInt(7));
    f.open();
    f.grid()->setScrollTop(top);
    f.clickRow(row);
    QCOMPARE(f.screen->currentProductId(), id);
    f.retype(u"salePrice"_s, u"46元"_s);
    f.click(u"save"_s);
    QCOMPARE(f.grid()->scrollTop(), top);
    QCOMPARE(f.grid()->selectedRow(), row);
    QCOMPARE(f.cell(row, SalePrice), u"46.00"_s);
    QCOMPARE(f.focused(), u"add"_s);
    QVERIFY(!f.find<QPushButton>(u"delete"_s)->isEnabled());
    const std::optional<Product> saved = f.book.load(id);
    QCOMPARE(saved->stock, stock);
    QCOMPARE(saved->salePrice, Decimal::fromInt(46));
}

void TestProductScreen::deleteAsksOnlyWhenInStock_data() {
    QTest::addColumn<Decimal>("stock");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("no stock") << Decimal() << false << false << true;
    QTest::newRow("stock, Yes") << Decimal::fromInt(19) << true << true << true;
    QTest::newRow("stock, No") << Decimal::fromInt(19) << false << true << false;
    QTest::newRow("negative stock, No") << Decimal::fromInt(-1) << false << true << false;
}

void TestProductScreen::deleteAsksOnlyWhenInStock() {
    QFETCH(Decimal, stock);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, deleted);
    Fixture f;
    f.shop.db().exec(u"UPDATE [商品] SET [库存] = ? WHERE [ID号] = '20170313183515'", stock);
    ProductScreen& screen = f.open();
    f.platform.answers = {answer};
    f.clickRow(2);
    f.click(u"delete"_s);
    QCOMPARE(f.platform.questions,
             asked ? QStringList{u"该商品已有库存，确认要删除吗!"_s} : QStringList());
    QCOMPARE(f.listedNames().contains(u"白沙\\硬盒"_s), !deleted);
    QCOMPARE(f.book.exists(u"20170313183515"_s), !deleted);
    // Afterwards the screen stands as after 添加.
    QCOMPARE(screen.currentProductId(), u"20260501090001"_s);
    QCOMPARE(f.find(u"code"_s)->text(), u"A20260501090001"_s);
    QCOMPARE(f.focused(), u"add"_s);
    QVERIFY(!f.find<QPushButton>(u"delete"_s)->isEnabled());
}

void TestProductScreen::boxesKeepWithinTheirColumns_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("listed"); // empty: refused
    QTest::addColumn<QString>("message");
    const QString tower = QString(u"红塔山"_s).repeated(70);
    QTest::newRow("51 characters")
        << tower.left(51) << QString() << u"5"_s << tower.left(51) << QString();
    QTest::newRow("100 characters")
        << tower.left(100) << QString() << u"5"_s << tower.left(100) << QString();
    QTest::newRow("200 characters: the box takes 100")
        << tower.left(200) << QString() << u"5"_s << tower.left(100) << QString();
    QTest::newRow("the variant takes what the name leaves")
        << tower.left(97) << u"硬盒精品"_s << u"5"_s << tower.left(97) + u"\\硬盒"_s << QString();
    QTest::newRow("full-width price")
        << u"可乐"_s << QString() << u"５"_s << u"可乐"_s << QString();
    QTest::newRow("price past Currency")
        << u"可乐"_s << QString() << u"123456789012345678901234567890"_s << QString()
        << u"保存失败：售价超出可保存的范围"_s;
}

void TestProductScreen::boxesKeepWithinTheirColumns() {
    QFETCH(QString, name);
    QFETCH(QString, variant);
    QFETCH(QString, price);
    QFETCH(QString, listed);
    QFETCH(QString, message);
    Fixture f;
    f.open();
    f.click(u"add"_s);
    f.find(u"name"_s)->setFocus();
    f.find(u"name"_s)->insert(name);
    f.find(u"variant"_s)->setFocus();
    f.find(u"variant"_s)->insert(variant);
    f.find(u"salePrice"_s)->setText(price);
    f.click(u"save"_s);
    QCOMPARE(f.platform.messages, message.isEmpty() ? QStringList() : QStringList({message}));
    QCOMPARE(f.listedNames().first(), listed.isEmpty() ? TemplateNames.first() : listed);
    if (!listed.isEmpty())
        QCOMPARE(f.cell(0, SalePrice), u"5.00"_s);
}

void TestProductScreen::failedSaveIsReported() {
    Fixture f;
    f.open();
    f.click(u"add"_s);
    f.find(u"name"_s)->setText(u"可乐"_s);
    f.shop.db().execScript(u"CREATE TRIGGER [fail] BEFORE INSERT ON [商品] "
                           u"BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    f.click(u"save"_s);
    QCOMPARE(f.platform.messages, QStringList({u"保存失败：disk full"_s}));
    QCOMPARE(f.listedNames(), TemplateNames);
}

void TestProductScreen::tooManyMatchesLeaveTheListEmpty() {
    Fixture f;
    f.insertProducts(ProductCatalogue::ListLimit + 1, u"20160101000000"_s, Decimal());
    f.open();
    QCOMPARE(f.platform.messages, QStringList{u"数据太多，请缩短查询时间范围！"_s});
    QCOMPARE(f.listedNames(), QStringList());
    QVERIFY(!f.grid()->state().scrollEnabled());
    f.type(u"searchText"_s, u"zh"_s);
    f.enter(u"searchText"_s);
    QCOMPARE(f.listedNames(), QStringList{u"中华\\硬盒"_s});
    QCOMPARE(f.platform.messages.size(), 1);
}

GUI_TEST_MAIN(TestProductScreen)
#include "tst_productscreen.moc"
