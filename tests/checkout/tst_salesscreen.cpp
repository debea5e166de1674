#include "checkout/ProductFixture.h"
#include "checkout/ScreenFixture.h"
#include "support/GuiTestMain.h"
#include "ui/Twips.h"
#include "ui/grid/RecordGrid.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Stem = u"测试"_s;

QString barcode(int i) {
    return ProductFixture::barcode(Stem, i);
}

// Adds a product of the given price that the text "价" + price finds alone.
void addPriced(Database& db, const QString& price) {
    ProductFixture::add(db, {u"p" + price, u"价" + price + u"品", u"厂"_s, Decimal::read(price),
                             Decimal::fromInt(10)});
}

QColor bandColour(const ScreenFixture& till, int row) {
    return till.find(u"band_" + QString::number(row))->palette().color(QPalette::Window);
}

} // namespace

class TestSalesScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placesElements_data();
    void placesElements();
    void showsCaptionsAndFonts();
    void searchesAsYouType_data();
    void searchesAsYouType();
    void entersTheOnlyMatch_data();
    void entersTheOnlyMatch();
    void pickingTwiceRaisesTheQuantity_data();
    void pickingTwiceRaisesTheQuantity();
    void scansBarcodes();
    void keepsEveryDigitOfABurst();
    void remembersBarcodeMode();
    void editsCells_data();
    void editsCells();
    void typingIntoAnEmptyRowMakesNoLine();
    void computesChange_data();
    void computesChange();
    void keepsChangeWhenTheTotalMoves();
    void deletesTheSelectedLine();
    void deletesTheTopLineAfterScrolling();
    void editsTheTopVisibleLine();
    void scrollingKeepsTheCart();
    void addingKeepsTheHighlight();
    void startsTheSameNumberUntilSaved();
};

void TestSalesScreen::placesElements_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("search box") << u"Text1"_s << QRect(60, 360, 3615, 345);
    QTest::newRow("check box") << u"Check1"_s << QRect(2280, 30, 1395, 255);
    QTest::newRow("pick list") << u"pickList"_s << QRect(60, 780, 3615, 3840);
    QTest::newRow("from-date") << u"fromDate"_s << QRect(720, 4740, 1875, 315);
    QTest::newRow("to-date") << u"toDate"_s << QRect(720, 5160, 1875, 315);
    QTest::newRow("query") << u"historyQuery"_s << QRect(2670, 4740, 930, 345);
    QTest::newRow("day back") << u"dayBack"_s << QRect(2670, 5160, 450, 310);
    QTest::newRow("day forward") << u"dayForward"_s << QRect(3150, 5160, 450, 310);
    QTest::newRow("history list") << u"historyList"_s << QRect(60, 5580, 3615, 2220);
    QTest::newRow("received") << u"received"_s << QRect(7920, 6600, 1215, 405);
    QTest::newRow("change") << u"change"_s << QRect(7920, 7200, 1215, 375);
    QTest::newRow("new sale") << u"newButton"_s << QRect(9480, 6600, 975, 855);
    QTest::newRow("save") << u"saveButton"_s << QRect(10500, 6600, 975, 855);
    QTest::newRow("delete") << u"deleteButton"_s << QRect(11520, 6600, 915, 855);
    QTest::newRow("print") << u"printButton"_s << QRect(12480, 6600, 915, 855);
    QTest::newRow("quantity header") << u"Cm2_3"_s << QRect(3720 + 4860, 360, 735, 255);
    QTest::newRow("remark header") << u"Cm2_7"_s << QRect(3720 + 7920, 360, 1635, 255);
}

void TestSalesScreen::placesElements() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    ScreenFixture till;
    QWidget* widget = till.find(name);
    const QRect expected = Twips::rect(twips.x(), twips.y(), twips.width(), twips.height());
    QCOMPARE(QRect(widget->mapTo(till.screen.get(), QPoint(0, 0)), widget->size()), expected);
}

