#include "data/Schema.h"

#include "data/Database.h"
#include "data/Decimal.h"
#include "data/Transaction.h"

using namespace Qt::Literals::StringLiterals;

namespace Schema {
namespace {

// Text(n) columns hold at most n characters (ColumnWidth); Currency columns hold a count of
// 1/10000; DateTime columns hold "yyyy-mm-dd". The checks make a wrong value fail the write,
// and a length check is named "table.column" so that the refusal can name the column.
constexpr char16_t Tables[] = uR"sql(
CREATE TABLE [商品] (
    [ID号] TEXT CONSTRAINT [商品.ID号] CHECK (length([ID号]) <= 50),
    [查询] TEXT CONSTRAINT [商品.查询] CHECK (length([查询]) <= 200),
    [编号] TEXT CONSTRAINT [商品.编号] CHECK (length([编号]) <= 50),
    [名称] TEXT CONSTRAINT [商品.名称] CHECK (length([名称]) <= 100),
    [拼音] TEXT CONSTRAINT [商品.拼音] CHECK (length([拼音]) <= 50),
    [单位] TEXT CONSTRAINT [商品.单位] CHECK (length([单位]) <= 10),
    [进价] INTEGER CHECK (typeof([进价]) IN ('integer', 'null')),
    [售价] INTEGER CHECK (typeof([售价]) IN ('integer', 'null')),
    [备用1] TEXT CONSTRAINT [商品.备用1] CHECK (length([备用1]) <= 50),
    [备用2] TEXT CONSTRAINT [商品.备用2] CHECK (length([备用2]) <= 50),
    [备用3] TEXT CONSTRAINT [商品.备用3] CHECK (length([备用3]) <= 50),
    [备注] TEXT CONSTRAINT [商品.备注] CHECK (length([备注]) <= 50),
    [厂家] TEXT CONSTRAINT [商品.厂家] CHECK (length([厂家]) <= 50),
    [库存] INTEGER CHECK (typeof([库存]) IN ('integer', 'null'))
);
CREATE INDEX [商品_ID号] ON [商品] ([ID号]);

CREATE TABLE [出入库] (
    [销售号] TEXT CONSTRAINT [出入库.销售号] CHECK (length([销售号]) <= 50),
    [ID号] TEXT CONSTRAINT [出入库.ID号] CHECK (length([ID号]) <= 50),
    [名称] TEXT CONSTRAINT [出入库.名称] CHECK (length([名称]) <= 50),
    [编号] TEXT CONSTRAINT [出入库.编号] CHECK (length([编号]) <= 50),
    [单位] TEXT CONSTRAINT [出入库.单位] CHECK (length([单位]) <= 10),
    [进价] INTEGER CHECK (typeof([进价]) IN ('integer', 'null')),
    [售价] INTEGER CHECK (typeof([售价]) IN ('integer', 'null')),
    [金额] INTEGER CHECK (typeof([金额]) IN ('integer', 'null')),
    [库存] INTEGER CHECK (typeof([库存]) IN ('integer', 'null')),
    [厂家] TEXT CONSTRAINT [出入库.厂家] CHECK (length([厂家]) <= 50),
    [备注] TEXT CONSTRAINT [出入库.备注] CHECK (length([备注]) <= 50),
    [备用1] TEXT CONSTRAINT [出入库.备用1] CHECK (length([备用1]) <= 50),
    [备用2] TEXT CONSTRAINT [出入库.备用2] CHECK (length([备用2]) <= 50),
    [备用3] INTEGER CHECK (typeof([备用3]) IN ('integer', 'null')),
    [日期] TEXT CHECK ([日期] GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
    [数量] INTEGER CHECK (typeof([数量]) IN ('integer', 'null')),
    [折扣] INTEGER CHECK (typeof([折扣]) IN ('integer', 'null')),
    [类别] TEXT CONSTRAINT [出入库.类别] CHECK (length([类别]) <= 10)
);
CREATE INDEX [出入库_销售号] ON [出入库] ([销售号]);
CREATE INDEX [出入库_日期] ON [出入库] ([日期]);

CREATE TABLE [订单] (
    [ID号] TEXT CONSTRAINT [订单.ID号] CHECK (length([ID号]) <= 20),
    [日期] TEXT CHECK ([日期] GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
    [备用1] TEXT CONSTRAINT [订单.备用1] CHECK (length([备用1]) <= 50),
    [备用2] TEXT CONSTRAINT [订单.备用2] CHECK (length([备用2]) <= 50),
    [实收] TEXT CONSTRAINT [订单.实收] CHECK (length([实收]) <= 10),
    [找零] TEXT CONSTRAINT [订单.找零] CHECK (length([找零]) <= 10)
);
CREATE INDEX [订单_ID号] ON [订单] ([ID号]);
CREATE INDEX [订单_日期] ON [订单] ([日期]);

CREATE TABLE [设置] (
    [密码] TEXT CONSTRAINT [设置.密码] CHECK (length([密码]) <= 20),
    [标题] TEXT CONSTRAINT [设置.标题] CHECK (length([标题]) <= 50),
    [结尾1] TEXT CONSTRAINT [设置.结尾1] CHECK (length([结尾1]) <= 50),
    [结尾2] TEXT CONSTRAINT [设置.结尾2] CHECK (length([结尾2]) <= 50),
    [结尾3] TEXT CONSTRAINT [设置.结尾3] CHECK (length([结尾3]) <= 50),
    [备用1] TEXT CONSTRAINT [设置.备用1] CHECK (length([备用1]) <= 50),
    [备用2] TEXT CONSTRAINT [设置.备用2] CHECK (length([备用2]) <= 50),
    [备用3] TEXT CONSTRAINT [设置.备用3] CHECK (length([备用3]) <= 50),
    [左边距] TEXT CONSTRAINT [设置.左边距] CHECK (length([左边距]) <= 10),
    [上边距] TEXT CONSTRAINT [设置.上边距] CHECK (length([上边距]) <= 10),
    [自动打印] TEXT CONSTRAINT [设置.自动打印] CHECK (length([自动打印]) <= 5),
    [默认打印机] TEXT CONSTRAINT [设置.默认打印机] CHECK (length([默认打印机]) <= 50),
    [小票打印机] TEXT CONSTRAINT [设置.小票打印机] CHECK (length([小票打印机]) <= 50),
    [条码] TEXT CONSTRAINT [设置.条码] CHECK (length([条码]) <= 5)
);

CREATE TABLE [盘点明细] (
    [编号] TEXT CONSTRAINT [盘点明细.编号] CHECK (length([编号]) <= 50),
    [名称] TEXT CONSTRAINT [盘点明细.名称] CHECK (length([名称]) <= 50),
    [厂家] TEXT CONSTRAINT [盘点明细.厂家] CHECK (length([厂家]) <= 50),
    [单位] TEXT CONSTRAINT [盘点明细.单位] CHECK (length([单位]) <= 10),
    [帐面库存] INTEGER CHECK (typeof([帐面库存]) IN ('integer', 'null')),
    [实际库存] INTEGER CHECK (typeof([实际库存]) IN ('integer', 'null')),
    [差额] INTEGER CHECK (typeof([差额]) IN ('integer', 'null')),
    [日期] TEXT CHECK ([日期] GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
    [备注] TEXT CONSTRAINT [盘点明细.备注] CHECK (length([备注]) <= 50)
);
CREATE INDEX [盘点明细_日期] ON [盘点明细] ([日期]);
)sql";

// A product's movements by date: the report finds a product's newest movement without reading
// the rest of its rows. It serves every look-up by ID as the index it replaces did.
constexpr char16_t MovementByProductDate[] = uR"sql(
DROP INDEX IF EXISTS [出入库_ID号];
CREATE INDEX IF NOT EXISTS [出入库_ID号_日期] ON [出入库] ([ID号], [日期]);
)sql";

// How receipts reach the printer; no row means the page through the system's driver.
constexpr char16_t ReceiptRouteTable[] = uR"sql(
CREATE TABLE [小票驱动] (
    [方式] TEXT CONSTRAINT [小票驱动.方式] CHECK (length([方式]) <= 10),
    [地址] TEXT CONSTRAINT [小票驱动.地址] CHECK (length([地址]) <= 100),
    [纸宽] TEXT CONSTRAINT [小票驱动.纸宽] CHECK (length([纸宽]) <= 5),
    [开钱箱] TEXT CONSTRAINT [小票驱动.开钱箱] CHECK (length([开钱箱]) <= 5)
);
)sql";

// Counts every change of a product but its stock (an update that stores the same values is
// none), so that a screen holding the catalogue in
// memory reads it again only when it must: a sale, a stock-in or a count moves the stock only.
// Plain triggers, so a product edited in any SQLite tool is counted too.
constexpr char16_t CatalogueVersion[] = uR"sql(
CREATE TABLE [商品版本] ([版本] INTEGER NOT NULL);
INSERT INTO [商品版本] ([版本]) VALUES (0);
CREATE TRIGGER [商品_新增] AFTER INSERT ON [商品]
BEGIN UPDATE [商品版本] SET [版本] = [版本] + 1; END;
CREATE TRIGGER [商品_删除] AFTER DELETE ON [商品]
BEGIN UPDATE [商品版本] SET [版本] = [版本] + 1; END;
CREATE TRIGGER [商品_修改] AFTER UPDATE ON [商品]
WHEN OLD.[ID号] IS NOT NEW.[ID号]
    OR OLD.[查询] IS NOT NEW.[查询]
    OR OLD.[编号] IS NOT NEW.[编号]
    OR OLD.[名称] IS NOT NEW.[名称]
    OR OLD.[拼音] IS NOT NEW.[拼音]
    OR OLD.[单位] IS NOT NEW.[单位]
    OR OLD.[进价] IS NOT NEW.[进价]
    OR OLD.[售价] IS NOT NEW.[售价]
    OR OLD.[备用1] IS NOT NEW.[备用1]
    OR OLD.[备用2] IS NOT NEW.[备用2]
    OR OLD.[备用3] IS NOT NEW.[备用3]
    OR OLD.[备注] IS NOT NEW.[备注]
    OR OLD.[厂家] IS NOT NEW.[厂家]
BEGIN UPDATE [商品版本] SET [版本] = [版本] + 1; END;
)sql";

// How each sale was paid (NULL: cash, as every sale before the column was), what changed a
// saved sale afterwards, and the carts a cashier set aside: all of a day the cash-up needs.
constexpr char16_t PaymentsAndHeldCarts[] = uR"sql(
ALTER TABLE [订单] ADD COLUMN [付款] TEXT CONSTRAINT [订单.付款] CHECK (length([付款]) <= 10);
CREATE TABLE [销售修改] (
    [销售号] TEXT CONSTRAINT [销售修改.销售号] CHECK (length([销售号]) <= 20),
    [日期] TEXT CHECK ([日期] GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
    [时间] TEXT CONSTRAINT [销售修改.时间] CHECK (length([时间]) <= 8),
    [类别] TEXT CONSTRAINT [销售修改.类别] CHECK (length([类别]) <= 10),
    [原金额] INTEGER CHECK (typeof([原金额]) IN ('integer', 'null')),
    [新金额] INTEGER CHECK (typeof([新金额]) IN ('integer', 'null'))
);
CREATE INDEX [销售修改_日期] ON [销售修改] ([日期]);
CREATE TABLE [挂单] (
    [挂单号] INTEGER PRIMARY KEY,
    [时间] TEXT CONSTRAINT [挂单.时间] CHECK (length([时间]) <= 19),
    [实收] TEXT CONSTRAINT [挂单.实收] CHECK (length([实收]) <= 10),
    [付款] TEXT CONSTRAINT [挂单.付款] CHECK (length([付款]) <= 10)
);
CREATE TABLE [挂单明细] (
    [挂单号] INTEGER,
    [序号] INTEGER,
    [ID号] TEXT CONSTRAINT [挂单明细.ID号] CHECK (length([ID号]) <= 50),
    [编号] TEXT CONSTRAINT [挂单明细.编号] CHECK (length([编号]) <= 50),
    [名称] TEXT CONSTRAINT [挂单明细.名称] CHECK (length([名称]) <= 100),
    [单位] TEXT CONSTRAINT [挂单明细.单位] CHECK (length([单位]) <= 10),
    [数量] INTEGER CHECK (typeof([数量]) IN ('integer', 'null')),
    [单价] INTEGER CHECK (typeof([单价]) IN ('integer', 'null')),
    [折扣] INTEGER CHECK (typeof([折扣]) IN ('integer', 'null')),
    [金额] INTEGER CHECK (typeof([金额]) IN ('integer', 'null')),
    [备注] TEXT CONSTRAINT [挂单明细.备注] CHECK (length([备注]) <= 50)
);
CREATE INDEX [挂单明细_挂单号] ON [挂单明细] ([挂单号], [序号]);
)sql";

struct SampleProduct {
    const char16_t* id;
    const char16_t* name;
    const char16_t* pinyin;
    int purchasePrice;
    int salePrice;
    const char16_t* maker;
    int stock;
};

constexpr SampleProduct SampleProducts[] = {
    {u"20170313183319", u"中华", u"zh", 43, 45, u"上海制烟厂", 88},
    {u"20170313183432", u"红双喜", u"hsx", 36, 38, u"上海制烟厂", 17},
    {u"20170313183515", u"白沙", u"bs", 28, 30, u"湖南制烟厂", 19},
    {u"20170313183621", u"红塔山", u"hts", 25, 26, u"云南制烟厂", 20},
    {u"20170313183742", u"阿诗玛", u"asm", 18, 20, u"玉溪卷烟厂", 96},
};
constexpr const char16_t* SampleVariants[] = {u"硬盒", u"精品", u"硬盒", u"金装", u"软盒"};

// Step n takes a file from version n - 1 to n.
constexpr const char16_t* UpgradeSteps[Version] = {
    // The name index sorted with a collation only this program has; the stock shell could
    // not even check the file. Names are put in pinyin order in memory instead.
    u"DROP INDEX IF EXISTS [商品_名称];",
    ReceiptRouteTable,
    CatalogueVersion,
    MovementByProductDate,
    PaymentsAndHeldCarts,
};

void setVersion(Database& database, int version) {
    database.execScript(QString(u"PRAGMA user_version = " + QString::number(version) + u';'));
}

} // namespace

