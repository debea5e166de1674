#include "checkout/ProductFixture.h"
#include "checkout/ScreenFixture.h"
#include "checkout/gui/HistoryPanel.h"
#include "support/GuiTestMain.h"
#include "ui/Twips.h"

#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

using ProductFixture::rows;

const QString Zhonghua = u"20170313183319"_s; // 库存 88, 售价 45
const QString Baisha = u"20170313183515"_s;   // 库存 19, 售价 30

QString stock(Database& db, const QString& id) {
    Statement query = db.prepare(u"SELECT [库存] FROM [商品] WHERE [ID号] = ?");
    query.bind(1, id);
    return query.next() ? query.decimal(0).plainText() : QString();
}

QStringList entries(const ScreenFixture& till) {
    QStringList texts;
    QListWidget* history = till.list(u"historyList"_s);
    for (int i = 0; i < history->count(); ++i)
        texts.append(history->item(i)->text());
    return texts;
}

// Rings up and saves one sale: quantity times each of the products found by the texts.
void sell(ScreenFixture& till, const QList<std::pair<QString, int>>& lines) {
    till.key(Qt::Key_F9);
    for (const auto& [text, quantity] : lines) {
        for (int i = 0; i < quantity; ++i)
            till.pick(text);
    }
    till.key(Qt::Key_F12);
}

} // namespace

class TestSalesHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savesTheSaleOnScreen();
    void printsOnRequest();
    void failedSaveKeepsTheSale_data();
    void failedSaveKeepsTheSale();
    void keepsTheStartDayOverMidnight();
    void limitsTextsToTheirColumns();
    void refusesTheDaysTenThousandthSale();
    void queriesDateRanges_data();
    void queriesDateRanges();
    void showsAndCorrectsASale();
    void deletesTheShownSale_data();
    void deletesTheShownSale();
    void placesTheMenu_data();
    void placesTheMenu();
    void keepsEveryCharacterOfEveryField_data();
    void keepsEveryCharacterOfEveryField();
    void failedShowKeepsTheSaleOnScreen();
};

void TestSalesHistory::savesTheSaleOnScreen() {
    ScreenFixture till;
    till.pick(u"zh"_s);
    till.pick(u"zh"_s);
    till.pick(u"bs"_s);
    till.box(u"received"_s)->setFocus();
    ScreenFixture::type(till.box(u"received"_s), u"150"_s);
    till.box(u"fromDate"_s)->setText(u"2017-01-01"_s);
    till.key(Qt::Key_F12);
    QVERIFY(till.find(u"savedMark"_s)->isVisible());
    QCOMPARE(QApplication::focusWidget(), till.box(u"received"_s));
    QCOMPARE(till.box(u"fromDate"_s)->text(), u"2017-03-13"_s);
    QCOMPARE(entries(till), QStringList{u"A170313-0001[2017-03-13] 现金"_s});
    QCOMPARE(rows(till.shop.db(), u"SELECT [实收] || '|' || [找零] FROM [订单]"_s),
             QStringList{u"150|30.00"_s});
    QCOMPARE(stock(till.shop.db(), Zhonghua), u"86"_s);
    QTRY_VERIFY_WITH_TIMEOUT(!till.find(u"savedMark"_s)->isVisible(), 2000);

    // Saving again replaces the stored sale, with a received amount typed since.
    ScreenFixture::replace(till.box(u"received"_s), u"200"_s);
    till.click(u"saveButton"_s);
    QCOMPARE(rows(till.shop.db(), u"SELECT [实收] || '|' || [找零] FROM [订单]"_s),
             QStringList{u"200|80.00"_s});
    QCOMPARE(rows(till.shop.db(), u"SELECT [销售号] FROM [出入库] ORDER BY 1"_s),
             (QStringList{u"A170313-0001000"_s, u"A170313-0001001"_s}));
    QCOMPARE(stock(till.shop.db(), Zhonghua), u"86"_s);
    QCOMPARE(till.screen->receiptSale().lines.size(), 2); // the saved sale stays shown
    till.key(Qt::Key_F9);
    QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0002"_s);
}

