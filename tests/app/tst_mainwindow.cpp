#include "app/ToolStripButton.h"
#include "data/Schema.h"
#include "support/GuiTestMain.h"
#include "support/MainWindowFixture.h"
#include "ui/Twips.h"

#include <QMenuBar>

using namespace Qt::Literals::StringLiterals;

namespace {

const std::pair<Screen, QString> DoubleNames[] = {
    {Screen::Sales, u"Sales"_s},
    {Screen::Products, u"Products"_s},
    {Screen::Stock, u"Stock"_s},
    {Screen::Stocktaking, u"Stocktaking"_s},
    {Screen::StocktakingRecords, u"StocktakingRecords"_s},
    {Screen::Report, u"Report"_s},
    {Screen::CashUp, u"CashUp"_s},
};

// Stand-in screens: fixed-size widgets titled by their name, the stock one also by its mode.
ScreenRegistry doubles() {
    ScreenRegistry screens;
    for (const auto& [screen, name] : DoubleNames) {
        screens[screen] = [screen, name](const ScreenSetup& setup) -> QWidget* {
            auto* widget = new QWidget;
            widget->setWindowTitle(screen == Screen::Stock ? name + u':' + setup.movementKind
                                                           : name);
            widget->setFixedSize(400, 300);
            return widget;
        };
    }
    return screens;
}

struct Fixture : MainWindowFixture {
    explicit Fixture(ScreenRegistry screens = doubles())
        : MainWindowFixture(std::move(screens)) {}
    QList<QMdiSubWindow*> openWindows(const QString& title) {
        QList<QMdiSubWindow*> found;
        for (QMdiSubWindow* sub : mdi()->subWindowList())
            if (!sub->isHidden() && sub->widget()->windowTitle() == title)
                found.append(sub);
        return found;
    }
    void closeAllScreens() {
        mdi()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QPoint expectedPlace(const QWidget& main, const QWidget& child) {
    return QPoint((main.width() - child.width()) / 2 - Twips::px(150),
                  (main.height() - child.height()) / 2 - Twips::px(900));
}

// Pixels of a region that differ from the button face.
int drawnPixels(QWidget& widget, const QRect& region) {
    const QImage image = widget.grab().toImage();
    const QRgb face = widget.palette().color(QPalette::Button).rgb();
    int drawn = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            drawn += image.pixel(x, y) != face;
    return drawn;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensMaximisedWithTheSalesScreen();
    void shortcutsReachTheirActions_data();
    void shortcutsReachTheirActions();
    void toolbarButtons_data();
    void toolbarButtons();
    void toolbarActsOnRelease_data();
    void toolbarActsOnRelease();
    void releaseWithoutPressDoesNothing();
    void screenOpenedTwiceExistsOnce();
    void stockScreenReopensInTheOtherMode_data();
    void stockScreenReopensInTheOtherMode();
    void screensWithoutAFactoryDoNothing();
    void minimumSizeSnapsBack();
    void resizePlacesAndReopensTheSalesScreen();
    void shrinkingBringsScreensInside();
    void closingMakesTheDailyBackup_data();
    void closingMakesTheDailyBackup();
};

void TestMainWindow::opensMaximisedWithTheSalesScreen() {
    Fixture f;
    QCOMPARE(f.window.windowTitle(), u"Vellor零售店收银软件 V2.0"_s);
    QVERIFY(f.window.windowState() & Qt::WindowMaximized);
    QCOMPARE(f.mdi()->background().color(), QColor(0x90, 0xA3, 0xB2));
    QCOMPARE(f.window.findChild<QWidget*>(u"toolStrip"_s)->height(), Twips::px(765));
    const QList<QMdiSubWindow*> sales = f.openWindows(u"Sales"_s);
    QCOMPARE(sales.size(), 1);
    QCOMPARE(sales[0]->pos(), expectedPlace(f.window, *sales[0]));
}

void TestMainWindow::shortcutsReachTheirActions_data() {
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("outcome");
    const auto row = [](const char* name, Qt::Key key, const QString& menu, const QString& caption,
                        const QString& outcome) {
        QTest::newRow(name) << (Qt::CTRL | key) << menu << caption << outcome;
    };
    row("Ctrl+E", Qt::Key_E, u"文件(&F)"_s, u"综合设置"_s, u"结合设置"_s);
    row("Ctrl+B", Qt::Key_B, u"文件(&F)"_s, u"数据备份与恢复"_s, u"数据备份与恢复"_s);
    row("Ctrl+P", Qt::Key_P, u"文件(&F)"_s, u"退出"_s, u"closed"_s);
    row("Ctrl+F", Qt::Key_F, u"操作(&O)"_s, u"商品名称维护"_s, u"Products"_s);
    row("Ctrl+G", Qt::Key_G, u"操作(&O)"_s, u"销售管理"_s, u"Sales"_s);
    row("Ctrl+H", Qt::Key_H, u"操作(&O)"_s, u"进货入库"_s, u"Stock:入库"_s);
    row("Ctrl+I", Qt::Key_I, u"操作(&O)"_s, u"退货出库"_s, u"Stock:出库"_s);
    row("Ctrl+J", Qt::Key_J, u"操作(&O)"_s, u"库存盘点"_s, u"Stocktaking"_s);
    row("Ctrl+K", Qt::Key_K, u"统计(&T)"_s, u"统计报表"_s, u"Report"_s);
    row("Ctrl+Z", Qt::Key_Z, u"统计(&T)"_s, u"库存盘点记录"_s, u"StocktakingRecords"_s);
    row("Ctrl+D", Qt::Key_D, u"统计(&T)"_s, u"日结"_s, u"CashUp"_s);
    row("Ctrl+M", Qt::Key_M, u"帮助(&H)"_s, u"操作帮助"_s, u"index.html"_s);
    row("Ctrl+N", Qt::Key_N, u"帮助(&H)"_s, u"视频教程"_s, u"tutorial.html"_s);
    row("Ctrl+U", Qt::Key_U, u"帮助(&H)"_s, u"访问作者主页"_s, u"home.html"_s);
    row("Ctrl+R", Qt::Key_R, u"帮助(&H)"_s, u"版本信息"_s, u"关于"_s);
}

void TestMainWindow::shortcutsReachTheirActions() {
    QFETCH(QKeyCombination, key);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QString, outcome);
    Fixture f;
    f.closeAllScreens();

    QTest::keyClick(&f.window, key.key(), key.keyboardModifiers());
    QCOMPARE(f.outcome(), outcome);

    QStringList holders;
    for (QAction* top : f.window.menuBar()->actions())
        for (QAction* item : top->menu()->actions())
            if (item->shortcut() == QKeySequence(key))
                holders << top->text() + u'/' + item->text();
    QCOMPARE(holders, QStringList{menu + u'/' + caption});
}

void TestMainWindow::toolbarButtons_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("1") << 0 << u"商品名称维护"_s << 60 << 1755 << u"Products"_s;
    QTest::newRow("2") << 1 << u"销售管理"_s << 1920 << 1395 << u"Sales"_s;
    QTest::newRow("3") << 2 << u"进货入库"_s << 3420 << 1395 << u"Stock:入库"_s;
    QTest::newRow("4") << 3 << u"退货出库"_s << 4920 << 1395 << u"Stock:出库"_s;
    QTest::newRow("5") << 4 << u"库存盘点"_s << 6420 << 1395 << u"Stocktaking"_s;
    QTest::newRow("6") << 5 << u"统计报表"_s << 7920 << 1395 << u"Report"_s;
    QTest::newRow("7") << 6 << u"操作帮助"_s << 9420 << 1395 << u"index.html"_s;
    QTest::newRow("8") << 7 << u"视频教程"_s << 10920 << 1395 << u"tutorial.html"_s;
    QTest::newRow("9") << 8 << u"联系作者"_s << 12420 << 1395 << u"关于"_s;
    QTest::newRow("10") << 9 << u"日结"_s << 13920 << 1395 << u"CashUp"_s;
    QTest::newRow("11") << 10 << u"备份恢复"_s << 15420 << 1395 << u"数据备份与恢复"_s;
}

void TestMainWindow::toolbarButtons() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(int, left);
    QFETCH(int, width);
    QFETCH(QString, outcome);
    Fixture f;
    f.closeAllScreens();
    const QList<ToolStripButton*> buttons = f.window.findChildren<ToolStripButton*>();
    QCOMPARE(buttons.size(), 11);
    ToolStripButton* button = buttons[index];
    QCOMPARE(button->caption(), caption);
    QCOMPARE(button->geometry(), Twips::rect(left, 180, width, 555));
    QVERIFY2(drawnPixels(*button, QRect(0, 0, Twips::px(600), button->height())) > 100,
             "no icon left of the caption");
    const QRect text(Twips::px(600), 0, button->width() - Twips::px(600), button->height());
    QVERIFY2(drawnPixels(*button, text) > 20, "no caption");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(f.outcome(), outcome);
}