void TestSalesScreen::showsCaptionsAndFonts() {
    ScreenFixture till;
    QCOMPARE(till.screen->windowTitle(), u"销售管理"_s);
    QCOMPARE(till.screen->size(), Twips::size(13635, 7860));
    QCOMPARE(till.find<QCheckBox>(u"Check1"_s)->text(), u"扫描条码查询"_s);
    QCOMPARE(till.find(u"Pt1"_s)->mapTo(till.screen.get(), QPoint(0, 0)),
             QPoint(Twips::px(3720), Twips::px(360)));
    QCOMPARE(till.find(u"Pt1"_s)->width(), Twips::px(9855));
    QStringList headers;
    for (int column = 0; column < 8; ++column)
        headers.append(till.find<QPushButton>(u"Cm2_" + QString::number(column))->text());
    QCOMPARE(headers, (QStringList{u"编号\\条码"_s, u"商品名称\\规格"_s, u"单位"_s, u"数量"_s,
                                   u"单价"_s, u"折扣"_s, u"金额"_s, u"备注"_s}));
    const std::pair<QString, int> fonts[] = {
        {u"total"_s, 24}, {u"received"_s, 15}, {u"change"_s, 15}, {u"saleNumber"_s, 9}};
    for (const auto& [name, points] : fonts) {
        QCOMPARE(till.find(name)->font().pointSize(), points);
        QVERIFY(till.find(name)->font().bold());
    }
    QCOMPARE(till.box(u"Text1"_s)->font().pointSize(), 12);
    QCOMPARE(till.find(u"change"_s)->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
    QCOMPARE(till.text(u"total"_s), u"0.00"_s);
    QCOMPARE(till.text(u"discountGiven"_s), u"0.00"_s);
    QCOMPARE(QApplication::focusWidget(), till.box(u"Text1"_s));
}

void TestSalesScreen::searchesAsYouType_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("250 matches list the first 200 by name")
        << Stem << 200 << u"测试000000[厂]"_s << u"测试000199[厂]"_s;
    QTest::newRow("nothing typed lists the first 200 of all")
        << QString() << 200 << u"阿诗玛\\软盒[玉溪卷烟厂]"_s << u"测试000197[厂]"_s;
    QTest::newRow("pinyin initials")
        << u"bs"_s << 1 << u"白沙\\硬盒[湖南制烟厂]"_s << u"白沙\\硬盒[湖南制烟厂]"_s;
    QTest::newRow("bare name for a blank maker") << u"无厂"_s << 1 << u"无厂家"_s << u"无厂家"_s;
    QTest::newRow("a quote finds nothing") << u"'"_s << 0 << QString() << QString();
}

void TestSalesScreen::searchesAsYouType() {
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    ScreenFixture till;
    ProductFixture::addNumbered(till.shop.db(), 250, Stem);
    ProductFixture::add(till.shop.db(), {u"bare"_s, u"无厂家"_s, u"   "_s, Decimal(), Decimal()});
    ScreenFixture::type(till.box(u"Text1"_s), text + u'x');
    QTest::keyClick(till.box(u"Text1"_s), Qt::Key_Backspace); // every keystroke searches
    QListWidget* picks = till.list(u"pickList"_s);
    QCOMPARE(picks->count(), count);
    if (count == 0)
        return;
    QCOMPARE(picks->item(0)->text(), first);
    QCOMPARE(picks->item(count - 1)->text(), last);
    QCOMPARE(picks->currentRow(), count == 1 ? 0 : -1);
}

void TestSalesScreen::entersTheOnlyMatch_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("line");
    QTest::newRow("one match is added") << u"hts"_s << QStringList{u"A20170313183621"_s,
                                                                   u"红塔山\\金装"_s,
                                                                   u"包"_s,
                                                                   u"1"_s,
                                                                   u"26.00"_s,
                                                                   u"1"_s,
                                                                   u"26.00"_s};
    QTest::newRow("several matches add nothing") << u"上海"_s << QStringList{};
    QTest::newRow("no match adds nothing") << u"没有"_s << QStringList{};
}