void TestSalesHistory::printsOnRequest() {
    ScreenFixture till;
    QSignalSpy printed(till.screen.get(), &SalesScreen::printRequested);
    QSignalSpy saved(till.screen.get(), &SalesScreen::saleSaved);
    till.pick(u"hts"_s);
    till.key(Qt::Key_F12);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.first().at(0).value<ReceiptSale>().lines.size(), 1);
    QCOMPARE(printed.count(), 0); // whether a save prints is the till's to say
    till.box(u"received"_s)->setFocus();
    ScreenFixture::type(till.box(u"received"_s), u"30"_s);
    till.key(Qt::Key_F4);
    till.click(u"printButton"_s);
    QCOMPARE(printed.count(), 2);
    const auto sale = printed.last().at(0).value<ReceiptSale>();
    QCOMPARE(sale.saleNumber, u"A170313-0001"_s);
    QCOMPARE(sale.saleDate, u"2017-03-13"_s);
    QCOMPARE(sale.lines.size(), 1);
    QCOMPARE(sale.lines.at(0).name, u"红塔山\\金装"_s);
    QCOMPARE(sale.lines.at(0).unitPrice, u"26.00"_s);
    QCOMPARE(sale.total, u"26.00"_s);
    QCOMPARE(sale.received, u"30"_s);
    QCOMPARE(sale.change, u"4.00"_s);
}

void TestSalesHistory::failedSaveKeepsTheSale_data() {
    QTest::addColumn<QString>("script"); // what makes the save fail
    QTest::addColumn<QString>("reason");
    const auto failing = [](const QString& when) -> QString {
        return u"CREATE TRIGGER [fail] " + when + u" BEGIN SELECT RAISE(ABORT, 'disk full'); END;";
    };
    QTest::newRow("second line")
        << failing(u"BEFORE INSERT ON [出入库] WHEN NEW.[销售号] LIKE '%001'"_s) << u"disk full"_s;
    QTest::newRow("order row") << failing(u"BEFORE INSERT ON [订单]"_s) << u"disk full"_s;
    QTest::newRow("a stock past Currency, refused")
        << u"UPDATE [商品] SET [库存] = -9223372036854775000;"_s << u"库存超出可保存的范围"_s;
}

void TestSalesHistory::failedSaveKeepsTheSale() {
    QFETCH(QString, script);
    QFETCH(QString, reason);
    ScreenFixture till;
    QSignalSpy saved(till.screen.get(), &SalesScreen::saleSaved);
    till.shop.db().execScript(script);
    till.pick(u"zh"_s);
    till.pick(u"bs"_s);
    const QString before = ProductFixture::snapshot(till.shop.db());
    till.key(Qt::Key_F12);
    QCOMPARE(till.platform.messages.size(), 1);
    QVERIFY(till.platform.messages.first().startsWith(u"保存失败："_s));
    QVERIFY(till.platform.messages.first().contains(reason));
    QVERIFY(!till.find(u"savedMark"_s)->isVisible());
    QCOMPARE(saved.count(), 0);
    QCOMPARE(ProductFixture::snapshot(till.shop.db()), before);
    QCOMPARE(till.screen->receiptSale().lines.size(), 2);
    QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0001"_s);
}

void TestSalesHistory::keepsTheStartDayOverMidnight() {
    ScreenFixture till(QDate(2017, 3, 13));
    till.platform.clock = QDateTime(QDate(2017, 3, 13), QTime(23, 59));
    till.key(Qt::Key_F9);
    till.pick(u"zh"_s);
    till.platform.clock = QDateTime(QDate(2017, 3, 14), QTime(0, 1));
    till.key(Qt::Key_F12);
    QCOMPARE(rows(till.shop.db(), u"SELECT [ID号] || [日期] FROM [订单]"_s),
             QStringList{u"A170313-00012017-03-13"_s});
    QCOMPARE(rows(till.shop.db(), u"SELECT [日期] FROM [出入库]"_s), QStringList{u"2017-03-13"_s});
    till.key(Qt::Key_F9);
    QCOMPARE(till.text(u"saleNumber"_s), u"A170314-0001"_s);
}