void TestMainWindow::toolbarActsOnRelease_data() {
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::newRow("left, inside") << Qt::LeftButton << QPoint(20, 10);
    QTest::newRow("left, released outside") << Qt::LeftButton << QPoint(-200, 300);
    QTest::newRow("right button") << Qt::RightButton << QPoint(20, 10);
    QTest::newRow("middle, released outside") << Qt::MiddleButton << QPoint(500, -20);
}

void TestMainWindow::toolbarActsOnRelease() {
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(QPoint, releaseAt);
    Fixture f;
    f.closeAllScreens();
    ToolStripButton* button = f.window.findChildren<ToolStripButton*>().first();
    QCOMPARE(button->frameShape(), QFrame::NoFrame);

    QTest::mousePress(button, mouseButton, {}, QPoint(20, 10));
    QVERIFY(button->isPressed());
    QCOMPARE(button->frameShape(), QFrame::Panel);
    QCOMPARE(button->frameShadow(), QFrame::Sunken);
    QCOMPARE(button->lineWidth(), 1);
    QCOMPARE(f.outcome(), QString());

    QTest::mouseRelease(button, mouseButton, {}, releaseAt);
    QVERIFY(!button->isPressed());
    QCOMPARE(button->frameShape(), QFrame::NoFrame);
    QCOMPARE(button->backgroundRole(), QPalette::Button);
    QCOMPARE(f.outcome(), u"Products"_s);
}

