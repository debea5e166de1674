// A supplier's list of 10,000 products, as an .xlsx and as a GB18030 .csv: the import screen's
// preview (file read, header guessed, every row planned, grid filled) and the import itself
// (10,000 new products with an opening stock each, or 10,000 updates), through the screen and
// through the core alone.
#include "base/AppContext.h"
#include "catalogue/ProductBook.h"
#include "catalogue/gui/ProductImportScreen.h"
#include "catalogue/import/ImportPlanner.h"
#include "catalogue/import/ProductImport.h"
#include "sheets/SheetCells.h"
#include "sheets/SheetFile.h"
#include "sheets/SheetSource.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Rows = 10'000;

const QStringList Header{u"序号"_s, u"商品名称"_s, u"规格"_s,   u"条码"_s, u"单位"_s,
                         u"进价"_s, u"零售价"_s,   u"供应商"_s, u"库存"_s};

QStringList productRow(int i) {
    static const QStringList names{u"康师傅红烧牛肉面"_s, u"农夫山泉"_s, u"可口可乐"_s,
                                   u"旺旺雪饼"_s,         u"青岛啤酒"_s, u"双汇火腿肠"_s,
                                   u"蒙牛纯牛奶"_s,       u"洽洽瓜子"_s};
    static const QStringList makers{u"康师傅控股"_s, u"农夫山泉股份"_s, u"可口可乐公司"_s,
                                    u"旺旺集团"_s,   u"青岛啤酒厂"_s,   u"双汇集团"_s,
                                    u"蒙牛乳业"_s,   u"洽洽食品"_s};
    const int kind = i % names.size();
    return {QString::number(i + 1),
            names.at(kind) + QString::number(i / names.size()),
            QString::number(100 + i % 900) + u"g"_s,
            QString::number(6900000000000LL + i * 7LL),
            u"袋"_s,
            QString::number(1 + i % 50) + u".35"_s,
            QString::number(2 + i % 50) + u".5"_s,
            makers.at(kind),
            QString::number(i % 30)};
}

QString writeXlsx(const QString& path) {
    const QString failure = SheetFile::write(path, [](SheetCells& cells) {
        for (int column = 0; column < Header.size(); ++column)
            cells.text(0, lxw_col_t(column), Header.at(column));
        for (int i = 0; i < Rows; ++i) {
            const QStringList row = productRow(i);
            for (int column = 0; column < row.size(); ++column) {
                // Barcodes, prices and stock as number cells, as a shop's Excel has them.
                if (column == 3 || (column >= 5 && column != 7))
                    cells.number(lxw_row_t(i + 1), lxw_col_t(column),
                                 Decimal::read(row.at(column)));
                else
                    cells.text(lxw_row_t(i + 1), lxw_col_t(column), row.at(column));
            }
        }
    });
    if (!failure.isEmpty())
        qFatal("cannot write the workbook");
    return path;
}

QString writeCsv(const QString& path) {
    QString text = Header.join(u',') + u"\r\n"_s;
    for (int i = 0; i < Rows; ++i)
        text += productRow(i).join(u',') + u"\r\n"_s;
    QFile file(path);
    QStringEncoder gb18030("GB18030");
    if (!file.open(QIODevice::WriteOnly) || file.write(gb18030(text)) < 0)
        qFatal("cannot write the text");
    return path;
}

ImportPlan planOf(Database& database, const QString& path) {
    SheetSource file;
    SheetRows rows;
    if (!file.open(path) || !file.read(0, rows))
        qFatal("cannot read %s", qPrintable(path));
    const std::optional<qsizetype> header = ColumnMapping::headerRow(rows);
    return ImportPlanner(ProductBook(database).all())
        .plan(rows, header, ColumnMapping::fromHeader(rows.at(*header).cells, 9),
              ImportPlanner::Existing::Update);
}

} // namespace

class BenchImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void preview_data();
    void preview();
    void import_data();
    void import();

private:
    QTemporaryDir m_folder;
    QString m_xlsx;
    QString m_csv;
};

void BenchImport::initTestCase() {
    m_xlsx = writeXlsx(m_folder.filePath(u"供货清单.xlsx"_s));
    m_csv = writeCsv(m_folder.filePath(u"供货清单.csv"_s));
}

void BenchImport::preview_data() {
    QTest::addColumn<bool>("csv");
    QTest::newRow("screen, xlsx of 10000 rows") << false;
    QTest::newRow("screen, GB18030 csv of 10000 rows") << true;
}

void BenchImport::preview() {
    QFETCH(bool, csv);
    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    ProductImportScreen screen(context);
    auto* choose = screen.findChild<QPushButton*>(u"chooseFile"_s);
    QBENCHMARK {
        platform.openAnswers = {csv ? m_csv : m_xlsx};
        choose->click();
    }
    QCOMPARE(screen.findChild<QLabel*>(u"summary"_s)->text(),
             u"共10000行：新增10000行，更新0行，跳过0行，拒绝0行"_s);
}

void BenchImport::import_data() {
    QTest::addColumn<bool>("throughScreen");
    QTest::addColumn<bool>("updates");
    QTest::newRow("core, 10000 new with opening stock") << false << false;
    QTest::newRow("core, 10000 updates") << false << true;
    QTest::newRow("screen, 10000 new with opening stock, then planned again") << true << false;
}

void BenchImport::import() {
    QFETCH(bool, throughScreen);
    QFETCH(bool, updates);
    TempShop shop;
    const QDateTime now(QDate(2024, 3, 5), QTime(9, 30));
    if (updates)
        ProductImport::run(shop.db(), planOf(shop.db(), m_xlsx), now);
    if (!throughScreen) {
        const ImportPlan plan = planOf(shop.db(), m_xlsx);
        QBENCHMARK_ONCE {
            const ProductImport::Result result = ProductImport::run(shop.db(), plan, now);
            QCOMPARE(result.created + result.updated, Rows);
        }
        return;
    }
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    ProductImportScreen screen(context);
    platform.openAnswers = {m_xlsx};
    screen.findChild<QPushButton*>(u"chooseFile"_s)->click();
    platform.answers = {true};
    auto* importButton = screen.findChild<QPushButton*>(u"import"_s);
    QBENCHMARK_ONCE {
        importButton->click();
    }
    QCOMPARE(platform.messages.last(), u"导入完成：新增10000个商品，更新0个商品。"_s);
}

GUI_TEST_MAIN(BenchImport)
#include "bench_import.moc"