void TestSalesHistory::limitsTextsToTheirColumns() {
    ScreenFixture till;
    const QString name = QString(60, u'长');
    ProductFixture::add(till.shop.db(), {u"long"_s, name, u"厂"_s, Decimal::fromInt(2), Decimal()});
    till.pick(u"Along"_s);
    till.cell(0, 7)->setFocus();
    ScreenFixture::type(till.cell(0, 7), QString(60, u'注'));
    till.box(u"received"_s)->setFocus();
    ScreenFixture::type(till.box(u"received"_s), u"1234567.00"_s);
    till.key(Qt::Key_F12);
    QVERIFY(till.platform.messages.isEmpty());
    QCOMPARE(rows(till.shop.db(), u"SELECT [名称] || '|' || [备注] FROM [出入库]"_s),
             QStringList{QString(50, u'长') + u'|' + QString(50, u'注')});
    QCOMPARE(rows(till.shop.db(), u"SELECT [实收] FROM [订单]"_s), QStringList{u"1234567.00"_s});
    QCOMPARE(rows(till.shop.db(), u"SELECT [找零] FROM [订单]"_s), QStringList{u"1234565.00"_s});
}

void TestSalesHistory::refusesTheDaysTenThousandthSale() {
    ScreenFixture till;
    till.pick(u"zh"_s);
    till.shop.db().exec(
        u"INSERT INTO [订单] ([ID号], [日期]) VALUES ('A170313-9999', '2017-03-13')");
    till.platform.choices = {Platform::Answer::No};
    till.key(Qt::Key_F9);
    QCOMPARE(till.platform.messages.size(), 2); // the question, then the refusal
    QVERIFY(till.platform.messages.last().contains(u"9999"_s));
    QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0001"_s);
    QCOMPARE(till.screen->receiptSale().lines.size(), 1); // the sale on screen stays
}

void TestSalesHistory::queriesDateRanges_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("button"); // pressed after writing the to-date, if any
    QTest::addColumn<QString>("toDate");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("message");
    const QString badDate = u"请填写正确格式的起止日期！日期格式为“2016-01-03”。"_s;
    QTest::newRow("opening on the 31st goes back to the month's end")
        << QDate(2017, 3, 31) << QString() << QString() << u"2017-02-28"_s << u"2017-03-31"_s
        << QStringList{u"A170305-0001[2017-03-05] 现金"_s, u"A170301-0002[2017-03-01] 现金"_s,
                       u"A170301-0001[2017-03-01] 现金"_s, u"A170228-0001[2017-02-28] 现金"_s}
        << QString();
    QTest::newRow("day back over a month's start")
        << QDate(2017, 3, 13) << u"dayBack"_s << u"2017-03-01"_s << u"2017-02-28"_s
        << u"2017-02-28"_s << QStringList{u"A170228-0001[2017-02-28] 现金"_s} << QString();
    QTest::newRow("day forward") << QDate(2017, 3, 13) << u"dayForward"_s << u"2017-02-28"_s
                                 << u"2017-03-01"_s << u"2017-03-01"_s
                                 << QStringList{u"A170301-0002[2017-03-01] 现金"_s,
                                                u"A170301-0001[2017-03-01] 现金"_s}
                                 << QString();
    QTest::newRow("short month and day accepted")
        << QDate(2017, 3, 13) << u"historyQuery"_s << u"2017-3-5"_s << u"2017-02-13"_s
        << u"2017-3-5"_s
        << QStringList{u"A170305-0001[2017-03-05] 现金"_s, u"A170301-0002[2017-03-01] 现金"_s,
                       u"A170301-0001[2017-03-01] 现金"_s, u"A170228-0001[2017-02-28] 现金"_s,
                       u"A170227-0001[2017-02-27] 现金"_s}
        << QString();
    QTest::newRow("letters bring the message")
        << QDate(2017, 3, 13) << u"historyQuery"_s << u"abc"_s << u"2017-02-13"_s << u"abc"_s
        << QStringList{} << badDate;
    QTest::newRow("day back from letters brings the message")
        << QDate(2017, 3, 13) << u"dayBack"_s << u"abc"_s << u"2017-02-13"_s << u"abc"_s
        << QStringList{} << badDate;
}

