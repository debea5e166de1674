#include "catalogue/ProductBook.h"
#include "catalogue/ProductCatalogue.h"
#include "catalogue/ProductSheet.h"
#include "catalogue/import/ImportPlanner.h"
#include "catalogue/import/ProductImport.h"
#include "data/Database.h"
#include "data/Refusal.h"
#include "sheets/SheetSource.h"
#include "support/TempShop.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(ImportPlanner::Existing)

namespace {

const QDateTime Now(QDate(2024, 3, 5), QTime(9, 30, 0));

// The header every planned sheet below carries; 序号 fills no field.
const QStringList Header{u"编号"_s, u"名称"_s, u"规格"_s, u"进价"_s,
                         u"售价"_s, u"单位"_s, u"库存"_s, u"序号"_s};

SheetRows sheetOf(const QList<QStringList>& rows) {
    SheetRows sheet;
    for (const QStringList& cells : rows)
        sheet.append(SheetRow{int(sheet.size() + 1), cells});
    return sheet;
}

ImportPlan planOf(const QList<QStringList>& body, const QList<Product>& existing,
                  ImportPlanner::Existing choice = ImportPlanner::Existing::Update) {
    const SheetRows sheet = sheetOf(QList<QStringList>{Header} + body);
    return ImportPlanner(existing).plan(sheet, 0, ColumnMapping::fromHeader(Header, 8), choice);
}

// "2 新增 可乐\500ml 2 3 kl 5": the row, its action and what it stores.
QString described(const ImportRow& row) {
    static const QString actions[] = {u"新增"_s, u"更新"_s, u"跳过："_s, u"拒绝："_s};
    QString text = QString::number(row.number) + u' ' + actions[int(row.action)] + row.reason;
    if (row.action == ImportAction::Create || row.action == ImportAction::Update)
        text += u' ' + row.entry.storedName() + u' ' +
                Decimal::read(row.entry.purchasePrice).plainText() + u' ' +
                Decimal::read(row.entry.salePrice).plainText() + u' ' + row.entry.storedPinyin() +
                u' ' + row.stock.plainText();
    return text;
}

QStringList products(Database& database) {
    QStringList rows;
    for (const Product& p : ProductBook(database).all())
        rows.append(QStringList{p.id, p.searchKey, p.code, p.name, p.pinyin, p.unit,
                                p.purchasePrice.plainText(), p.salePrice.plainText(), p.remark,
                                p.maker, p.stock.plainText()}
                        .join(u'|'));
    return rows;
}

qint64 movements(Database& database) {
    Statement count = database.prepare(u"SELECT count(*) FROM [出入库]");
    count.next();
    return count.integer(0);
}

} // namespace

class TestProductImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerWords_data();
    void headerWords();
    void headerRow_data();
    void headerRow();
    void plan_data();
    void plan();
    void importWritesProductsAndOpeningStock();
    void failedImportLeavesNothing();
    void roundTripChangesNothing();
    void spreadsheetProgramsFileIsFoundByPinyin();
};

void TestProductImport::headerWords_data() {
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QString>("fields"); // "-" for a column that fills none
    QTest::newRow("a supplier's words")
        << QStringList{u"序号"_s,   u"品名"_s,   u"规格型号"_s, u"条形码"_s, u"计量单位"_s,
                       u"成本价"_s, u"零售价"_s, u"供应商"_s,   u"数量"_s,   u"说明"_s}
        << u"-|名称|规格|编号\\条码|单位|进价|售价|厂家|库存|备注"_s;
    QTest::newRow("the program's own captions")
        << QStringList{u"编号\\条码"_s, u"商品名称\\规格"_s, u"生产厂家"_s, u"拼音"_s}
        << u"编号\\条码|名称|厂家|拼音"_s;
    QTest::newRow("makers and specifications that say 名称 or 商品")
        << QStringList{u"厂家名称"_s, u"商品规格"_s, u"商品"_s} << u"厂家|规格|名称"_s;
    QTest::newRow("blanks and full width")
        << QStringList{u" 名 称 "_s, u"售价（元）"_s} << u"名称|售价"_s;
    QTest::newRow("a field goes to its first column only")
        << QStringList{u"进价"_s, u"成本价"_s, u"单价"_s} << u"进价|-|-"_s;
}

