#include "base/AppContext.h"
#include "checkout/ProductFixture.h"
#include "stock/StockBook.h"
#include "stock/gui/StockScreen.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Stem = u"商品"_s;

// 100,000 products and 1,000,000 movements over the year up to 2017-03-13, a third each of
// sales, stock-in and returns: about 28,000 stock-in rows in the last month. Built once; it
// goes before the application does.
struct Shop {
    Shop() {
        ProductFixture::addNumbered(shop.db(), 100000, Stem);
        Transaction transaction(shop.db());
        shop.db().execScript(uR"sql(
            WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999999),
            m(i, day, kind) AS (
                SELECT i, date('2016-03-22', '+' || (i / 2800) || ' days'), i % 3 FROM n)
            INSERT INTO [出入库] ([销售号], [ID号], [名称], [单位], [数量], [进价], [售价], [金额],
                                 [库存], [日期], [类别])
            SELECT CASE kind WHEN 0 THEN printf('A%s-%04d%03d', strftime('%y%m%d', day),
                                                i % 2800 / 7 + 1, i % 7)
                             ELSE printf('%s%s%06d', CASE kind WHEN 1 THEN 'B' ELSE 'C' END,
                                         strftime('%Y%m%d', day), i % 2800) END,
                   printf('692%010d', i % 100000), printf('商品%06d', i % 100000), '包',
                   20000, 100000, 120000, 200000, 500000, day,
                   CASE kind WHEN 0 THEN '销售' WHEN 1 THEN '入库' ELSE '出库' END
            FROM m;)sql");
        transaction.commit();
    }

    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
};

std::unique_ptr<Shop> shop;

Shop& bigShop() {
    if (!shop)
        shop = std::make_unique<Shop>();
    return *shop;
}

} // namespace

class BenchStock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { shop.reset(); }
    void bookQueryOneMonth();
    void queryOneMonth();
    void bookSave();
    void screenSave();
    void screenPickAndSave();
};

// The book alone over the month the screen opens with: the statement and the rows read.
void BenchStock::bookQueryOneMonth() {
    Shop& big = bigShop();
    StockBook book(big.shop.db(), MovementKind::StockIn);
    // Warm, as the screen's opening query leaves the pages.
    int rows = book.query(QString(), QDate(2017, 2, 13), QDate(2017, 3, 13)).rows.size();
    QBENCHMARK {
        rows = book.query(QString(), QDate(2017, 2, 13), QDate(2017, 3, 13)).rows.size();
    }
    QVERIFY(rows > 20000);
}

// "查  询" over the month the screen opens with: the statement and the grid loaded.
void BenchStock::queryOneMonth() {
    Shop& big = bigShop();
    StockScreen screen(big.context, u"入库"_s);
    auto* query = screen.findChild<QPushButton*>(u"queryButton"_s);
    QBENCHMARK {
        query->click();
    }
    QVERIFY(big.platform.messages.isEmpty());
    QVERIFY(!screen.findChild<QLabel*>(u"cell_15_1"_s)->text().isEmpty());
}

// The write alone: the product's prices and stock and the movement row, one transaction.
void BenchStock::bookSave() {
    Shop& big = bigShop();
    StockBook book(big.shop.db(), MovementKind::StockIn);
    int i = 0;
    QBENCHMARK {
        const std::optional<StockPick> picked =
            book.pick(ProductFixture::barcode(Stem, (i++ * 7919) % 100000), big.platform.now());
        const StockEntry entry{picked->name,    picked->unit, picked->maker, picked->number,
                               u"2017-03-13"_s, u"5"_s,       u"10"_s,       u"12"_s,
                               u"50.00"_s,      QString()};
        QCOMPARE(book.save(entry), StockBook::SaveResult::Saved);
    }
}

// "保  存" on the screen: the booking, then the month listed again with it on top.
void BenchStock::screenSave() {
    Shop& big = bigShop();
    StockScreen screen(big.context, u"入库"_s);
    auto* name = screen.findChild<QLineEdit*>(u"name"_s);
    name->setText(ProductFixture::barcode(Stem, 4242));
    QTest::keyClick(name, Qt::Key_Return);
    const QString picked = name->text();
    auto* number = screen.findChild<QLineEdit*>(u"number"_s);
    auto* date = screen.findChild<QLineEdit*>(u"date"_s);
    auto* save = screen.findChild<QPushButton*>(u"save"_s);
    qint64 stamp = 20170313000000; // below the picks' numbers of screenPickAndSave
    QBENCHMARK {
        // The boxes as a pick leaves them, without the pick: the catalogue reload after
        // every write is not the save's.
        {
            const QSignalBlocker quiet(name);
            name->setText(picked);
        }
        number->setText(u'B' + QString::number(stamp++));
        date->setText(u"2017-03-13"_s);
        save->click();
    }
    QVERIFY(big.platform.messages.isEmpty());
    QCOMPARE(screen.selectedMovement(), u'B' + QString::number(stamp - 1));
}

// What the clerk waits for: a scanned code picked with Enter, then "保  存", which lists the
// month again with the new movement on top.
void BenchStock::screenPickAndSave() {
    Shop& big = bigShop();
    StockScreen screen(big.context, u"入库"_s);
    auto* name = screen.findChild<QLineEdit*>(u"name"_s);
    auto* save = screen.findChild<QPushButton*>(u"save"_s);
    const auto pickAndSave = [name, save](int i) {
        name->setText(ProductFixture::barcode(Stem, (i * 7919) % 100000));
        QTest::keyClick(name, Qt::Key_Return);
        save->click();
    };
    pickAndSave(0); // the catalogue's first load is not the save's
    int i = 1;
    QBENCHMARK {
        pickAndSave(i++);
    }
    QVERIFY(big.platform.messages.isEmpty());
    QCOMPARE(screen.findChild<QLabel*>(u"cell_0_1"_s)->text(), screen.selectedMovement());
}

GUI_TEST_MAIN(BenchStock)
#include "bench_stock.moc"