void TestSalesHistory::queriesDateRanges() {
    QFETCH(QDate, today);
    QFETCH(QString, button);
    QFETCH(QString, toDate);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, listed);
    QFETCH(QString, message);
    TempShop seeded;
    for (const auto& [number, date] : {std::pair{u"A170228-0001"_s, u"2017-02-28"_s},
                                       {u"A170301-0001"_s, u"2017-03-01"_s},
                                       {u"A170301-0002"_s, u"2017-03-01"_s},
                                       {u"A170305-0001"_s, u"2017-03-05"_s},
                                       {u"A170227-0001"_s, u"2017-02-27"_s}}) {
        seeded.db().exec(u"INSERT INTO [订单] ([ID号], [日期]) VALUES (?, ?)", number, date);
    }
    ScreenFixture till(today);
    for (const QString& sql : rows(seeded.db(), u"SELECT [ID号] || ',' || [日期] FROM [订单]"_s)) {
        till.shop.db().exec(u"INSERT INTO [订单] ([ID号], [日期]) VALUES (?, ?)",
                            sql.section(u',', 0, 0), sql.section(u',', 1, 1));
    }
    if (button.isEmpty()) {
        till.reopen();
    } else {
        till.box(u"toDate"_s)->setText(toDate);
        QTest::mouseClick(till.find(button), Qt::LeftButton);
    }
    QCOMPARE(till.box(u"fromDate"_s)->text(), from);
    QCOMPARE(till.box(u"toDate"_s)->text(), to);
    QCOMPARE(entries(till), listed);
    QCOMPARE(till.platform.messages, message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(till.platform.warnings, till.platform.messages);
}

void TestSalesHistory::showsAndCorrectsASale() {
    ScreenFixture till;
    till.pick(u"zh"_s);
    till.pick(u"zh"_s);
    till.pick(u"zh"_s);
    till.pick(u"bs"_s);
    till.pick(u"hts"_s);
    till.key(Qt::Key_F10);
    ScreenFixture::replace(till.cell(0, 5), u".9"_s);
    till.box(u"received"_s)->setFocus();
    ScreenFixture::type(till.box(u"received"_s), u"500"_s);
    till.key(Qt::Key_F12);
    QCOMPARE(stock(till.shop.db(), Zhonghua), u"85"_s);
    till.key(Qt::Key_F9);
    till.pick(u"bs"_s);

    till.platform.choices = {Platform::Answer::No};
    till.clickHistory(0);
    QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0001"_s);
    QCOMPARE(till.text(u"saleDate"_s), u"2017-03-13"_s);
    QStringList shown;
    for (int row = 0; row < 4; ++row)
        shown.append(till.cellText(row, 1) + u'|' + till.cellText(row, 3) + u'|' +
                     till.cellText(row, 5) + u'|' + till.cellText(row, 6));
    QCOMPARE(shown, (QStringList{u"中华\\硬盒|3|0.9|121.50"_s, u"白沙\\硬盒|1|1|30.00"_s,
                                 u"红塔山\\金装|1|1|26.00"_s, u"|||"_s}));
    QCOMPARE(till.text(u"total"_s), u"177.50"_s);
    QCOMPARE(till.text(u"discountGiven"_s), u"13.50"_s);
    QCOMPARE(till.box(u"received"_s)->text(), u"500"_s);
    QCOMPARE(till.text(u"change"_s), u"322.50"_s);
    QVERIFY(!till.find(u"deleteButton"_s)->isEnabled());

    // 3 corrected to 1 and saved again gives 2 back, and keeps what the customer paid.
    till.key(Qt::Key_F10);
    ScreenFixture::type(till.cell(0, 3), u"1"_s);
    till.key(Qt::Key_F12);
    QCOMPARE(stock(till.shop.db(), Zhonghua), u"87"_s);
    QCOMPARE(rows(till.shop.db(), u"SELECT count(*) FROM [出入库]"_s), QStringList{u"3"_s});
    QCOMPARE(rows(till.shop.db(), u"SELECT [实收] || '|' || [找零] FROM [订单]"_s),
             QStringList{u"500|322.50"_s});
}

