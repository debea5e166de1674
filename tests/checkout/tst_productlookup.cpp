#include "checkout/ProductFixture.h"
#include "checkout/ProductLookup.h"
#include "support/TempShop.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestProductLookup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsTemplateProducts_data();
    void findsTemplateProducts();
    void capsAtTheFirstEntriesByName_data();
    void capsAtTheFirstEntriesByName();
    void carriesTheProductShown();
    void writesEntryText_data();
    void writesEntryText();
};

void TestProductLookup::findsTemplateProducts_data() {
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

void TestProductLookup::findsTemplateProducts() {
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    TempShop shop;
    QStringList found;
    for (const PickEntry& entry : ProductLookup(shop.db()).search(text))
        found.append(entry.text);
    QCOMPARE(found, entries);
}

void TestProductLookup::capsAtTheFirstEntriesByName_data() {
    QTest::addColumn<int>("matches");
    QTest::newRow("few enough to sort alone") << 250;
    QTest::newRow("many, found along the name index") << ProductLookup::FewMatches + 50;
}

void TestProductLookup::capsAtTheFirstEntriesByName() {
    QFETCH(int, matches);
    TempShop shop;
    ProductFixture::addNumbered(shop.db(), matches, u"测试"_s);
    const QList<PickEntry> entries = ProductLookup(shop.db()).search(u"测试");
    QCOMPARE(entries.size(), 200);
    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(entries.at(i).name, u"测试" + QString::number(i).rightJustified(6, u'0'));
    // A product beyond the first 200 is reached by a longer text.
    const QString last = QString::number(matches - 1).rightJustified(6, u'0');
    const QList<PickEntry> longer = ProductLookup(shop.db()).search(QString(u"测试" + last));
    QCOMPARE(longer.size(), 1);
    QCOMPARE(longer.at(0).productId, ProductFixture::barcode(u"测试"_s, matches - 1));
}

void TestProductLookup::carriesTheProductShown() {
    TempShop shop;
    ProductFixture::add(shop.db(), {u"1"_s, u"无价"_s, u"  "_s, Decimal(), Decimal()});
    shop.db().exec(u"UPDATE [商品] SET [售价] = NULL, [单位] = '条' WHERE [ID号] = '1'");
    const QList<PickEntry> entries = ProductLookup(shop.db()).search(u"无价");
    QCOMPARE(entries.size(), 1);
    const PickEntry& entry = entries.at(0);
    QCOMPARE(entry.text, u"无价"_s);
    QCOMPARE(entry.productId, u"1"_s);
    QCOMPARE(entry.code, u"A1"_s);
    QCOMPARE(entry.unit, u"条"_s);
    QCOMPARE(entry.price.moneyText(), u"0.00"_s);
    const PickEntry zhonghua = ProductLookup(shop.db()).search(u"zh").at(0);
    QCOMPARE(zhonghua.productId, u"20170313183319"_s);
    QCOMPARE(zhonghua.price.moneyText(), u"45.00"_s);
}

void TestProductLookup::writesEntryText_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("maker");
    QTest::addColumn<QString>("text");
    QTest::newRow("maker trimmed") << u"中华"_s << u"  上海 "_s << u"中华[上海]"_s;
    QTest::newRow("empty maker") << u"中华"_s << QString() << u"中华"_s;
    QTest::newRow("blank maker") << u"中华"_s << u"   "_s << u"中华"_s;
    QTest::newRow("every [] goes") << u"礼盒[]装"_s << u"厂"_s << u"礼盒装[厂]"_s;
}

void TestProductLookup::writesEntryText() {
    QFETCH(QString, name);
    QFETCH(QString, maker);
    QFETCH(QString, text);
    QCOMPARE(ProductLookup::entryText(name, maker), text);
}

QTEST_GUILESS_MAIN(TestProductLookup)
#include "tst_productlookup.moc"