void TestSalesScreen::entersTheOnlyMatch() {
    QFETCH(QString, text);
    QFETCH(QStringList, line);
    ScreenFixture till;
    till.pick(text);
    QStringList shown;
    for (int column = 0; column < line.size(); ++column)
        shown.append(till.cellText(0, column));
    QCOMPARE(shown, line);
    QCOMPARE(till.screen->receiptSale().lines.size(), line.isEmpty() ? 0 : 1);
    if (line.isEmpty())
        return;
    QCOMPARE(till.text(u"total"_s), u"26.00"_s);
    QVERIFY(till.box(u"Text1"_s)->text().isEmpty());
    QCOMPARE(till.list(u"pickList"_s)->count(), 5);
    QCOMPARE(till.list(u"pickList"_s)->currentRow(), -1);
    QCOMPARE(QApplication::focusWidget(), till.box(u"Text1"_s));
}

void TestSalesScreen::pickingTwiceRaisesTheQuantity_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("Down and Enter") << false;
    QTest::newRow("double click") << true;
}

void TestSalesScreen::pickingTwiceRaisesTheQuantity() {
    QFETCH(bool, doubleClick);
    ScreenFixture till;
    QListWidget* picks = till.list(u"pickList"_s);
    for (int i = 0; i < 2; ++i) {
        ScreenFixture::type(till.box(u"Text1"_s), u"红"_s); // 红双喜 and 红塔山
        if (doubleClick) {
            const QPoint at = picks->visualItemRect(picks->item(0)).center();
            QTest::mouseClick(picks->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(picks->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        } else {
            QTest::keyClick(till.box(u"Text1"_s), Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), picks);
            QCOMPARE(picks->currentRow(), 0);
            QTest::keyClick(picks, Qt::Key_Return);
        }
    }
    QCOMPARE(till.screen->receiptSale().lines.size(), 1);
    QCOMPARE(till.cellText(0, 1), u"红双喜\\精品"_s);
    QCOMPARE(till.cellText(0, 3), u"2"_s);
    QCOMPARE(till.cellText(0, 6), u"76.00"_s);
    QCOMPARE(till.text(u"total"_s), u"76.00"_s);
}

void TestSalesScreen::scansBarcodes() {
    ScreenFixture till;
    ProductFixture::addNumbered(till.shop.db(), 30, Stem);
    QTest::mouseClick(till.find(u"Check1"_s), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QLineEdit* scanner = till.box(u"Text5"_s);
    QVERIFY(scanner->isVisible());
    QVERIFY(!till.box(u"Text1"_s)->isVisible());
    QCOMPARE(QApplication::focusWidget(), scanner);
    const std::pair<QString, int> scans[] = {
        {barcode(3), 1},
        {barcode(3), 1},
        {barcode(12), 2},
        {u"6900000000000"_s, 2},
        {u"69"_s, 2}}; // an unknown code and one matching many add nothing
    for (const auto& [code, lines] : scans) {
        const int listed = till.list(u"pickList"_s)->count();
        QTest::keyClicks(scanner, code);
        QCOMPARE(till.list(u"pickList"_s)->count(), listed); // typing alone searches nothing
        QTest::keyClick(scanner, Qt::Key_Return);
        QCOMPARE(till.screen->receiptSale().lines.size(), lines);
        scanner->clear();
    }
    QCOMPARE(till.cellText(0, 3), u"2"_s);
    QCOMPARE(till.cellText(1, 0), u"A" + barcode(12));
    QTest::keyClicks(scanner, barcode(5));
    QTest::keyClick(scanner, Qt::Key_Return);
    QVERIFY(scanner->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), scanner);
}

void TestSalesScreen::keepsEveryDigitOfABurst() {
    ScreenFixture till;
    ProductFixture::addNumbered(till.shop.db(), 30, Stem);
    till.find<QCheckBox>(u"Check1"_s)->setChecked(true);
    QLineEdit* scanner = till.box(u"Text5"_s);
    scanner->setFocus();
    // Three scans arrive before the screen handles the first one.
    for (const int product : {7, 8, 7}) {
        for (const QChar digit : barcode(product)) {
            QCoreApplication::postEvent(scanner, new QKeyEvent(QEvent::KeyPress,
                                                               Qt::Key_0 + digit.digitValue(),
                                                               Qt::NoModifier, QString(digit)));
            QCoreApplication::postEvent(scanner, new QKeyEvent(QEvent::KeyRelease,
                                                               Qt::Key_0 + digit.digitValue(),
                                                               Qt::NoModifier, QString(digit)));
        }
        QCoreApplication::postEvent(
            scanner, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s));
    }
    QCoreApplication::processEvents();
    const ReceiptSale sale = till.screen->receiptSale();
    QCOMPARE(sale.lines.size(), 2);
    QCOMPARE(sale.lines.at(0).name, u"测试000007"_s);
    QCOMPARE(sale.lines.at(0).quantity, u"2"_s);
    QCOMPARE(sale.lines.at(1).name, u"测试000008"_s);
    QVERIFY(scanner->text().isEmpty());
}

