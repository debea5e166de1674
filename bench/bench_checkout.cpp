#include "catalogue/PickEntry.h"
#include "catalogue/ProductCatalogue.h"
#include "checkout/Cart.h"
#include "checkout/ProductFixture.h"
#include "checkout/Sale.h"
#include "checkout/SaleBook.h"
#include "checkout/ScreenFixture.h"
#include "support/GuiTestMain.h"

#include <QCheckBox>
#include <QPushButton>

#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Stem = u"商品"_s;

// One sales screen per catalogue size, built once: generating 100,000 products takes a while.
// They go before the application does.
std::map<int, std::unique_ptr<ScreenFixture>> tills;

ScreenFixture& tillWith(int products) {
    std::unique_ptr<ScreenFixture>& till = tills[products];
    if (!till) {
        till = std::make_unique<ScreenFixture>();
        ProductFixture::addNumbered(till->shop.db(), products, Stem);
    }
    return *till;
}

void catalogues() {
    QTest::addColumn<int>("products");
    for (const int products : {1000, 10000, 100000})
        QTest::addRow("%d products", products) << products;
}

} // namespace

class BenchCheckout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { tills.clear(); }
    void keystrokeLookup_data();
    void keystrokeLookup();
    void catalogueLoad_data();
    void catalogueLoad();
    void scanToCart_data();
    void scanToCart();
    void saveSale();
    void historyQuery();
};

void BenchCheckout::keystrokeLookup_data() {
    QTest::addColumn<int>("products");
    QTest::addColumn<QString>("typed"); // the last character is the keystroke measured
    for (const int products : {1000, 10000, 100000}) {
        QTest::addRow("%d products, one character everything matches", products)
            << products << u"商"_s;
        QTest::addRow("%d products, a name everything matches", products) << products << u"商品"_s;
        QTest::addRow("%d products, pinyin of a template product", products)
            << products << u"hts"_s;
        QTest::addRow("%d products, part of a code", products) << products << u"000123"_s;
        QTest::addRow("%d products, nothing matches", products) << products << u"没有的"_s;
    }
}

// One keystroke in the search box: the query and the pick list filled again.
void BenchCheckout::keystrokeLookup() {
    QFETCH(int, products);
    QFETCH(QString, typed);
    ScreenFixture& till = tillWith(products);
    QLineEdit* search = till.box(u"Text1"_s);
    search->setFocus();
    const QString before = typed.chopped(1);
    const QString last = typed.right(1);
    QBENCHMARK {
        {
            const QSignalBlocker blocker(search);
            search->setText(before);
        }
        QTest::sendKeyEvent(QTest::Click, search, Qt::Key_unknown, last, Qt::NoModifier);
    }
    QVERIFY(till.list(u"pickList"_s)->count() <= 200);
}

void BenchCheckout::catalogueLoad_data() {
    QTest::addColumn<QString>("change"); // the write before each search, if any
    QTest::newRow("100000 products, first load") << QString();
    QTest::newRow("100000 products, search after a sale moved one stock") << u"库存"_s;
    QTest::newRow("100000 products, reload after one price changed") << u"售价"_s;
}

// What a search costs when the catalogue has to read the products: on a screen's first search,
// and on the first one after a sale or any other write.
void BenchCheckout::catalogueLoad() {
    QFETCH(QString, change);
    Database& db = tillWith(100000).shop.db();
    ProductCatalogue loaded(db);
    loaded.pickList(u"");
    int value = 0;
    const QString update = u"UPDATE [商品] SET [" + change + u"] = ? WHERE [ID号] = ?";
    QBENCHMARK {
        if (!change.isEmpty()) {
            db.exec(update, Decimal::fromInt(++value), ProductFixture::barcode(Stem, 42));
            QCOMPARE(loaded.pickList(u"").size(), ProductCatalogue::PickLimit);
        } else {
            QCOMPARE(ProductCatalogue(db).pickList(u"").size(), ProductCatalogue::PickLimit);
        }
    }
}

void BenchCheckout::scanToCart_data() {
    catalogues();
}

// Enter after a scanned code: search, the line added, the cart shown and the totals updated.
void BenchCheckout::scanToCart() {
    QFETCH(int, products);
    ScreenFixture& till = tillWith(products);
    till.find<QCheckBox>(u"Check1"_s)->setChecked(true);
    till.key(Qt::Key_F9);
    QLineEdit* scanner = till.box(u"Text5"_s);
    scanner->setFocus();
    int scan = 0;
    QBENCHMARK {
        scanner->setText(ProductFixture::barcode(Stem, (scan++ * 7919) % products % 20));
        QTest::keyClick(scanner, Qt::Key_Return);
    }
    QVERIFY(scanner->text().isEmpty());
    QVERIFY(!till.screen->receiptSale().lines.isEmpty());
    till.find<QCheckBox>(u"Check1"_s)->setChecked(false);
}

// A 20-line cart saved again and again (each save replaces the last) among 1,000,000
// movement rows and 100,000 products.
void BenchCheckout::saveSale() {
    TempShop shop;
    ProductFixture::addNumbered(shop.db(), 100000, Stem);
    {
        Transaction transaction(shop.db());
        shop.db().execScript(uR"sql(
            WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999999)
            INSERT INTO [出入库] ([销售号], [ID号], [名称], [数量], [金额], [日期], [类别])
            SELECT printf('A%s-%04d%03d', strftime('%y%m%d', '2016-01-01', '+' || (i / 2800) || ' days'),
                          i / 7 % 400 + 1, i % 7),
                   printf('692%010d', i % 100000), '商品', 10000, 100000,
                   date('2016-01-01', '+' || (i / 2800) || ' days'), '销售'
            FROM n;)sql");
        transaction.commit();
    }
    Sale sale;
    for (int i = 0; i < 20; ++i) {
        const QString id = ProductFixture::barcode(Stem, i * 4999);
        sale.cart.addProduct({QString(), id, u"A" + id, Stem, u"包"_s, Decimal::fromInt(12)});
    }
    SaleBook book(shop.db());
    sale.date = QDate(2017, 3, 13);
    sale.number = *book.nextSaleNumber(sale.date);
    sale.receive(u"500"_s);
    QBENCHMARK {
        book.save(sale, QDateTime(sale.date, QTime(10, 0)));
    }
    Statement lines = shop.db().prepare(u"SELECT count(*) FROM [出入库]");
    QVERIFY(lines.next());
    QCOMPARE(lines.integer(0), 1000020);
}

// "查   询" over one year holding 70,000 sales: the query and the history list filled.
void BenchCheckout::historyQuery() {
    ScreenFixture till;
    {
        Transaction transaction(till.shop.db());
        till.shop.db().execScript(uR"sql(
            WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 69999)
            INSERT INTO [订单] ([ID号], [日期], [实收], [找零])
            SELECT printf('A%s-%04d', strftime('%y%m%d', '2016-03-14', '+' || (i / 192) || ' days'),
                          i % 192 + 1),
                   date('2016-03-14', '+' || (i / 192) || ' days'), '100', '1.00'
            FROM n;)sql");
        transaction.commit();
    }
    till.box(u"fromDate"_s)->setText(u"2016-03-14"_s);
    till.box(u"toDate"_s)->setText(u"2017-03-13"_s);
    auto* query = till.find<QPushButton>(u"historyQuery"_s);
    QBENCHMARK {
        query->click();
    }
    QCOMPARE(till.list(u"historyList"_s)->count(), 70000);
}

GUI_TEST_MAIN(BenchCheckout)
#include "bench_checkout.moc"
