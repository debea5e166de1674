#include "base/AppContext.h"
#include "data/Transaction.h"
#include "stock/gui/StocktakingRecordsScreen.h"
#include "stock/gui/StocktakingScreen.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"
#include "ui/grid/RecordGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

enum Column { Code, Name, Maker, Unit, BookStock, Counted, Remark };

// Thirty products "商品00" … "商品29" with stock 15, and the screen open and active.
class Fixture {
public:
    Fixture() {
        platform.clock = QDateTime(QDate(2017, 3, 13), QTime(10, 0));
        shop.db().exec(u"DELETE FROM [商品]");
        Transaction transaction(shop.db());
        for (int i = 29; i >= 0; --i) {
            const QString number = QString::number(i).rightJustified(2, u'0');
            shop.db().exec(u"INSERT INTO [商品] ([ID号], [编号], [名称], [厂家], [单位], [库存]) "
                           u"VALUES (?, ?, ?, '上海制烟厂', '包', ?)",
                           u'P' + number, i == 0 ? u".7"_s : u'A' + number, u"商品" + number,
                           Decimal::fromInt(15));
        }
        transaction.commit();
        screen.emplace(context, [this] { ++recordsOpened; });
        show(&*screen);
    }
    static void show(QWidget* widget) {
        widget->show();
        widget->activateWindow();
        if (!QTest::qWaitForWindowActive(widget))
            qWarning("the screen did not become active");
    }

    RecordGrid* grid() const { return screen->findChild<RecordGrid*>(u"grid"_s); }
    QLineEdit* countCell(int row) const {
        return grid()->findChild<QLineEdit*>(u"cell_%1_%2"_s.arg(row).arg(int(Counted)));
    }
    void typeCount(int row, const QString& text) const {
        countCell(row)->setFocus();
        QTest::keyClicks(countCell(row), text);
    }
    void click(const QString& button) const {
        QTest::mouseClick(screen->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void clickRow(int row) const {
        QTest::mouseClick(grid()->findChild<QWidget*>(u"band_%1"_s.arg(row)), Qt::LeftButton);
    }
    QString stock(const QString& id) {
        Statement query = shop.db().prepare(u"SELECT [库存] FROM [商品] WHERE [ID号] = ?");
        query.bind(1, id);
        return query.next() ? query.decimal(0).plainText() : u"gone"_s;
    }
    qint64 details() {
        Statement query = shop.db().prepare(u"SELECT COUNT(*) FROM [盘点明细]");
        return query.next() ? query.integer(0) : -1;
    }

    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    int recordsOpened = 0;
    std::optional<StocktakingScreen> screen;
};

} // namespace

class TestStocktakingScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void leadingPointGainsAZeroAtLoadOnly();
    void enterWalksDownTheCountColumnOnly();
    void countScrolledAwayAndBackIsExecuted();
    void renamedProductIsStillTheOneCounted();
    void deleteRightAfterScrollingAsksToSelect();
    void deleteActsOnTheRowShown_data();
    void deleteActsOnTheRowShown();
    void recordsShowTheCountOfTheLastMonth();
    void recordsRefuseADateThatIsNone();
};

void TestStocktakingScreen::leadingPointGainsAZeroAtLoadOnly() {
    Fixture f;
    QCOMPARE(f.grid()->cellText(0, Code), u"0.7"_s);
    QCOMPARE(f.grid()->cellText(0, Name), u"商品00"_s);
    QCOMPARE(f.grid()->cellText(15, BookStock), u"15"_s);
    f.grid()->setScrollTop(1);
    f.grid()->setScrollTop(0);
    QCOMPARE(f.grid()->cellText(0, Code), u".7"_s);
}

void TestStocktakingScreen::enterWalksDownTheCountColumnOnly() {
    Fixture f;
    f.typeCount(0, u"3"_s);
    QTest::keyClick(f.countCell(0), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.countCell(1));
    auto* remark = f.grid()->findChild<QLineEdit*>(u"cell_1_%1"_s.arg(int(Remark)));
    remark->setFocus();
    QTest::keyClick(remark, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), remark);
}