void TestSalesScreen::remembersBarcodeMode() {
    ScreenFixture till;
    for (const bool on : {true, false, true}) {
        till.find<QCheckBox>(u"Check1"_s)->setChecked(on);
        till.reopen();
        QCOMPARE(till.find<QCheckBox>(u"Check1"_s)->isChecked(), on);
        QCOMPARE(till.box(u"Text5"_s)->isVisible(), on);
        QCOMPARE(till.box(u"Text1"_s)->isVisible(), !on);
        QCOMPARE(QApplication::focusWidget(), till.box(on ? u"Text5"_s : u"Text1"_s));
    }
    Statement stored = till.shop.db().prepare(u"SELECT [条码] FROM [设置]");
    QVERIFY(stored.next());
    QCOMPARE(stored.text(0), u"1"_s);
}

void TestSalesScreen::editsCells_data() {
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("amount"); // typed over the computed one unless empty
    QTest::addColumn<QString>("shownAmount");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("discountGiven");
    QTest::newRow("2 x 10.00 x 0.9")
        << u"10"_s << u"2"_s << u"0.9"_s << QString() << u"18.00"_s << u"18.00"_s << u"2.00"_s;
    QTest::newRow("1 x 2.50 x 0.85")
        << u"2.5"_s << u"1"_s << u"0.85"_s << QString() << u"2.13"_s << u"2.13"_s << u"0.37"_s;
    QTest::newRow("1.5 x 3.00") << u"3"_s << u"1.5"_s << u"1"_s << QString() << u"4.50"_s
                                << u"4.50"_s << u"0.00"_s;
    QTest::newRow("letters as quantity")
        << u"10"_s << u"abc"_s << u"1"_s << QString() << u"0.00"_s << u"0.00"_s << u"0.00"_s;
    QTest::newRow("a percentage as discount")
        << u"10"_s << u"1"_s << u"90"_s << QString() << u"900.00"_s << u"900.00"_s << u"-890.00"_s;
    QTest::newRow("a hand-typed amount")
        << u"10"_s << u"2"_s << u"1"_s << u"25"_s << u"25"_s << u"25.00"_s << u"-5.00"_s;
}

void TestSalesScreen::editsCells() {
    QFETCH(QString, price);
    QFETCH(QString, quantity);
    QFETCH(QString, discount);
    QFETCH(QString, amount);
    QFETCH(QString, shownAmount);
    QFETCH(QString, total);
    QFETCH(QString, discountGiven);
    ScreenFixture till;
    addPriced(till.shop.db(), price);
    till.pick(u"价" + price);
    till.key(Qt::Key_F10);
    QCOMPARE(QApplication::focusWidget(), till.cell(0, 3));
    QCOMPARE(till.cell(0, 3)->selectedText(), u"1"_s);
    ScreenFixture::type(till.cell(0, 3), quantity);
    till.key(Qt::Key_F11);
    QCOMPARE(QApplication::focusWidget(), till.cell(0, 5));
    ScreenFixture::type(till.cell(0, 5), discount);
    if (!amount.isEmpty())
        ScreenFixture::replace(till.cell(0, 6), amount);
    QCOMPARE(till.cellText(0, 6), shownAmount);
    QCOMPARE(till.text(u"total"_s), total);
    QCOMPARE(till.text(u"discountGiven"_s), discountGiven);
    QCOMPARE(till.screen->receiptSale().lines.at(0).amount, total);
}

