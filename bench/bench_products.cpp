// Filling the product list from catalogues of 1,000 to 100,000 products, for a search text
// that matches 1 % of them: the catalogue's search alone, and the screen's search into the grid.
// Two more rows list everything: 10,000 products, and 100,000 refused as too many.
#include "base/AppContext.h"
#include "catalogue/ProductCatalogue.h"
#include "catalogue/gui/ProductScreen.h"
#include "data/Transaction.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"
#include "ui/grid/RecordGrid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Product i is made by maker "M" + i % 100, so each maker's name finds 1 % of the catalogue.
void fillCatalogue(Database& database, int count) {
    Transaction transaction(database);
    Statement insert = database.prepare(
        u"INSERT INTO [商品] ([ID号], [查询], [编号], [名称], [拼音], [单位], [进价], [售价], "
        u"[厂家], [库存]) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QDateTime first(QDate(2018, 1, 1), QTime(8, 0));
    for (int i = 0; i < count; ++i) {
        const QString id = first.addSecs(i).toString(u"yyyyMMddhhmmss"_s);
        const QString code = u'A' + id;
        const QString name = u"商品" + QString::number(i);
        const QString maker = u"M" + QString::number(i % 100).rightJustified(3, u'0') + u"厂";
        insert.bindAll(id, code + name + u"sp" + maker, code, name + u"\\规格", u"sp"_s, u"包"_s,
                       Decimal::fromInt(i % 50), Decimal::fromInt(i % 50 + 2), maker,
                       Decimal::fromInt(10));
        insert.run();
        insert.reset();
    }
    transaction.commit();
}

} // namespace

class BenchProducts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void search_data();
    void search();
};

void BenchProducts::search_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("throughScreen");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("listed");
    for (int count : {1'000, 10'000, 100'000}) {
        QTest::addRow("catalogue, 1 %% of %d", count)
            << count << false << u"M042厂"_s << count / 100;
        QTest::addRow("screen, 1 %% of %d", count) << count << true << u"M042厂"_s << count / 100;
    }
    QTest::newRow("screen, all of 10000") << 10'000 << true << QString() << 10'000 + 5;
    QTest::newRow("screen, all of 100000 (too many)") << 100'000 << true << QString() << 0;
}

void BenchProducts::search() {
    QFETCH(int, count);
    QFETCH(bool, throughScreen);
    QFETCH(QString, text);
    QFETCH(int, listed);
    TempShop shop;
    fillCatalogue(shop.db(), count);
    if (!throughScreen) {
        ProductCatalogue catalogue(shop.db());
        catalogue.newestFirst(text); // loaded once, as on the screen's opening
        QBENCHMARK {
            QCOMPARE(catalogue.newestFirst(text).products.size(), listed);
        }
        return;
    }
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    ProductScreen screen(context);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.findChild<QLineEdit*>(u"searchText"_s)->setText(text);
    auto* button = screen.findChild<QPushButton*>(u"searchButton"_s);
    auto* grid = screen.findChild<RecordGrid*>(u"grid"_s);
    QBENCHMARK {
        button->click();
    }
    QCOMPARE(grid->model().count(), listed);
}

GUI_TEST_MAIN(BenchProducts)
#include "bench_products.moc"