void TestProductImport::headerWords() {
    QFETCH(QStringList, header);
    QFETCH(QString, fields);
    const ColumnMapping mapping = ColumnMapping::fromHeader(header, int(header.size()));
    QStringList named;
    for (int column = 0; column < mapping.columnCount(); ++column)
        named.append(mapping.field(column) ? captionOf(*mapping.field(column)) : u"-"_s);
    QCOMPARE(named.join(u'|'), fields);
}

void TestProductImport::headerRow_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<int>("header"); // -1 for none
    QTest::newRow("a title above the header")
        << QList<QStringList>{{u"供货清单"_s}, {u"品名"_s, u"条码"_s}, {u"可乐"_s, u"69"_s}} << 1;
    QTest::newRow("no header words") << QList<QStringList>{{u"可乐"_s, u"3"_s}} << -1;
}

void TestProductImport::headerRow() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(int, header);
    QCOMPARE(int(ColumnMapping::headerRow(sheetOf(rows)).value_or(-1)), header);
}

void TestProductImport::plan_data() {
    QTest::addColumn<QList<QStringList>>("body");
    QTest::addColumn<ImportPlanner::Existing>("choice");
    QTest::addColumn<QStringList>("rows");
    const auto Update = ImportPlanner::Existing::Update;
    const QString longName(101, u'长');
    QTest::newRow("new, pinyin composed")
        << QList<QStringList>{{u"X1"_s, u"可乐"_s, u"500ml"_s, u"2"_s, u"3"_s, u"瓶"_s, u"5"_s}}
        << Update << QStringList{u"2 新增 可乐\\500ml 2 3 kl 5"_s};
    QTest::newRow("prices as a sheet shows them, name\\spec in one cell")
        << QList<QStringList>{{u"X1"_s, u"中华\\硬盒"_s, {}, u"¥1,234.50"_s, u"４５元"_s}} << Update
        << QStringList{u"2 新增 中华\\硬盒 1234.5 45 zh 0"_s};
    QTest::newRow("no name") << QList<QStringList>{{u"X1"_s, {}, u"500ml"_s}} << Update
                             << QStringList{u"2 拒绝：没有名称"_s};
    QTest::newRow("price not a number") << QList<QStringList>{{u"X1"_s, u"可乐"_s, {}, u"两元"_s}}
                                        << Update << QStringList{u"2 拒绝：进价不是数字"_s};
    QTest::newRow("price with text after it")
        << QList<QStringList>{{u"X1"_s, u"可乐"_s, {}, {}, u"3/瓶"_s}} << Update
        << QStringList{u"2 拒绝：售价不是数字"_s};
    QTest::newRow("price too large")
        << QList<QStringList>{{u"X1"_s, u"可乐"_s, {}, u"1000000000000000"_s}} << Update
        << QStringList{u"2 拒绝：进价超出可保存的范围"_s};
    QTest::newRow("negative stock")
        << QList<QStringList>{{u"X1"_s, u"可乐"_s, {}, {}, {}, {}, u"-2"_s}} << Update
        << QStringList{u"2 拒绝：库存不能是负数"_s};
    QTest::newRow("name too long") << QList<QStringList>{{u"X1"_s, longName}} << Update
                                   << QStringList{u"2 拒绝：名称最多100个字"_s};
    QTest::newRow("name and spec too long together")
        << QList<QStringList>{{u"X1"_s, longName.left(60), longName.left(40)}} << Update
        << QStringList{u"2 拒绝：名称和规格最多100个字"_s};
    QTest::newRow("unit too long")
        << QList<QStringList>{{u"X1"_s, u"可乐"_s, {}, {}, {}, u"箱（二十四瓶装）加赠品"_s}}
        << Update << QStringList{u"2 拒绝：单位最多10个字"_s};
    QTest::newRow("the same code twice")
        << QList<QStringList>{{u"X1"_s, u"可乐"_s}, {u"X2"_s, u"雪碧"_s}, {u"X1"_s, u"芬达"_s}}
        << Update
        << QStringList{u"2 拒绝：编号与第4行重复"_s, u"3 新增 雪碧 0 0 xb 0"_s,
                       u"4 拒绝：编号与第2行重复"_s};
    QTest::newRow("a barcode Excel wrote in exponent form")
        << QList<QStringList>{{u"6.90123E+12"_s, u"可乐"_s}} << Update
        << QStringList{u"2 拒绝：编号被写成了科学计数法，请在表格中把该列设为文本后重新保存"_s};
    QTest::newRow("known code: update names and prices, keep the rest")
        << QList<QStringList>{{u"A1"_s, u"中华"_s, u"软盒"_s, {}, u"50"_s, {}, u"7"_s}} << Update
        << QStringList{u"2 更新 中华\\软盒 43.1234 50 zh 0"_s};
    QTest::newRow("known code: skip")
        << QList<QStringList>{{u"A1"_s, u"中华"_s}} << ImportPlanner::Existing::Skip
        << QStringList{u"2 跳过：编号已有"_s};
    QTest::newRow("a code two products share") << QList<QStringList>{{u"D"_s, u"可乐"_s}} << Update
                                               << QStringList{u"2 拒绝：编号已有2个商品使用"_s};
    QTest::newRow("nothing in the mapped columns")
        << QList<QStringList>{{{}, {}, {}, {}, {}, {}, {}, u"7"_s}} << Update
        << QStringList{u"2 跳过：没有内容"_s};
}