void TestMainWindow::releaseWithoutPressDoesNothing() {
    Fixture f;
    f.closeAllScreens();
    ToolStripButton* button = f.window.findChildren<ToolStripButton*>().first();
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(f.outcome(), QString());
}

void TestMainWindow::screenOpenedTwiceExistsOnce() {
    Fixture f;
    QMdiSubWindow* first = f.window.openScreen(Screen::Products);
    first->move(5, 7); // moved by the user: bringing it to the front keeps it as it is
    f.window.openScreen(Screen::Report);
    QCOMPARE(f.outcome(), u"Report"_s);
    QCOMPARE(f.window.openScreen(Screen::Products), first);
    QCOMPARE(f.outcome(), u"Products"_s);
    QCOMPARE(f.openWindows(u"Products"_s), QList<QMdiSubWindow*>{first});
    QCOMPARE(first->pos(), QPoint(5, 7));
    // Closed, it opens afresh.
    first->close();
    QMdiSubWindow* again = f.window.openScreen(Screen::Products);
    QCOMPARE(f.openWindows(u"Products"_s), QList<QMdiSubWindow*>{again});
    QCOMPARE(again->pos(), expectedPlace(f.window, *again));
}

void TestMainWindow::stockScreenReopensInTheOtherMode_data() {
    QTest::addColumn<QString>("firstKind");
    QTest::addColumn<QString>("secondKind");
    QTest::newRow("stock-in, then returns") << u"入库"_s << u"出库"_s;
    QTest::newRow("returns, then stock-in") << u"出库"_s << u"入库"_s;
    QTest::newRow("stock-in again") << u"入库"_s << u"入库"_s;
}