void TestSalesHistory::deletesTheShownSale_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes deletes") << true;
    QTest::newRow("No keeps it") << false;
}

void TestSalesHistory::deletesTheShownSale() {
    QFETCH(bool, yes);
    ScreenFixture till;
    sell(till, {{u"zh"_s, 2}});
    sell(till, {{u"bs"_s, 1}});
    QCOMPARE(stock(till.shop.db(), Zhonghua), u"86"_s);
    QCOMPARE(entries(till),
             (QStringList{u"A170313-0002[2017-03-13] 现金"_s, u"A170313-0001[2017-03-13] 现金"_s}));
    till.clickHistory(1); // shows -0001
    till.clickHistory(0, Qt::RightButton);
    QWidget* menu = till.find(u"historyMenu"_s);
    QVERIFY(menu->isVisible());
    QCOMPARE(till.list(u"historyList"_s)->currentRow(), 1); // the right click selects nothing
    till.platform.answers = {yes};
    QTest::mouseClick(till.find(u"menuDelete"_s), Qt::LeftButton);
    QVERIFY(!menu->isVisible());
    QCOMPARE(till.platform.questions, QStringList{u"该数据删除后将不能恢复，确认删除吗？"_s});
    if (!yes) {
        QCOMPARE(stock(till.shop.db(), Zhonghua), u"86"_s);
        QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0001"_s);
        return;
    }
    QCOMPARE(stock(till.shop.db(), Zhonghua), u"88"_s);
    QCOMPARE(stock(till.shop.db(), Baisha), u"18"_s);
    QCOMPARE(entries(till), QStringList{u"A170313-0002[2017-03-13] 现金"_s});
    QCOMPARE(rows(till.shop.db(), u"SELECT [销售号] FROM [出入库]"_s),
             QStringList{u"A170313-0002000"_s});
    QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0003"_s);
    QVERIFY(till.screen->receiptSale().lines.isEmpty());

    // Deleting the day's last sale frees its number.
    till.clickHistory(0);
    till.clickHistory(0, Qt::RightButton);
    QTest::mouseClick(till.find(u"menuDelete"_s), Qt::LeftButton);
    QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0001"_s);
    QVERIFY(entries(till).isEmpty());
}

void TestSalesHistory::placesTheMenu_data() {
    QTest::addColumn<int>("y");           // pixels into the list
    QTest::addColumn<int>("expectedTop"); // twips
    QTest::newRow("near the top") << 10 << 5580 + 10 * 15 + 60;
    QTest::newRow("near the bottom") << 140 << HistoryPanel::LowestMenuTop;
}