void TestSalesScreen::typingIntoAnEmptyRowMakesNoLine() {
    ScreenFixture till;
    till.key(Qt::Key_F10);
    QCOMPARE(QApplication::focusWidget(), till.cell(0, 3));
    ScreenFixture::type(till.cell(0, 3), u"5"_s);
    QCOMPARE(till.cellText(0, 6), u"0.00"_s);
    QVERIFY(till.screen->receiptSale().lines.isEmpty());
    QCOMPARE(till.text(u"total"_s), u"0.00"_s);
}

void TestSalesScreen::computesChange_data() {
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("change");
    QTest::newRow("20 against 18.00") << u"20"_s << u"2.00"_s;
    QTest::newRow("exactly 18") << u"18"_s << QString();
    QTest::newRow("too little") << u"10"_s << QString();
}

void TestSalesScreen::computesChange() {
    QFETCH(QString, received);
    QFETCH(QString, change);
    ScreenFixture till;
    addPriced(till.shop.db(), u"10"_s);
    till.pick(u"价10"_s);
    till.key(Qt::Key_F10);
    ScreenFixture::type(till.cell(0, 3), u"2"_s);
    till.key(Qt::Key_F11);
    ScreenFixture::type(till.cell(0, 5), u"0.9"_s);
    QLineEdit* field = till.box(u"received"_s);
    field->setFocus();
    ScreenFixture::type(field, received);
    QCOMPARE(till.text(u"change"_s), change);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), till.find(u"newButton"_s));
}

void TestSalesScreen::keepsChangeWhenTheTotalMoves() {
    ScreenFixture till;
    till.pick(u"hts"_s); // 26.00
    till.box(u"received"_s)->setFocus();
    ScreenFixture::type(till.box(u"received"_s), u"50"_s);
    QCOMPARE(till.text(u"change"_s), u"24.00"_s);
    till.pick(u"bs"_s);
    QCOMPARE(till.text(u"total"_s), u"56.00"_s);
    QCOMPARE(till.text(u"change"_s), u"24.00"_s);
}

void TestSalesScreen::deletesTheSelectedLine() {
    ScreenFixture till;
    ProductFixture::addNumbered(till.shop.db(), 25, Stem);
    for (int i = 0; i < 25; ++i)
        till.pick(u"测试0000" + QString::number(i).rightJustified(2, u'0'));
    QCOMPARE(till.scrollBar()->maximum(), 7);
    till.scrollBar()->setValue(7);
    QCOMPARE(till.cellText(0, 1), u"测试000007"_s);
    QVERIFY(!till.find(u"deleteButton"_s)->isEnabled());
    till.clickBand(3);
    QCOMPARE(bandColour(till, 3), RecordGrid::SelectedColour);
    QVERIFY(till.find(u"deleteButton"_s)->isEnabled());
    till.click(u"deleteButton"_s);
    const ReceiptSale sale = till.screen->receiptSale();
    QCOMPARE(sale.lines.size(), 24);
    QCOMPARE(sale.lines.at(10).name, u"测试000011"_s);
    QCOMPARE(till.scrollBar()->value(), 0);
    QCOMPARE(till.cellText(0, 1), u"测试000000"_s);
    QCOMPARE(bandColour(till, 3), RecordGrid::OddColour);
    QVERIFY(!till.find(u"deleteButton"_s)->isEnabled());
}

void TestSalesScreen::deletesTheTopLineAfterScrolling() {
    ScreenFixture till;
    ProductFixture::addNumbered(till.shop.db(), 20, Stem);
    for (int i = 0; i < 20; ++i)
        till.pick(u"测试0000" + QString::number(i).rightJustified(2, u'0'));
    till.scrollBar()->setValue(0);
    till.clickBand(5);
    till.scrollBar()->setValue(2);
    QCOMPARE(bandColour(till, 5), RecordGrid::OddColour);
    till.click(u"deleteButton"_s);
    const ReceiptSale sale = till.screen->receiptSale();
    QCOMPARE(sale.lines.size(), 19);
    QCOMPARE(sale.lines.at(2).name, u"测试000003"_s);
    QCOMPARE(sale.lines.at(4).name, u"测试000005"_s);
}