void create(Database& database) {
    Transaction transaction(database);
    database.execScript(Tables);
    database.execScript(ReceiptRouteTable);
    database.execScript(CatalogueVersion);
    database.execScript(MovementByProductDate);
    database.execScript(PaymentsAndHeldCarts);
    setVersion(database, Version);
    transaction.commit();
}

int versionOf(Database& database) {
    Statement version = database.prepare(u"PRAGMA user_version");
    return version.next() ? int(version.integer(0)) : 0;
}

void upgrade(Database& database) {
    for (int version = versionOf(database); version < Version; ++version) {
        Transaction transaction(database);
        database.execScript(UpgradeSteps[version]);
        setVersion(database, version + 1);
        transaction.commit();
    }
}

void insertTemplateRows(Database& database) {
    Transaction transaction(database);
    int index = 0;
    for (const SampleProduct& product : SampleProducts) {
        const QString id = QString::fromUtf16(product.id);
        const QString code = u'A' + id;
        const QString name = QString::fromUtf16(product.name);
        const QString pinyin = QString::fromUtf16(product.pinyin);
        const QString maker = QString::fromUtf16(product.maker);
        const QString variant = QString::fromUtf16(SampleVariants[index++]);
        database.exec(
            u"INSERT INTO [商品] ([ID号], [查询], [编号], [名称], [拼音], [单位], [进价], "
            u"[售价], [备注], [厂家], [库存]) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            id, code + name + pinyin + maker, code, name + u'\\' + variant, pinyin, u"包"_s,
            Decimal::fromInt(product.purchasePrice), Decimal::fromInt(product.salePrice),
            QString(u""_s), maker, Decimal::fromInt(product.stock));
    }
    database.exec(u"INSERT INTO [设置] ([密码], [标题], [结尾1], [结尾2], [结尾3], [左边距], "
                  u"[上边距], [自动打印], [默认打印机], [小票打印机], [条码]) "
                  u"VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                  u"739"_s, u"zerurad"_s, u"电话：010-62345678"_s, u"地址：北京长城路27号"_s,
                  u"欢迎再次光临！"_s, u"0"_s, u"0"_s, u"0"_s, u""_s, u""_s, u"0"_s);
    transaction.commit();
}

} // namespace Schema