void TestSalesHistory::placesTheMenu() {
    QFETCH(int, y);
    QFETCH(int, expectedTop);
    ScreenFixture till;
    for (int i = 0; i < 12; ++i)
        sell(till, {{u"zh"_s, 1}});
    till.key(Qt::Key_F9);
    QListWidget* history = till.list(u"historyList"_s);
    QWidget* menu = till.find(u"historyMenu"_s);
    const QPoint inList(20, y);
    const QPoint inViewport = history->viewport()->mapFrom(history, inList);
    QTest::mouseClick(history->viewport(), Qt::RightButton, Qt::NoModifier, inViewport);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), QPoint(Twips::px(60) + 20 + Twips::px(60),
                                 std::min(Twips::px(5580) + y + Twips::px(60),
                                          Twips::px(HistoryPanel::LowestMenuTop))));
    QCOMPARE(menu->y(), Twips::px(expectedTop));
    QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0013"_s); // no sale was shown
    history->setFocus(Qt::TabFocusReason);
    QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0013"_s);

    QWidget* remove = till.find(u"menuDelete"_s);
    QWidget* cancel = till.find(u"menuCancel"_s);
    QTest::mouseMove(remove);
    QTRY_COMPARE(remove->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Highlight));
    QCOMPARE(remove->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(cancel->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(cancel->palette().color(QPalette::WindowText), QColor(Qt::black));

    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(!menu->isVisible());
    QVERIFY(till.platform.questions.isEmpty());
    QTest::mouseClick(history->viewport(), Qt::RightButton, Qt::NoModifier, inViewport);
    QTest::mousePress(till.list(u"pickList"_s)->viewport(), Qt::LeftButton);
    QVERIFY(!menu->isVisible());
}

void TestSalesHistory::keepsEveryCharacterOfEveryField_data() {
    QTest::addColumn<QStringList>("texts"); // name, unit, maker, remark
    QTest::newRow("the grid's old separator")
        << QStringList{u"ファンタ\\ソファ"_s, u"ァ"_s, u"ァ厂ァ"_s, u"ソファァ"_s};
    QTest::newRow("backslash and brackets")
        << QStringList{u"[中]\\[硬]"_s, u"[包]"_s, u"[厂]\\"_s, u"]备[\\"_s};
}

void TestSalesHistory::keepsEveryCharacterOfEveryField() {
    QFETCH(QStringList, texts);
    ScreenFixture till;
    till.shop.db().exec(u"INSERT INTO [商品] ([ID号], [查询], [编号], [名称], [单位], [进价], "
                        u"[售价], [厂家], [库存]) VALUES ('p1', 'Ap1', 'Ap1', ?, ?, 0, ?, ?, ?)",
                        texts[0], texts[1], Decimal::fromInt(12), texts[2], Decimal::fromInt(5));
    till.pick(u"Ap1"_s);
    till.cell(0, 7)->setFocus();
    ScreenFixture::type(till.cell(0, 7), texts[3]);
    till.pick(u"Ap1"_s);
    const QStringList shown{till.cellText(0, 1), till.cellText(0, 2), till.cellText(0, 3),
                            till.cellText(0, 6), till.cellText(0, 7)};
    QCOMPARE(shown, (QStringList{texts[0], texts[1], u"2"_s, u"24.00"_s, texts[3]}));
    till.key(Qt::Key_F12);
    QCOMPARE(rows(till.shop.db(), u"SELECT [名称] || '|' || [单位] || '|' || [厂家] || '|' || "
                                  u"[备注] || '|' || [数量] || '|' || [金额] FROM [出入库]"_s),
             QStringList{texts.join(u'|') + u"|20000|240000"});
    QCOMPARE(stock(till.shop.db(), u"p1"_s), u"3"_s);
    till.key(Qt::Key_F9);
    till.clickHistory(0);
    QCOMPARE(till.cellText(0, 7), texts[3]);
    const ReceiptSale receipt = till.screen->receiptSale();
    QCOMPARE(receipt.lines.size(), 1);
    QCOMPARE(receipt.lines[0].name, texts[0]);
    QCOMPARE(receipt.lines[0].quantity + u'|' + receipt.lines[0].amount, u"2|24.00"_s);
    QCOMPARE(receipt.total, u"24.00"_s);
}

void TestSalesHistory::failedShowKeepsTheSaleOnScreen() {
    ScreenFixture till;
    sell(till, {{u"zh"_s, 2}});
    till.key(Qt::Key_F9);
    till.pick(u"bs"_s);
    till.shop.db().execScript(u"ALTER TABLE [出入库] RENAME TO [moved];");
    till.platform.choices = {Platform::Answer::No};
    till.clickHistory(0);
    QCOMPARE(till.platform.messages.size(), 2); // the question, then the failure
    QVERIFY(till.platform.messages.last().startsWith(u"读取销售记录失败："_s));
    QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0002"_s);
    QCOMPARE(till.cellText(0, 1), u"白沙\\硬盒"_s);
    till.shop.db().execScript(u"ALTER TABLE [moved] RENAME TO [出入库];");
    till.key(Qt::Key_F12);
    QCOMPARE(rows(till.shop.db(), u"SELECT [销售号] || [数量] FROM [出入库] ORDER BY 1"_s),
             (QStringList{u"A170313-000100020000"_s, u"A170313-000200010000"_s}));
}

GUI_TEST_MAIN(TestSalesHistory)
#include "tst_saleshistory.moc"
