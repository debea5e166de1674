#include "catalogue/Pinyin.h"
#include "catalogue/ProductBook.h"
#include "catalogue/ProductCatalogue.h"
#include "catalogue/ProductIdAllocator.h"
#include "data/Database.h"
#include "data/Refusal.h"
#include "support/TempShop.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Zhonghua = u"20170313183319"_s;

int rowsWithId(Database& database, const QString& id) {
    Statement query = database.prepare(u"SELECT count(*) FROM [商品] WHERE [ID号] = ?");
    query.bind(1, id);
    query.next();
    return int(query.integer(0));
}

ProductEntry entry(const QString& name, const QString& variant = QString()) {
    ProductEntry entry;
    entry.code = u"X1"_s;
    entry.name = name;
    entry.variant = variant;
    return entry;
}

} // namespace

class TestProductBook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savedEntryComposesNameAndKey_data();
    void savedEntryComposesNameAndKey();
    void pricesAreTheNumberTheTextBeginsWith_data();
    void pricesAreTheNumberTheTextBeginsWith();
    void saveCreatesOnceThenUpdates();
    void editingKeepsTheStock();
    void newProductNeedsAName_data();
    void newProductNeedsAName();
    void longNamesAreStoredCutToFit_data();
    void longNamesAreStoredCutToFit();
    void refusalNamesTheBox_data();
    void refusalNamesTheBox();
    void removeDeletesOnlyThatProduct();
    void allocatorSkipsTakenSeconds_data();
    void allocatorSkipsTakenSeconds();
    void rowSplitsAtTheFirstBackslash_data();
    void rowSplitsAtTheFirstBackslash();
};

void TestProductBook::savedEntryComposesNameAndKey_data() {
    QTest::addColumn<ProductEntry>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    ProductEntry zhonghua{
        u"A20170313183319"_s, u"中华"_s, u"硬盒"_s, u"43"_s, u"45"_s, u"包"_s, u"zh"_s,
        u"上海制烟厂"_s,      QString()};
    QTest::newRow("first template row")
        << zhonghua << u"中华\\硬盒"_s << u"A20170313183319中华zh上海制烟厂"_s;
    ProductEntry bare = zhonghua;
    bare.variant.clear();
    QTest::newRow("no variant, no backslash")
        << bare << u"中华"_s << u"A20170313183319中华zh上海制烟厂"_s;
    bare.variant = u"  "_s;
    QTest::newRow("blank variant counts as none")
        << bare << u"中华"_s << u"A20170313183319中华zh上海制烟厂"_s;
    ProductEntry blanks{u" C1"_s, u"可乐 "_s, u" 罐"_s, {}, {}, {}, u"kl"_s, u" 厂"_s, {}};
    QTest::newRow("nothing trimmed") << blanks << u"可乐 \\ 罐"_s << u" C1可乐 kl 厂"_s;
    ProductEntry quote{u"R1"_s, u"Rock'n"_s, QString(), {}, {}, {}, u"rockn"_s, QString(), {}};
    QTest::newRow("apostrophe stored as typed") << quote << u"Rock'n"_s << u"R1Rock'nrockn"_s;
}

void TestProductBook::savedEntryComposesNameAndKey() {
    QFETCH(ProductEntry, typed);
    QFETCH(QString, name);
    QFETCH(QString, key);
    TempShop shop;
    ProductBook book(shop.db());
    QCOMPARE(book.save(u"20260101000000"_s, typed), ProductBook::SaveResult::Created);
    const std::optional<Product> saved = book.load(u"20260101000000"_s);
    QVERIFY(saved);
    QCOMPARE(saved->name, name);
    QCOMPARE(saved->searchKey, key);
    QCOMPARE(saved->code, typed.code);
    QCOMPARE(saved->pinyin, typed.pinyin);
    QCOMPARE(saved->maker, typed.maker);
    QCOMPARE(saved->stock, Decimal());
    // The saved key is what a look-up finds it by, apostrophe and all.
    const QList<Product> found = ProductCatalogue(shop.db()).newestFirst(typed.name).products;
    QVERIFY(!found.isEmpty());
    QCOMPARE(found.first().id, u"20260101000000"_s);
}