void TestStocktakingScreen::countScrolledAwayAndBackIsExecuted() {
    Fixture f;
    f.typeCount(0, u"12"_s);
    f.typeCount(1, u"  "_s);
    auto* note = f.grid()->findChild<QLineEdit*>(u"cell_0_%1"_s.arg(int(Remark)));
    note->setFocus();
    QTest::keyClicks(note, u"broken"_s);
    f.grid()->setScrollTop(4);
    f.grid()->setScrollTop(0);
    QCOMPARE(f.countCell(0)->text(), u"12"_s);
    f.click(u"execute"_s);
    QCOMPARE(f.stock(u"P00"_s), u"12"_s);
    QCOMPARE(f.stock(u"P01"_s), u"15"_s);
    QCOMPARE(f.details(), 1);
    Statement detail = f.shop.db().prepare(u"SELECT [备注] FROM [盘点明细]");
    QVERIFY(detail.next());
    QCOMPARE(detail.text(0), u"broken"_s);
    QCOMPARE(f.grid()->cellText(0, BookStock), u"12"_s);
    QCOMPARE(f.countCell(0)->text(), QString());
    auto* mark = f.screen->findChild<QLabel*>(u"checkMark"_s);
    QVERIFY(mark->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!mark->isVisible(), 1000);
}

void TestStocktakingScreen::renamedProductIsStillTheOneCounted() {
    Fixture f;
    f.typeCount(2, u"7"_s);
    f.shop.db().exec(u"UPDATE [商品] SET [名称] = '商品' WHERE [ID号] = 'P29'");
    f.shop.db().exec(u"UPDATE [商品] SET [名称] = '一' WHERE [ID号] = 'P02'");
    f.click(u"execute"_s);
    QCOMPARE(f.stock(u"P02"_s), u"7"_s);
    QCOMPARE(f.stock(u"P01"_s), u"15"_s);
    QCOMPARE(f.stock(u"P29"_s), u"15"_s);
}

void TestStocktakingScreen::deleteRightAfterScrollingAsksToSelect() {
    Fixture f;
    f.clickRow(1);
    f.grid()->setScrollTop(1);
    f.click(u"delete"_s);
    QCOMPARE(f.platform.messages, QStringList{u"请选需要删除的库存！"_s});
    QCOMPARE(f.stock(u"P01"_s), u"15"_s);
    QCOMPARE(f.stock(u"P02"_s), u"15"_s);
}

void TestStocktakingScreen::deleteActsOnTheRowShown_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes deletes the 13th product") << true;
    QTest::newRow("no keeps it") << false;
}

void TestStocktakingScreen::deleteActsOnTheRowShown() {
    QFETCH(bool, yes);
    Fixture f;
    f.shop.db().exec(u"INSERT INTO [盘点明细] ([编号], [名称]) VALUES ('A12', '商品12')");
    f.grid()->setScrollTop(10);
    f.clickRow(2);
    f.platform.answers = {yes};
    f.click(u"delete"_s);
    QCOMPARE(f.platform.questions,
             QStringList{u"如果该商品以后不再进货才需要删除，确认要删除该条记录吗？"_s});
    QCOMPARE(f.stock(u"P12"_s), yes ? u"gone"_s : u"15"_s);
    QCOMPARE(f.stock(u"P13"_s), u"15"_s);
    QCOMPARE(f.details(), 1);
    QCOMPARE(f.grid()->model().count(), yes ? 29 : 30);
}

void TestStocktakingScreen::recordsShowTheCountOfTheLastMonth() {
    Fixture f;
    f.shop.db().exec(u"INSERT INTO [盘点明细] ([日期], [名称]) VALUES ('2017-02-12', '旧')");
    f.typeCount(3, u"12"_s);
    f.click(u"records"_s);
    QCOMPARE(f.recordsOpened, 1);
    f.click(u"execute"_s);
    StocktakingRecordsScreen records(f.context);
    Fixture::show(&records);
    auto* grid = records.findChild<RecordGrid*>(u"grid"_s);
    QCOMPARE(grid->model().count(), 1);
    const QStringList expected{u"2017-03-13"_s, u"A03"_s, u"商品03"_s, u"上海制烟厂"_s, u"包"_s,
                               u"15"_s,         u"12"_s,  u"-3"_s,     QString()};
    for (int column = 0; column < expected.size(); ++column)
        QCOMPARE(grid->cellText(0, column), expected.at(column));
}

void TestStocktakingScreen::recordsRefuseADateThatIsNone() {
    Fixture f;
    StocktakingRecordsScreen records(f.context);
    Fixture::show(&records);
    QCOMPARE(records.findChild<QLineEdit*>(u"Text3"_s)->text(), u"2017-02-13"_s);
    records.findChild<QLineEdit*>(u"Text4"_s)->setText(u"2017-13-01"_s);
    QTest::mouseClick(records.findChild<QPushButton*>(u"query"_s), Qt::LeftButton);
    QCOMPARE(f.platform.warnings,
             QStringList{u"请填写正确格式的起止日期！日期格式为“2016-01-03”。"_s});
}

GUI_TEST_MAIN(TestStocktakingScreen)
#include "tst_stocktakingscreen.moc"
