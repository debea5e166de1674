#include "base/AppContext.h"
#include "reports/MovementFixture.h"
#include "reports/SheetReader.h"
#include "reports/gui/ReportProgress.h"
#include "reports/gui/ReportScreen.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"
#include "ui/grid/RecordGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using MovementFixture::Row;

namespace {

Row movement(const QString& category, QDate date, int quantity, int amount) {
    return {u"P1"_s,
            u"0069"_s,
            u"中华"_s,
            category,
            date,
            Decimal::fromInt(quantity),
            Decimal::fromInt(amount)};
}

// A report screen opened on 2017-03-13 over a shop holding the given movements.
struct Fixture {
    explicit Fixture(const QList<Row>& rows) {
        MovementFixture::Writer writer(shop.db());
        for (const Row& row : rows)
            writer.add(row);
        platform.clock = QDateTime(QDate(2017, 3, 13), QTime(10, 0));
        screen.emplace(context);
        screen->show();
    }

    template <typename T> T* find(const QString& name) const {
        T* widget = screen->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no widget named %s", qPrintable(name));
        return widget;
    }
    RecordGrid* grid() const { return screen->findChild<RecordGrid*>(); }
    // Every record of the list, its texts joined by "|".
    QStringList records() const {
        QStringList records;
        for (int record = 0; record < grid()->model().count(); ++record)
            records << grid()->model().texts(record).join(u'|');
        return records;
    }
    void queryByName() {
        find<QRadioButton>(u"byName"_s)->setChecked(true);
        QTest::mouseClick(find<QPushButton>(u"queryButton"_s), Qt::LeftButton);
    }

    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    std::optional<ReportScreen> screen;
};

const QString TotalOf20 = u"合计|||||||20.00|"_s;

} // namespace

class TestReportScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void openingListsLastMonthsSalesNewestFirst();
    void byDateLimit_data();
    void byDateLimit();
    void byNameRunsBesideTheWindow();
    void unknownCategoryReportsSales();
    void exportWritesTheList();
    void exportCancelledOrFailed_data();
    void exportCancelledOrFailed();
};

void TestReportScreen::openingListsLastMonthsSalesNewestFirst() {
    Fixture fixture({movement(u"销售"_s, QDate(2017, 2, 12), 1, 1),
                     movement(u"销售"_s, QDate(2017, 2, 13), 2, 4),
                     movement(u"入库"_s, QDate(2017, 3, 1), 3, 8),
                     movement(u"销售"_s, QDate(2017, 3, 13), 5, 16)});
    QCOMPARE(fixture.find<QLineEdit>(u"Text3"_s)->text(), u"2017-02-13"_s);
    QCOMPARE(fixture.records(),
             (QStringList{u"2017-03-13|中华|厂|包|1.00|2.00|5|16.00|"_s,
                          u"2017-02-13|中华|厂|包|1.00|2.00|2|4.00|"_s, TotalOf20}));
    QCOMPARE(fixture.find<QPushButton>(u"Cm2_0"_s)->text(), u"日期"_s);
}

void TestReportScreen::byDateLimit_data() {
    QTest::addColumn<int>("movements");
    QTest::addColumn<int>("records");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("30000 listed with the total") << 30000 << 30001 << QStringList();
    QTest::newRow("30001 refused, nothing listed")
        << 30001 << 0 << QStringList{u"数据太多，请缩短查询时间范围！"_s};
}

void TestReportScreen::byDateLimit() {
    QFETCH(int, movements);
    QFETCH(int, records);
    QFETCH(QStringList, messages);
    Fixture fixture({});
    MovementFixture::addSales(fixture.shop.db(), movements, QDate(2017, 2, 13), 28);
    QTest::mouseClick(fixture.find<QPushButton>(u"queryButton"_s), Qt::LeftButton);
    QCOMPARE(fixture.grid()->model().count(), records);
    QCOMPARE(fixture.platform.messages, messages);
}