void TestProductBook::pricesAreTheNumberTheTextBeginsWith_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("units");
    QTest::newRow("45元") << u"45元"_s << qint64(450000);
    QTest::newRow("empty") << QString() << qint64(0);
    QTest::newRow("no number") << u"元45"_s << qint64(0);
    QTest::newRow("blanks between digits") << u" 4 5.5"_s << qint64(455000);
    QTest::newRow("five decimals round") << u"12.34565"_s << qint64(123457);
}

void TestProductBook::pricesAreTheNumberTheTextBeginsWith() {
    QFETCH(QString, typed);
    QFETCH(qint64, units);
    TempShop shop;
    ProductBook book(shop.db());
    ProductEntry typedEntry = entry(u"可乐"_s);
    typedEntry.purchasePrice = typed;
    typedEntry.salePrice = typed;
    book.save(u"20260101000000"_s, typedEntry);
    const std::optional<Product> saved = book.load(u"20260101000000"_s);
    QVERIFY(saved);
    QCOMPARE(saved->purchasePrice.units(), units);
    QCOMPARE(saved->salePrice.units(), units);
}

void TestProductBook::saveCreatesOnceThenUpdates() {
    TempShop shop;
    ProductBook book(shop.db());
    QCOMPARE(book.save(u"20260101000000"_s, entry(u"可乐"_s)), ProductBook::SaveResult::Created);
    QCOMPARE(book.save(u"20260101000000"_s, entry(u"雪碧"_s, u"罐"_s)),
             ProductBook::SaveResult::Updated);
    QCOMPARE(rowsWithId(shop.db(), u"20260101000000"_s), 1);
    QCOMPARE(book.load(u"20260101000000"_s)->name, u"雪碧\\罐"_s);
    QCOMPARE(ProductCatalogue(shop.db()).newestFirst({}).products.size(), 6);
}

void TestProductBook::editingKeepsTheStock() {
    TempShop shop;
    ProductBook book(shop.db());
    ProductEntry edited = ProductEntry::fromProduct(*book.load(Zhonghua));
    edited.salePrice = u"46"_s;
    QCOMPARE(book.save(Zhonghua, edited), ProductBook::SaveResult::Updated);
    const std::optional<Product> saved = book.load(Zhonghua);
    QCOMPARE(saved->stock, Decimal::fromInt(88));
    QCOMPARE(saved->salePrice, Decimal::fromInt(46));
    QCOMPARE(saved->name, u"中华\\硬盒"_s);
}

void TestProductBook::newProductNeedsAName_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("result");
    QTest::newRow("new, empty") << u"20260101000000"_s << QString()
                                << int(ProductBook::SaveResult::NameMissing);
    QTest::newRow("new, blanks") << u"20260101000000"_s << u"   "_s
                                 << int(ProductBook::SaveResult::NameMissing);
    QTest::newRow("existing may lose its name")
        << Zhonghua << QString() << int(ProductBook::SaveResult::Updated);
}

void TestProductBook::newProductNeedsAName() {
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(int, result);
    TempShop shop;
    ProductBook book(shop.db());
    QCOMPARE(int(book.save(id, entry(name))), result);
    QCOMPARE(rowsWithId(shop.db(), id),
             result == int(ProductBook::SaveResult::NameMissing) ? 0 : 1);
}

void TestProductBook::longNamesAreStoredCutToFit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("stored");
    // 红塔山 has the pinyin code hts: 34 of them make 102 letters for [拼音]'s 50.
    const QString tower = QString(u"红塔山"_s).repeated(34);
    QTest::newRow("51 characters") << tower.left(51) << QString() << tower.left(51);
    QTest::newRow("100 characters") << tower.left(100) << QString() << tower.left(100);
    QTest::newRow("name and variant past 100")
        << tower.left(98) << u"硬盒"_s << tower.left(98) + u"\\硬"_s;
}

void TestProductBook::longNamesAreStoredCutToFit() {
    QFETCH(QString, name);
    QFETCH(QString, variant);
    QFETCH(QString, stored);
    TempShop shop;
    ProductBook book(shop.db());
    ProductEntry typed = entry(name, variant);
    typed.code = QString(50, u'9');
    typed.pinyin = PinyinCode(name);
    typed.maker = QString(50, u'厂');
    QCOMPARE(book.save(u"20260101000000"_s, typed), ProductBook::SaveResult::Created);
    const std::optional<Product> saved = book.load(u"20260101000000"_s);
    QCOMPARE(saved->name, stored);
    QCOMPARE(saved->pinyin, typed.pinyin.left(50));
    QCOMPARE(saved->searchKey, QString(typed.code + name + saved->pinyin + typed.maker).left(200));
}

