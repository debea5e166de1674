// Stocktaking at 100,000 products: listing them all with the start settings (the book alone
// and the screen's "查  询" into the grid) and "执行盘点" with 5,000 counted; the records query
// over a year of 50,000 counts (refused as too many after 30,001 rows) and over one month.
#include "base/AppContext.h"
#include "catalogue/ProductCatalogue.h"
#include "data/Transaction.h"
#include "stock/StocktakingBook.h"
#include "stock/StocktakingRecords.h"
#include "stock/gui/StocktakingRecordsScreen.h"
#include "stock/gui/StocktakingScreen.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"
#include "ui/grid/RecordGrid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Products = 100'000;
constexpr int Counted = 5'000;
constexpr int Counts = 50'000;
const QDate Today(2018, 12, 31);

void fillProducts(Database& database) {
    Transaction transaction(database);
    Statement insert = database.prepare(
        u"INSERT INTO [商品] ([ID号], [查询], [编号], [名称], [单位], [厂家], [库存]) "
        u"VALUES (?, ?, ?, ?, '包', ?, ?)");
    const QDateTime first(QDate(2018, 1, 1), QTime(8, 0));
    for (int i = 0; i < Products; ++i) {
        const QString id = first.addSecs(i).toString(u"yyyyMMddhhmmss"_s);
        const QString name = u"商品" + QString::number(i) + u"\\规格";
        insert.bindAll(id, id + name, u'A' + id, name, u"M厂"_s, Decimal::fromInt(i % 200 - 10));
        insert.run();
        insert.reset();
    }
    transaction.commit();
}

// A year of counts, one day after another.
void fillCounts(Database& database) {
    Transaction transaction(database);
    Statement insert = database.prepare(
        u"INSERT INTO [盘点明细] ([日期], [编号], [名称], [单位], [厂家], [帐面库存], [实际库存], "
        u"[差额], [备注]) VALUES (?, 'A1', ?, 'M厂', '包', 150000, 120000, -30000, '')");
    for (int i = 0; i < Counts; ++i) {
        insert.bindAll(Today.addDays(-(i % 365)), u"商品" + QString::number(i));
        insert.run();
        insert.reset();
    }
    transaction.commit();
}

} // namespace

class BenchStocktaking : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void listBook();
    void listScreen();
    void recordsYear();
    void recordsMonthScreen();
    // Last: each run adds 5,000 counts of today.
    void execute();

private:
    std::optional<TempShop> m_shop;
    FakePlatform m_platform;
};

void BenchStocktaking::initTestCase() {
    m_shop.emplace();
    fillProducts(m_shop->db());
    fillCounts(m_shop->db());
    m_platform.clock = QDateTime(Today, QTime(10, 0));
}

void BenchStocktaking::listBook() {
    ProductCatalogue catalogue(m_shop->db());
    StocktakingBook book(m_shop->db(), catalogue);
    catalogue.pickList(u"x"); // loaded once, as on the screen's opening
    QBENCHMARK {
        QCOMPARE(book.list({}).size(), Products + 5);
    }
}

void BenchStocktaking::listScreen() {
    AppContext context{m_shop->db(), m_platform, m_shop->folder()};
    StocktakingScreen screen(context, {});
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto* button = screen.findChild<QPushButton*>(u"query"_s);
    QBENCHMARK {
        button->click();
    }
    QCOMPARE(screen.findChild<RecordGrid*>(u"grid"_s)->model().count(), Products + 5);
}

void BenchStocktaking::execute() {
    ProductCatalogue catalogue(m_shop->db());
    StocktakingBook book(m_shop->db(), catalogue);
    const QList<ListedStock> listed = book.list({});
    QList<StockCount> counts;
    for (int i = 0; i < Counted; ++i)
        counts.append({listed.at(i * 20), Decimal::fromInt(i % 50), u"盘"_s});
    QBENCHMARK {
        QCOMPARE(book.execute(counts, Today), Counted);
    }
}

void BenchStocktaking::recordsYear() {
    StocktakingRecords records(m_shop->db());
    QBENCHMARK {
        QVERIFY(records.find({}, Today.addYears(-1), Today).tooMany);
    }
}

void BenchStocktaking::recordsMonthScreen() {
    AppContext context{m_shop->db(), m_platform, m_shop->folder()};
    StocktakingRecordsScreen screen(context);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto* button = screen.findChild<QPushButton*>(u"query"_s);
    QBENCHMARK {
        button->click();
    }
    QVERIFY(screen.findChild<RecordGrid*>(u"grid"_s)->model().count() > 4000);
}

GUI_TEST_MAIN(BenchStocktaking)
#include "bench_stocktaking.moc"
