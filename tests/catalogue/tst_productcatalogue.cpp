#include "catalogue/ProductBook.h"
#include "catalogue/ProductCatalogue.h"
#include "checkout/ProductFixture.h"
#include "data/Schema.h"
#include "support/TempShop.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList texts(const QList<PickEntry>& entries) {
    QStringList result;
    for (const PickEntry& entry : entries)
        result.append(entry.text);
    return result;
}

QStringList names(const QList<Product>& products) {
    QStringList result;
    for (const Product& product : products)
        result.append(product.name);
    return result;
}

} // namespace

class TestProductCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsTemplateProducts_data();
    void findsTemplateProducts();
    void capsAtTheFirstEntriesByName_data();
    void capsAtTheFirstEntriesByName();
    void carriesTheProductShown();
    void writesEntryText_data();
    void writesEntryText();
    void listFindsByAnyPartOfTheKey_data();
    void listFindsByAnyPartOfTheKey();
    void tooManyMatchesGiveAnEmptyList_data();
    void tooManyMatchesGiveAnEmptyList();
    void matchesWhatTheStatementMatched_data();
    void matchesWhatTheStatementMatched();
    void seesEveryConnectionsChanges_data();
    void seesEveryConnectionsChanges();
};

void TestProductCatalogue::findsTemplateProducts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty text lists all in pinyin order")
        << QString()
        << QStringList{u"阿诗玛\\软盒[玉溪卷烟厂]"_s, u"白沙\\硬盒[湖南制烟厂]"_s,
                       u"红双喜\\精品[上海制烟厂]"_s, u"红塔山\\金装[云南制烟厂]"_s,
                       u"中华\\硬盒[上海制烟厂]"_s};
    QTest::newRow("pinyin initials") << u"hts"_s << QStringList{u"红塔山\\金装[云南制烟厂]"_s};
    QTest::newRow("pinyin ignores case") << u"HTS"_s << QStringList{u"红塔山\\金装[云南制烟厂]"_s};
    QTest::newRow("maker") << u"上海"_s
                           << QStringList{u"红双喜\\精品[上海制烟厂]"_s,
                                          u"中华\\硬盒[上海制烟厂]"_s};
    QTest::newRow("part of a code") << u"3183515"_s << QStringList{u"白沙\\硬盒[湖南制烟厂]"_s};
    QTest::newRow("underscore is a wildcard")
        << u"z_上"_s << QStringList{u"中华\\硬盒[上海制烟厂]"_s};
    QTest::newRow("a quote just matches nothing") << u"zh'"_s << QStringList{};
    QTest::newRow("nothing") << u"没有"_s << QStringList{};
}

void TestProductCatalogue::findsTemplateProducts() {
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    TempShop shop;
    QCOMPARE(texts(ProductCatalogue(shop.db()).pickList(text)), entries);
}

void TestProductCatalogue::capsAtTheFirstEntriesByName_data() {
    QTest::addColumn<int>("matches");
    QTest::newRow("250 matches") << 250;
    QTest::newRow("450 matches") << 450;
}

void TestProductCatalogue::capsAtTheFirstEntriesByName() {
    QFETCH(int, matches);
    TempShop shop;
    ProductFixture::addNumbered(shop.db(), matches, u"测试"_s);
    ProductCatalogue catalogue(shop.db());
    const QList<PickEntry> entries = catalogue.pickList(u"测试");
    QCOMPARE(entries.size(), 200);
    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(entries.at(i).name, u"测试" + QString::number(i).rightJustified(6, u'0'));
    // A product beyond the first 200 is reached by a longer text.
    const QString last = QString::number(matches - 1).rightJustified(6, u'0');
    const QList<PickEntry> longer = catalogue.pickList(QString(u"测试" + last));
    QCOMPARE(longer.size(), 1);
    QCOMPARE(longer.at(0).productId, ProductFixture::barcode(u"测试"_s, matches - 1));
}