void TestProductBook::refusalNamesTheBox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("unit past its column") << u"unit"_s << u"12345678901"_s << u"单位最多10个字"_s;
    QTest::newRow("code past its column") << u"code"_s << QString(51, u'9') << u"编号最多50个字"_s;
    QTest::newRow("sale price past Currency")
        << u"salePrice"_s << u"123456789012345678901234567890"_s << u"售价超出可保存的范围"_s;
    QTest::newRow("negative purchase price past Currency")
        << u"purchasePrice"_s << u"-99999999999999999999"_s << u"进价超出可保存的范围"_s;
}

void TestProductBook::refusalNamesTheBox() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    TempShop shop;
    ProductBook book(shop.db());
    for (const QString& id : {u"20260101000000"_s, Zhonghua}) {
        ProductEntry tooMuch =
            book.exists(id) ? ProductEntry::fromProduct(*book.load(id)) : entry(u"可乐"_s);
        QString* const field = box == u"unit"        ? &tooMuch.unit
                               : box == u"code"      ? &tooMuch.code
                               : box == u"salePrice" ? &tooMuch.salePrice
                                                     : &tooMuch.purchasePrice;
        *field = typed;
        try {
            book.save(id, tooMuch);
            QFAIL("saved");
        } catch (const Refusal& refusal) {
            QCOMPARE(refusal.reason(), message);
        }
    }
    QVERIFY(!book.exists(u"20260101000000"_s));
    const Product zhonghua = *book.load(Zhonghua);
    QCOMPARE(zhonghua.unit + zhonghua.code + zhonghua.salePrice.moneyText() +
                 zhonghua.purchasePrice.moneyText(),
             u"包A2017031318331945.0043.00"_s);
}

void TestProductBook::removeDeletesOnlyThatProduct() {
    TempShop shop;
    ProductBook book(shop.db());
    book.remove(Zhonghua);
    QVERIFY(!book.load(Zhonghua));
    QCOMPARE(ProductCatalogue(shop.db()).newestFirst({}).products.size(), 4);
}

void TestProductBook::allocatorSkipsTakenSeconds_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("free second, twice")
        << QTime(10, 0, 0) << QStringList{u"20170313100000"_s, u"20170313100001"_s};
    QTest::newRow("stored product's second")
        << QTime(18, 33, 19) << QStringList{u"20170313183320"_s, u"20170313183321"_s};
    QTest::newRow("hops over a stored one")
        << QTime(18, 34, 31) << QStringList{u"20170313183431"_s, u"20170313183433"_s};
    QTest::newRow("over midnight")
        << QTime(23, 59, 59) << QStringList{u"20170313235959"_s, u"20170314000000"_s};
}

void TestProductBook::allocatorSkipsTakenSeconds() {
    QFETCH(QTime, time);
    QFETCH(QStringList, ids);
    TempShop shop;
    ProductBook book(shop.db());
    ProductIdAllocator allocator(book);
    const QDateTime moment(QDate(2017, 3, 13), time);
    QStringList handedOut;
    for (int i = 0; i < ids.size(); ++i)
        handedOut.append(allocator.allocate(moment));
    QCOMPARE(handedOut, ids);
}

void TestProductBook::rowSplitsAtTheFirstBackslash_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("variant");
    QTest::newRow("name\\variant") << u"中华\\硬盒"_s << u"中华"_s << u"硬盒"_s;
    QTest::newRow("no backslash") << u"可乐"_s << u"可乐"_s << QString();
    QTest::newRow("two backslashes") << u"a\\b\\c"_s << u"a"_s << u"b\\c"_s;
    QTest::newRow("trailing backslash") << u"可乐\\"_s << u"可乐"_s << QString();
}

void TestProductBook::rowSplitsAtTheFirstBackslash() {
    QFETCH(QString, stored);
    QFETCH(QString, name);
    QFETCH(QString, variant);
    Product product;
    product.name = stored;
    product.purchasePrice = Decimal::read(u"2.505");
    const ProductEntry shown = ProductEntry::fromProduct(product);
    QCOMPARE(shown.name, name);
    QCOMPARE(shown.variant, variant);
    QCOMPARE(shown.purchasePrice, u"2.51"_s);
    QCOMPARE(shown.salePrice, u"0.00"_s);
}

QTEST_MAIN(TestProductBook)
#include "tst_productbook.moc"