void TestMainWindow::stockScreenReopensInTheOtherMode() {
    QFETCH(QString, firstKind);
    QFETCH(QString, secondKind);
    Fixture f;
    QPointer<QWidget> first = f.window.openStockScreen(firstKind)->widget();
    QCOMPARE(first->windowTitle(), u"Stock:"_s + firstKind);

    QMdiSubWindow* second = f.window.openStockScreen(secondKind);
    QCOMPARE(second->widget()->windowTitle(), u"Stock:"_s + secondKind);
    QCOMPARE(f.window.screenWindow(Screen::Stock), second);
    QCOMPARE(f.openWindows(u"Stock:入库"_s).size() + f.openWindows(u"Stock:出库"_s).size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull()); // a fresh screen, its entries cleared
}

void TestMainWindow::screensWithoutAFactoryDoNothing() {
    Fixture f(ScreenRegistry{});
    QVERIFY(f.mdi()->subWindowList().isEmpty()); // no sales screen yet either
    QCOMPARE(f.window.openScreen(Screen::Stocktaking), nullptr);
    QCOMPARE(f.window.openStockScreen(u"出库"_s), nullptr);
    QVERIFY(f.mdi()->subWindowList().isEmpty());
    QVERIFY(f.window.openScreen(Screen::About)); // built in
}

void TestMainWindow::minimumSizeSnapsBack() {
    Fixture f;
    f.window.showNormal();
    f.window.resize(300, 200);
    QCOMPARE(f.window.size(), Twips::size(14340, 10290));
    f.window.setGeometry(10, 10, 2000, 100);
    QCOMPARE(f.window.size(), QSize(2000, Twips::px(10290)));
}

void TestMainWindow::resizePlacesAndReopensTheSalesScreen() {
    Fixture f;
    f.window.showNormal();
    f.window.resize(1100, 800);
    QMdiSubWindow* sales = f.window.screenWindow(Screen::Sales);
    sales->move(0, 0);
    f.window.resize(1200, 900);
    QCOMPARE(sales->pos(), expectedPlace(f.window, *sales));

    sales->close();
    QCOMPARE(f.window.screenWindow(Screen::Sales), nullptr);
    f.window.resize(1300, 1000);
    QMdiSubWindow* reopened = f.window.screenWindow(Screen::Sales);
    QVERIFY(reopened);
    QVERIFY(reopened != sales);
    QCOMPARE(reopened->pos(), expectedPlace(f.window, *reopened));
}

// As after a restore from maximised: a screen the smaller window would cut off opens again
// where a new one would; one that still fits stays where the user put it.
void TestMainWindow::shrinkingBringsScreensInside() {
    Fixture f;
    f.window.showNormal();
    f.window.resize(1900, 1400);
    QMdiSubWindow* report = f.window.openScreen(Screen::Report);
    QMdiSubWindow* products = f.window.openScreen(Screen::Products);
    products->move(10, 10);
    f.window.resize(1000, 700);
    QCOMPARE(report->pos(), expectedPlace(f.window, *report));
    QCOMPARE(products->pos(), QPoint(10, 10));
}

void TestMainWindow::closingMakesTheDailyBackup_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("close box") << 0;
    QTest::newRow("退出") << 1;
    QTest::newRow("Ctrl+P") << 2;
}

void TestMainWindow::closingMakesTheDailyBackup() {
    QFETCH(int, way);
    Fixture f;
    f.shop.db().exec(u"UPDATE [设置] SET [标题] = 'at exit'");
    if (way == 0) {
        f.window.close();
    } else if (way == 1) {
        for (QAction* item : f.window.menuBar()->actions().first()->menu()->actions())
            if (item->text() == u"退出"_s)
                item->trigger();
    } else {
        QTest::keyClick(&f.window, Qt::Key_P, Qt::ControlModifier);
    }
    QVERIFY(!f.window.isVisible());
    QVERIFY(QFileInfo::exists(f.backupPath()));
    Database copy = Database::open(f.backupPath(), QString::fromUtf16(Schema::DatabasePassword));
    Statement title = copy.prepare(u"SELECT [标题] FROM [设置]");
    QVERIFY(title.next());
    QCOMPARE(title.text(0), u"at exit"_s);
    QCOMPARE(f.platform.messages, QStringList()); // nothing asks
}

GUI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