void TestSalesScreen::editsTheTopVisibleLine() {
    ScreenFixture till;
    ProductFixture::addNumbered(till.shop.db(), 20, Stem);
    for (int i = 0; i < 20; ++i)
        till.pick(u"测试0000" + QString::number(i).rightJustified(2, u'0'));
    QCOMPARE(till.cellText(17, 1), u"测试000019"_s); // the view shows the line just added
    till.scrollBar()->setValue(2);
    till.key(Qt::Key_F10);
    ScreenFixture::type(till.cell(0, 3), u"3"_s);
    QTest::keyClick(till.cell(0, 3), Qt::Key_Return); // Enter moves down a row
    QCOMPARE(QApplication::focusWidget(), till.cell(1, 3));
    const ReceiptSale sale = till.screen->receiptSale();
    QCOMPARE(sale.lines.at(2).quantity, u"3"_s);
    QCOMPARE(sale.lines.at(19).quantity, u"1"_s);
}

void TestSalesScreen::scrollingKeepsTheCart() {
    ScreenFixture till;
    ProductFixture::addNumbered(till.shop.db(), 25, Stem);
    for (int i = 0; i < 25; ++i)
        till.pick(u"测试0000" + QString::number(i).rightJustified(2, u'0'));
    for (const int top : {0, 7}) {
        till.scrollBar()->setValue(top);
        for (int row = 0; row < 18; row += 3) {
            ScreenFixture::replace(till.cell(row, 5),
                                   QString(u"0." + QString::number(row % 9 + 1)));
            ScreenFixture::type(till.cell(row, 7), u"备" + QString::number(top + row));
        }
    }
    const ReceiptSale before = till.screen->receiptSale();
    // A line added without a remark never shows the remark of the line shown there before.
    QCOMPARE(till.cellText(15, 7), u"备22"_s);
    QCOMPARE(till.cellText(1, 7), QString());
    for (const int top : {3, 0, 7, 0, 7}) {
        till.scrollBar()->setValue(top);
        QCOMPARE(till.screen->receiptSale().total, before.total);
    }
    const ReceiptSale after = till.screen->receiptSale();
    for (int i = 0; i < 25; ++i) {
        QCOMPARE(after.lines.at(i).discount, before.lines.at(i).discount);
        QCOMPARE(after.lines.at(i).amount, before.lines.at(i).amount);
    }
    QCOMPARE(after.discountGiven, before.discountGiven);
    QCOMPARE(till.cellText(15, 7), u"备22"_s);
    QCOMPARE(before.lines.at(22).discount, u"0.7"_s); // row 15 at top 7
}

void TestSalesScreen::addingKeepsTheHighlight() {
    ScreenFixture till;
    till.pick(u"hts"_s);
    till.clickBand(0);
    till.pick(u"bs"_s);
    QCOMPARE(bandColour(till, 0), RecordGrid::SelectedColour);
    QVERIFY(till.find(u"deleteButton"_s)->isEnabled());
    till.click(u"deleteButton"_s);
    QCOMPARE(till.screen->receiptSale().lines.size(), 1);
    QCOMPARE(till.cellText(0, 1), u"白沙\\硬盒"_s);
}

void TestSalesScreen::startsTheSameNumberUntilSaved() {
    ScreenFixture till;
    QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0001"_s);
    QCOMPARE(till.text(u"saleDate"_s), u"2017-03-13"_s);
    till.pick(u"hts"_s);
    till.box(u"received"_s)->setFocus();
    ScreenFixture::type(till.box(u"received"_s), u"100"_s);
    till.platform.choices = {Platform::Answer::No};
    for (int i = 0; i < 2; ++i) {
        till.key(Qt::Key_F9);
        QCOMPARE(till.text(u"saleNumber"_s), u"A170313-0001"_s);
    }
    QVERIFY(till.screen->receiptSale().lines.isEmpty());
    QVERIFY(till.box(u"received"_s)->text().isEmpty());
    QVERIFY(till.text(u"change"_s).isEmpty());
    QCOMPARE(till.cellText(0, 1), QString());
    QCOMPARE(QApplication::focusWidget(), till.box(u"Text1"_s));
}

GUI_TEST_MAIN(TestSalesScreen)
#include "tst_salesscreen.moc"