void TestProductImport::plan() {
    QFETCH(QList<QStringList>, body);
    QFETCH(ImportPlanner::Existing, choice);
    QFETCH(QStringList, rows);
    const auto product = [](const QString& id, const QString& code) {
        Product product;
        product.id = id;
        product.code = code;
        product.name = u"中华\\硬盒"_s;
        product.pinyin = u"zh"_s;
        product.purchasePrice = Decimal::read(u"43.1234");
        return product;
    };
    // A1, and D, which two products share once their codes are trimmed.
    const QList<Product> existing{product(u"1"_s, u"A1"_s), product(u"2"_s, u"D"_s),
                                  product(u"3"_s, u" D "_s)};
    QStringList planned;
    for (const ImportRow& row : planOf(body, existing, choice).rows)
        planned.append(described(row));
    QCOMPARE(planned, rows);
}

void TestProductImport::importWritesProductsAndOpeningStock() {
    TempShop shop;
    const ImportPlan plan =
        planOf({{{}, u"可乐"_s, u"500ml"_s, u"2.5"_s, u"3"_s, u"瓶"_s, u"6"_s},
                {u"X9"_s, u"雪碧"_s},
                {u"A20170313183319"_s, u"中华"_s, u"硬盒"_s, {}, u"50"_s, {}, u"9"_s}},
               ProductBook(shop.db()).all());
    const ProductImport::Result result = ProductImport::run(shop.db(), plan, Now);
    QCOMPARE(result.created, 2);
    QCOMPARE(result.updated, 1);
    const QStringList after = products(shop.db());
    // Two products begun in the same second get the next free seconds, as the screen gives them.
    QVERIFY(after.contains(u"20240305093000|A20240305093000可乐kl|A20240305093000|可乐\\500ml|kl|"
                           u"瓶|2.5|3|||6"_s));
    QVERIFY(after.contains(u"20240305093001|X9雪碧xb|X9|雪碧|xb||0|0|||0"_s));
    QVERIFY(after.contains(u"20170313183319|A20170313183319中华zh上海制烟厂|A20170313183319|"
                           u"中华\\硬盒|zh|包|43|50||上海制烟厂|88"_s));
    Statement movement = shop.db().prepare(
        u"SELECT [销售号], [ID号], [名称], [数量], [金额], [库存], [类别], [备注], [日期] "
        u"FROM [出入库]");
    QVERIFY(movement.next());
    QCOMPARE(QStringList({movement.text(0), movement.text(1), movement.text(2),
                          movement.decimal(3).plainText(), movement.decimal(4).plainText(),
                          movement.decimal(5).plainText(), movement.text(6), movement.text(7),
                          movement.text(8)}),
             QStringList({u"B20240305093000"_s, u"20240305093000"_s, u"可乐\\500ml"_s, u"6"_s,
                          u"15"_s, u"6"_s, u"入库"_s, u"期初库存"_s, u"2024-03-05"_s}));
    QVERIFY(!movement.next());
}

