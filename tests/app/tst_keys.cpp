#include "app/LoginWindow.h"
#include "support/GuiTestMain.h"
#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

// Run under X (xcb), where a focused text box claims Ctrl+E, Ctrl+U, Ctrl+K … as editing keys:
// the keys a cashier presses on the real main window with the focus where it usually is.
namespace {

struct Till : MainWindowFixture {
    template <typename Widget = QLineEdit> Widget* find(const QString& name) {
        return screen(Screen::Sales)->findChild<Widget*>(name);
    }
};

} // namespace

class TestKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuShortcutsWinOverTheFocusedControl_data();
    void menuShortcutsWinOverTheFocusedControl();
    void screenKeysWinOverTheFocusedControl_data();
    void screenKeysWinOverTheFocusedControl();
    void enterPressesTheFocusedButton();
    void loginButtonsTakeEnter_data();
    void loginButtonsTakeEnter();
};

void TestKeys::menuShortcutsWinOverTheFocusedControl_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("outcome");
    const std::pair<Qt::Key, QString> shortcuts[] = {
        {Qt::Key_E, u"结合设置"_s},  {Qt::Key_P, u"closed"_s},     {Qt::Key_F, u"商品名称维护"_s},
        {Qt::Key_G, u"销售管理"_s},  {Qt::Key_H, u"入库管理"_s},   {Qt::Key_I, u"出库管理"_s},
        {Qt::Key_J, u"库存盘点"_s},  {Qt::Key_K, u"统计报表"_s},   {Qt::Key_Z, u"库存盘点记录"_s},
        {Qt::Key_D, u"日结"_s},      {Qt::Key_M, u"index.html"_s}, {Qt::Key_N, u"tutorial.html"_s},
        {Qt::Key_U, u"home.html"_s}, {Qt::Key_R, u"关于"_s},
    };
    for (const QString& focus : {u"Text1"_s, u"cell_0_3"_s}) {
        for (const auto& [key, outcome] : shortcuts) {
            const QString name = focus + u", Ctrl+" + QKeySequence(key).toString();
            QTest::newRow(name.toUtf8().constData()) << focus << key << outcome;
        }
    }
}

void TestKeys::menuShortcutsWinOverTheFocusedControl() {
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);
    QFETCH(QString, outcome);
    Till till;
    till.window.openScreen(Screen::Sales);
    QLineEdit* box = till.find(focus);
    box->setFocus();
    QTest::keyClicks(box, u"4711"_s);
    QTest::keyClick(box, Qt::Key_Left); // the cursor inside the text: Ctrl+K would cut it

    QTest::keyClick(box, key, Qt::ControlModifier);
    QCOMPARE(till.outcome(), outcome);
    QCOMPARE(box->text(), u"4711"_s);
}

void TestKeys::screenKeysWinOverTheFocusedControl_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("focusAfter"); // empty: the focus stays
    for (const QString& focus : {u"received"_s, u"cell_0_5"_s}) {
        QTest::newRow(qPrintable(focus + u", F10"_s)) << focus << Qt::Key_F10 << u"cell_0_3"_s;
        QTest::newRow(qPrintable(focus + u", F11"_s)) << focus << Qt::Key_F11 << u"cell_0_5"_s;
        QTest::newRow(qPrintable(focus + u", F9"_s)) << focus << Qt::Key_F9 << u"Text1"_s;
        QTest::newRow(qPrintable(focus + u", F12"_s)) << focus << Qt::Key_F12 << u"received"_s;
        QTest::newRow(qPrintable(focus + u", F4"_s)) << focus << Qt::Key_F4 << QString();
    }
}

void TestKeys::screenKeysWinOverTheFocusedControl() {
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);
    QFETCH(QString, focusAfter);
    Till till;
    const QString saleNumber = till.find<QLabel>(u"saleNumber"_s)->text();
    QTest::keyClicks(till.find(u"Text1"_s), u"zh"_s);
    QTest::keyClick(till.find(u"Text1"_s), Qt::Key_Return);
    QLineEdit* box = till.find(focus);
    box->setFocus();

    QTest::keyClick(box, key);
    const QString focused = QApplication::focusWidget()->objectName();
    QCOMPARE(focused, focusAfter.isEmpty() ? focus : focusAfter);
    if (key == Qt::Key_F12)
        QVERIFY(till.find<QLabel>(u"savedMark"_s)->isVisible());
    if (key == Qt::Key_F4) // no printer here: the receipt is kept as a file
        QVERIFY(QFileInfo::exists(till.shop.folder() + u"/小票/"_s + saleNumber + u".pdf"_s));
}

// 实收, Enter: the focus on 添加(F9); Enter again: the next sale.
void TestKeys::enterPressesTheFocusedButton() {
    Till till;
    QLineEdit* received = till.find(u"received"_s);
    received->setFocus();
    QTest::keyClicks(received, u"50"_s);
    auto* newButton = till.find<QToolButton>(u"newButton"_s);
    const QImage unfocused = newButton->grab().toImage();

    QTest::keyClick(received, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), newButton);
    QVERIFY2(newButton->grab().toImage() != unfocused, "no focus mark");
    QTest::keyClick(newButton, Qt::Key_Return);
    QCOMPARE(received->text(), QString());
    QCOMPARE(QApplication::focusWidget()->objectName(), u"Text1"_s);
}

void TestKeys::loginButtonsTakeEnter_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("loggedIn");
    QTest::newRow("确  定, Enter") << u"ok"_s << Qt::Key_Return << true;
    QTest::newRow("取  消, keypad Enter") << u"cancel"_s << Qt::Key_Enter << false;
}

void TestKeys::loginButtonsTakeEnter() {
    QFETCH(QString, button);
    QFETCH(Qt::Key, key);
    QFETCH(bool, loggedIn);
    FakePlatform platform;
    LoginWindow login(platform, u"739"_s);
    QSignalSpy in(&login, &LoginWindow::loggedIn);
    QSignalSpy out(&login, &LoginWindow::cancelled);
    login.show();
    login.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    login.findChild<QLineEdit*>(u"password"_s)->setText(u"739"_s);
    auto* target = login.findChild<QWidget*>(button);
    target->setFocus();
    QTest::keyClick(target, key);
    QCOMPARE(in.size(), loggedIn ? 1 : 0);
    QCOMPARE(out.size(), loggedIn ? 0 : 1);
}

GUI_TEST_MAIN(TestKeys)
#include "tst_keys.moc"