void TestReportScreen::byNameRunsBesideTheWindow() {
    Fixture fixture({movement(u"销售"_s, QDate(2017, 3, 1), 2, 4),
                     movement(u"销售"_s, QDate(2017, 3, 2), 3, 6),
                     movement(u"销售"_s, QDate(2017, 3, 3), 5, 10)});
    fixture.queryByName();
    auto* progress = fixture.find<ReportProgress>(u"progressPanel"_s);
    auto* query = fixture.find<QPushButton>(u"queryButton"_s);
    QVERIFY(progress->isVisible());
    QVERIFY(!query->isEnabled());
    QVERIFY(!fixture.find<QPushButton>(u"exportButton"_s)->isEnabled());
    QTRY_VERIFY(!progress->isVisible());
    QVERIFY(query->isEnabled());
    QCOMPARE(fixture.find<QPushButton>(u"Cm2_0"_s)->text(), u"编号\\条码"_s);
    QCOMPARE(fixture.records(), (QStringList{u"0069|中华|厂|包|||10|20.00|"_s, TotalOf20}));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestReportScreen::unknownCategoryReportsSales() {
    Fixture fixture({movement(u"入库"_s, QDate(2017, 3, 1), 1, 1),
                     movement(u"销售"_s, QDate(2017, 3, 2), 5, 20)});
    fixture.find<QComboBox>(u"Combo1"_s)->setEditText(u"盘点"_s);
    QTest::mouseClick(fixture.find<QPushButton>(u"queryButton"_s), Qt::LeftButton);
    QCOMPARE(fixture.records(),
             (QStringList{u"2017-03-02|中华|厂|包|1.00|2.00|5|20.00|"_s, TotalOf20}));
}

void TestReportScreen::exportWritesTheList() {
    Fixture fixture({movement(u"入库"_s, QDate(2017, 1, 20), 2, 20)});
    fixture.find<QComboBox>(u"Combo1"_s)->setCurrentText(u"入库"_s);
    fixture.find<QLineEdit>(u"Text3"_s)->setText(u"2017-01-02"_s);
    fixture.find<QLineEdit>(u"Text4"_s)->setText(u"2017-02-02"_s);
    fixture.queryByName();
    QTRY_VERIFY(fixture.find<QPushButton>(u"exportButton"_s)->isEnabled());
    const QString chosen = fixture.shop.folder() + u"/报表 "_s;
    fixture.platform.saveAnswers << u"  "_s + chosen;
    QTest::mouseClick(fixture.find<QPushButton>(u"exportButton"_s), Qt::LeftButton);
    QCOMPARE(fixture.platform.messages, QStringList{u"文件导出成功！"_s});
    const QMap<QString, SheetReader::Cell> cells =
        SheetReader::read(fixture.shop.folder() + u"/报表.xlsx"_s);
    QCOMPARE(cells.value(u"C1"_s).value, u"入库报表（2017.01.02-2017.02.02）"_s);
    QCOMPARE(cells.value(u"A2"_s).value, u"编号\\条码"_s);
    QCOMPARE(cells.value(u"A3"_s).value, u"0069"_s);
    QVERIFY(cells.value(u"A3"_s).text);
    QCOMPARE(cells.value(u"A4"_s).value, u"合计"_s);
    QCOMPARE(cells.value(u"H4"_s).value, u"20"_s);
}

void TestReportScreen::exportCancelledOrFailed_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("failed");
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("under a file, not a folder") << u"/数据库.dat/报表"_s << true;
    QTest::newRow("in a missing folder") << u"/缺少/报表"_s << true;
}

void TestReportScreen::exportCancelledOrFailed() {
    QFETCH(QString, answer);
    QFETCH(bool, failed);
    Fixture fixture({movement(u"销售"_s, QDate(2017, 3, 1), 1, 1)});
    if (!answer.isEmpty())
        fixture.platform.saveAnswers << fixture.shop.folder() + answer;
    QTest::mouseClick(fixture.find<QPushButton>(u"exportButton"_s), Qt::LeftButton);
    QCOMPARE(fixture.platform.messages.size(), failed ? 1 : 0);
    if (failed)
        QVERIFY(fixture.platform.messages.first().startsWith(u"导出失败："_s));
    QCOMPARE(QDir(fixture.shop.folder()).entryList({u"报表*"_s}), QStringList());
}

GUI_TEST_MAIN(TestReportScreen)
#include "tst_reportscreen.moc"