void TestProductImport::failedImportLeavesNothing() {
    TempShop shop;
    const QStringList before = products(shop.db());
    ImportPlan plan = planOf({{u"X1"_s, u"可乐"_s, {}, {}, {}, {}, u"5"_s}, {u"X2"_s, u"雪碧"_s}},
                             ProductBook(shop.db()).all());
    plan.rows[1].entry.salePrice = u"99999999999999999"_s; // past Currency: the save refuses
    QVERIFY_THROWS_EXCEPTION(Refusal, ProductImport::run(shop.db(), plan, Now));
    QCOMPARE(products(shop.db()), before);
    QCOMPARE(movements(shop.db()), 0);
}

void TestProductImport::roundTripChangesNothing() {
    TempShop shop;
    ProductEntry odd{u"0012345"_s, u"散装 花生"_s, {},        u"1.2345"_s, u"2"_s,
                     u"斤"_s,      u"hs"_s,        u"自产"_s, u"称重"_s};
    ProductBook(shop.db()).save(u"20240101000000"_s, odd);
    const QStringList before = products(shop.db());
    QTemporaryDir folder;
    const QString path = folder.filePath(u"商品.xlsx"_s);
    QCOMPARE(ProductSheet::write(path, ProductBook(shop.db()).all()), QString());
    SheetSource file;
    SheetRows rows;
    QVERIFY(file.open(path) && file.read(0, rows));
    const std::optional<qsizetype> header = ColumnMapping::headerRow(rows);
    QCOMPARE(int(header.value_or(-1)), 0);
    const ColumnMapping mapping = ColumnMapping::fromHeader(rows.first().cells, 10);
    for (const ProductField field : ProductFields)
        QCOMPARE(mapping.column(field).value_or(-1), int(field));
    const ImportPlan plan = ImportPlanner(ProductBook(shop.db()).all())
                                .plan(rows, header, mapping, ImportPlanner::Existing::Update);
    QCOMPARE(plan.count(ImportAction::Update), 6);
    ProductImport::run(shop.db(), plan, Now);
    QCOMPARE(products(shop.db()), before);
    QCOMPARE(movements(shop.db()), 0);
}

void TestProductImport::spreadsheetProgramsFileIsFoundByPinyin() {
    TempShop shop;
    ProductCatalogue catalogue(shop.db());
    QVERIFY(catalogue.pickList(u"ltsc").isEmpty());
    SheetSource file;
    SheetRows rows;
    QVERIFY(file.open(QStringLiteral(SAMPLES_DIR "/supplier-libreoffice.xlsx")) &&
            file.read(0, rows));
    const std::optional<qsizetype> header = ColumnMapping::headerRow(rows);
    const ImportPlan plan =
        ImportPlanner({}).plan(rows, header, ColumnMapping::fromHeader(rows.at(1).cells, 10),
                               ImportPlanner::Existing::Update);
    QStringList planned;
    for (const ImportRow& row : plan.rows)
        planned.append(row.entry.code + u' ' + described(row));
    QCOMPARE(planned, QStringList({u"6901234567892 3 新增 可口可乐\\500ml 2.1 3 kkkl 24"_s,
                                   u"0012345 4 新增 老坛酸菜\"牛肉面\"\\桶装 3.35 4.5 ltscnrm 12"_s,
                                   u"6921168509256 5 新增 农夫山泉\\550ml 1.2 2 nfsq 0"_s}));
    ProductImport::run(shop.db(), plan, Now);
    const QList<PickEntry> found = catalogue.pickList(u"ltsc");
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().code, u"0012345"_s);
}

QTEST_GUILESS_MAIN(TestProductImport)
#include "tst_productimport.moc"