void TestProductCatalogue::carriesTheProductShown() {
    TempShop shop;
    ProductFixture::add(shop.db(), {u"1"_s, u"无价"_s, u"  "_s, Decimal(), Decimal()});
    shop.db().exec(u"UPDATE [商品] SET [售价] = NULL, [单位] = '条' WHERE [ID号] = '1'");
    ProductCatalogue catalogue(shop.db());
    const QList<PickEntry> entries = catalogue.pickList(u"无价");
    QCOMPARE(entries.size(), 1);
    const PickEntry& entry = entries.at(0);
    QCOMPARE(entry.text, u"无价"_s);
    QCOMPARE(entry.productId, u"1"_s);
    QCOMPARE(entry.code, u"A1"_s);
    QCOMPARE(entry.unit, u"条"_s);
    QCOMPARE(entry.price.moneyText(), u"0.00"_s);
    const PickEntry zhonghua = catalogue.pickList(u"zh").at(0);
    QCOMPARE(zhonghua.productId, u"20170313183319"_s);
    QCOMPARE(zhonghua.price.moneyText(), u"45.00"_s);
}

void TestProductCatalogue::writesEntryText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("maker");
    QTest::addColumn<QString>("text");
    QTest::newRow("maker trimmed") << u"中华"_s << u"  上海 "_s << u"中华[上海]"_s;
    QTest::newRow("empty maker") << u"中华"_s << QString() << u"中华"_s;
    QTest::newRow("blank maker") << u"中华"_s << u"   "_s << u"中华"_s;
    QTest::newRow("every [] goes") << u"礼盒[]装"_s << u"厂"_s << u"礼盒装[厂]"_s;
}

void TestProductCatalogue::writesEntryText() {
    QFETCH(QString, name);
    QFETCH(QString, maker);
    QFETCH(QString, text);
    QCOMPARE(ProductCatalogue::pickText(name, maker), text);
}

void TestProductCatalogue::listFindsByAnyPartOfTheKey_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    const QStringList all{u"阿诗玛\\软盒"_s, u"红塔山\\金装"_s, u"白沙\\硬盒"_s, u"红双喜\\精品"_s,
                          u"中华\\硬盒"_s};
    QTest::newRow("empty lists all, newest first") << QString() << all;
    QTest::newRow("pinyin zh") << u"zh"_s << QStringList{u"中华\\硬盒"_s};
    QTest::newRow("pinyin ignores ASCII case") << u"ZH"_s << QStringList{u"中华\\硬盒"_s};
    QTest::newRow("maker 上海") << u"上海"_s << QStringList{u"红双喜\\精品"_s, u"中华\\硬盒"_s};
    QTest::newRow("part of the code") << u"3183515"_s << QStringList{u"白沙\\硬盒"_s};
    QTest::newRow("Chinese name") << u"红塔"_s << QStringList{u"红塔山\\金装"_s};
    QTest::newRow("variant is not in the key") << u"硬盒"_s << QStringList();
    QTest::newRow("underscore stays a wildcard") << u"红_喜"_s << QStringList{u"红双喜\\精品"_s};
    QTest::newRow("apostrophe finds nothing here") << u"'"_s << QStringList();
    QTest::newRow("no match") << u"可乐"_s << QStringList();
}

void TestProductCatalogue::listFindsByAnyPartOfTheKey() {
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    TempShop shop;
    const ProductCatalogue::ListResult result = ProductCatalogue(shop.db()).newestFirst(text);
    QVERIFY(!result.tooMany);
    QCOMPARE(names(result.products), found);
}

void TestProductCatalogue::tooManyMatchesGiveAnEmptyList_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("tooMany");
    QTest::newRow("at the limit") << ProductCatalogue::ListLimit << false;
    QTest::newRow("one past") << ProductCatalogue::ListLimit + 1 << true;
}

