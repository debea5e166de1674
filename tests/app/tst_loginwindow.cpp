#include "app/LoginWindow.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestLoginWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enterChecksThePassword_data();
    void enterChecksThePassword();
    void hintShowsOnlyForTheFactoryPassword_data();
    void hintShowsOnlyForTheFactoryPassword();
    void cancelAndCloseBoxEndTheProgram_data();
    void cancelAndCloseBoxEndTheProgram();
    void passwordFieldIsMaskedAndShort();
};

void TestLoginWindow::enterChecksThePassword_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("factory password") << u"739"_s << u"739"_s << true;
    QTest::newRow("blanks around the typed text") << u"739"_s << u"  739 "_s << true;
    QTest::newRow("mixed case both sides") << u"AbC9"_s << u"aBc9"_s << true;
    QTest::newRow("stored with blanks around") << u" 739 "_s << u"739"_s << true;
    QTest::newRow("empty stored, empty typed") << QString() << QString() << true;
    QTest::newRow("empty stored, blanks typed") << QString() << u"   "_s << true;
    QTest::newRow("wrong") << u"739"_s << u"738"_s << false;
    QTest::newRow("inner blank counts") << u"739"_s << u"7 39"_s << false;
}

void TestLoginWindow::enterChecksThePassword() {
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    FakePlatform platform;
    LoginWindow window(platform, stored);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy loggedIn(&window, &LoginWindow::loggedIn);
    auto* field = window.findChild<QLineEdit*>(u"password"_s);
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Return);

    QCOMPARE(loggedIn.count(), accepted ? 1 : 0);
    QCOMPARE(window.isVisible(), !accepted);
    QCOMPARE(platform.messages, accepted ? QStringList() : QStringList{u"密码错误！"_s});
    QCOMPARE(field->text(), typed); // a wrong password stays for another try
}

void TestLoginWindow::hintShowsOnlyForTheFactoryPassword_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("visible");
    QTest::newRow("factory") << u"739"_s << true;
    QTest::newRow("leading blank") << u" 739"_s << false;
    QTest::newRow("changed") << u"secret"_s << false;
}

void TestLoginWindow::hintShowsOnlyForTheFactoryPassword() {
    QFETCH(QString, stored);
    QFETCH(bool, visible);
    FakePlatform platform;
    LoginWindow window(platform, stored);
    window.show();
    auto* hint = window.findChild<QLabel*>(u"hint"_s);
    QCOMPARE(hint->isVisible(), visible);
    QCOMPARE(hint->text(), u"(原始密码：739)"_s);
    QCOMPARE(hint->palette().color(hint->foregroundRole()), QColor(0x00, 0x00, 0xC0));
}

void TestLoginWindow::cancelAndCloseBoxEndTheProgram_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("取  消") << true;
    QTest::newRow("close box") << false;
}

void TestLoginWindow::cancelAndCloseBoxEndTheProgram() {
    QFETCH(bool, byButton);
    FakePlatform platform;
    LoginWindow window(platform, u"739"_s);
    window.show();
    QSignalSpy cancelled(&window, &LoginWindow::cancelled);
    if (byButton)
        QTest::mouseClick(window.findChild<QPushButton*>(u"cancel"_s), Qt::LeftButton);
    else
        window.close();
    QCOMPARE(cancelled.count(), 1);
}

void TestLoginWindow::passwordFieldIsMaskedAndShort() {
    FakePlatform platform;
    LoginWindow window(platform, u"739"_s);
    auto* field = window.findChild<QLineEdit*>(u"password"_s);
    QCOMPARE(field->echoMode(), QLineEdit::Password);
    QCOMPARE(field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field),
             int(u'*'));
    QTest::keyClicks(field, u"12345678901234567890"_s);
    QCOMPARE(field->text(), u"123456789012345"_s);
    // A successful login afterwards does not count as cancelling when the window closes.
    QSignalSpy cancelled(&window, &LoginWindow::cancelled);
    field->setText(u"739"_s);
    QTest::mouseClick(window.findChild<QPushButton*>(u"ok"_s), Qt::LeftButton);
    window.close();
    QCOMPARE(cancelled.count(), 0);
}

GUI_TEST_MAIN(TestLoginWindow)
#include "tst_loginwindow.moc"