void TestProductCatalogue::tooManyMatchesGiveAnEmptyList() {
    QFETCH(int, count);
    QFETCH(bool, tooMany);
    TempShop shop;
    {
        Transaction transaction(shop.db());
        Statement insert =
            shop.db().prepare(u"INSERT INTO [商品] ([ID号], [名称], [查询]) VALUES (?, ?, ?)");
        for (int i = 0; i < count; ++i) {
            const QString id = QString::number(30000000000000 + i);
            insert.bindAll(id, u"可乐"_s, u"kl" + id);
            insert.run();
            insert.reset();
        }
        transaction.commit();
    }
    ProductCatalogue catalogue(shop.db());
    const ProductCatalogue::ListResult result = catalogue.newestFirst(u"kl");
    QCOMPARE(result.tooMany, tooMany);
    QCOMPARE(result.products.size(), tooMany ? 0 : count);
    QCOMPARE(catalogue.newestFirst(u"zh").products.size(), 1);
}

void TestProductCatalogue::matchesWhatTheStatementMatched_data() {
    QTest::addColumn<QString>("text");
    for (const QString& text : {QString(), u"a"_s, u"B"_s, u"_"_s, u"%"_s, u"红_"_s, u"𠀀"_s,
                                u"c%e"_s, u"Ä"_s, u"ea"_s, u"bäx"_s})
        QTest::newRow(qPrintable(text.isEmpty() ? u"(empty)"_s : text)) << text;
}

// Beside the template: a product without a key, which not even the empty text finds. The keys
// lie side by side in memory, so "ea" and "bäx" would wrongly match across two of them.
void TestProductCatalogue::matchesWhatTheStatementMatched() {
    QFETCH(QString, text);
    TempShop shop;
    int id = 0;
    for (const QString& key : {QString(), u"ABCDE"_s, u"a𠀀b"_s, u"ä"_s, u"x_y%z"_s})
        shop.db().exec(u"INSERT INTO [商品] ([ID号], [名称], [查询]) VALUES (?, ?, ?)",
                       QString::number(++id), u"名"_s, key);
    Statement query =
        shop.db().prepare(u"SELECT [ID号] FROM [商品] WHERE [查询] LIKE ? ORDER BY [ID号] DESC");
    query.bind(1, u'%' + text + u'%');
    QStringList engine;
    while (query.next())
        engine.append(query.text(0));
    QStringList ours;
    for (const Product& product : ProductCatalogue(shop.db()).newestFirst(text).products)
        ours.append(product.id);
    QCOMPARE(ours, engine);
}

void TestProductCatalogue::seesEveryConnectionsChanges_data() {
    QTest::addColumn<bool>("otherConnection");
    QTest::newRow("written through the same connection") << false;
    QTest::newRow("written by another connection") << true;
}

void TestProductCatalogue::seesEveryConnectionsChanges() {
    QFETCH(bool, otherConnection);
    TempShop shop;
    ProductCatalogue catalogue(shop.db());
    QCOMPARE(catalogue.pickList(u"可乐").size(), 0);
    std::optional<Database> other;
    if (otherConnection)
        other.emplace(
            Database::open(shop.databasePath(), QString::fromUtf16(Schema::DatabasePassword)));
    Database& writer = otherConnection ? *other : shop.db();
    ProductFixture::add(writer, {u"1"_s, u"可乐"_s, u"厂"_s, Decimal::fromInt(3), Decimal()});
    QCOMPARE(texts(catalogue.pickList(u"可乐")), QStringList{u"可乐[厂]"_s});
    writer.exec(u"UPDATE [商品] SET [售价] = ? WHERE [ID号] = '1'", Decimal::fromInt(4));
    QCOMPARE(catalogue.pickList(u"可乐").at(0).price, Decimal::fromInt(4));
    writer.exec(u"DELETE FROM [商品] WHERE [ID号] = '1'");
    QCOMPARE(catalogue.newestFirst(u"可乐").products.size(), 0);
}

QTEST_GUILESS_MAIN(TestProductCatalogue)
#include "tst_productcatalogue.moc"
