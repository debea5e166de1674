#include "checkout/ReceiptRouteBook.h"
#include "support/EscPosReader.h"
#include "support/GuiTestMain.h"
#include "support/MainWindowFixture.h"
#include "system/DesktopPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>

using namespace Qt::Literals::StringLiterals;

namespace {

// A network receipt printer on this machine: every connection's bytes, once it is closed.
class FakeReceiptPrinter : public QObject {
public:
    FakeReceiptPrinter() {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                auto* bytes = new QByteArray;
                connect(socket, &QTcpSocket::readyRead, socket,
                        [socket, bytes] { *bytes += socket->readAll(); });
                connect(socket, &QTcpSocket::disconnected, this, [this, socket, bytes] {
                    *bytes += socket->readAll();
                    jobs.append(EscPosReader::read(*bytes));
                    delete bytes;
                    socket->deleteLater();
                });
            }
        });
    }
    QString address() const { return u"127.0.0.1:"_s + QString::number(m_server.serverPort()); }

    QList<QStringList> jobs;

private:
    QTcpServer m_server;
};

// The program's main window on a throw-away shop whose receipts go ESC/POS to `address`.
struct Till : MainWindowFixture {
    explicit Till(const QString& address, bool autoPrint, bool openDrawer)
        : MainWindowFixture(standardScreens(), Hidden) {
        platform.rawPrinter = [this](const RawPrinterTarget& target, const QByteArray& bytes,
                                     Platform::RawDone done) {
            desktop.sendRaw(target, bytes, std::move(done));
        };
        shop.db().exec(u"UPDATE [设置] SET [自动打印] = ?", autoPrint ? u"1"_s : u"0"_s);
        ReceiptRoute receiptRoute;
        receiptRoute.mode = ReceiptRoute::Mode::EscPos;
        receiptRoute.address = address;
        receiptRoute.openDrawer = openDrawer;
        ReceiptRouteBook(shop.db()).write(receiptRoute);
        show();
    }
    void sell(const QString& search) const {
        auto* box = screen(Screen::Sales)->findChild<QLineEdit*>(u"Text1"_s);
        box->setFocus();
        for (const QChar c : search)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(box, Qt::Key_Return);
    }
    qint64 storedSales() {
        Statement count = shop.db().prepare(u"SELECT count(*) FROM [订单]");
        count.next();
        return count.integer(0);
    }

    DesktopPlatform desktop;
};

} // namespace

class TestRawPrint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveSendsReceiptAndDrawerPulse_data();
    void saveSendsReceiptAndDrawerPulse();
    void unreachablePrinterNeverHoldsTheTill_data();
    void unreachablePrinterNeverHoldsTheTill();
    void drawerOpensFromTheMenu();
    void testPrintSendsTheFieldsAsTheyStand();
    void routeSettingsAreSavedWithTheOthers();
};

void TestRawPrint::saveSendsReceiptAndDrawerPulse_data() {
    QTest::addColumn<bool>("autoPrint");
    QTest::addColumn<bool>("openDrawer");
    QTest::addColumn<int>("saves");
    QTest::newRow("receipt, then the drawer in the same send") << true << true << 1;
    QTest::newRow("drawer alone when no receipt is printed") << false << true << 1;
    QTest::newRow("receipt alone") << true << false << 1;
    QTest::newRow("neither") << false << false << 1;
    // F12 again on the unchanged sale saves nothing, prints nothing, opens nothing.
    QTest::newRow("ten saves, one receipt and drawer") << true << true << 10;
    QTest::newRow("two saves, one drawer") << false << true << 2;
}

void TestRawPrint::saveSendsReceiptAndDrawerPulse() {
    QFETCH(bool, autoPrint);
    QFETCH(bool, openDrawer);
    QFETCH(int, saves);
    FakeReceiptPrinter printer;
    Till till(printer.address(), autoPrint, openDrawer);
    till.sell(u"中华"_s);
    for (int i = 0; i < saves; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
    QCOMPARE(till.storedSales(), 1);

    const qsizetype expected = autoPrint || openDrawer ? 1 : 0;
    QTest::qWait(200);
    QTRY_COMPARE(printer.jobs.size(), expected);
    const QString saleNumber =
        till.screen(Screen::Sales)->findChild<QLabel*>(u"saleNumber"_s)->text();
    for (const QStringList& job : printer.jobs) {
        QCOMPARE(job.contains(u"编号："_s + saleNumber + QString(12, u' ') + u"日期：2017-03-13"_s),
                 autoPrint);
        QCOMPARE(job.contains(u"{cut partial}"_s), autoPrint);
        QCOMPARE(job.last() == u"{drawer pin 2 50/500 ms}"_s, openDrawer);
        QCOMPARE(job.count(u"{drawer pin 2 50/500 ms}"_s), openDrawer ? 1 : 0);
    }
    QCOMPARE(till.platform.messages, QStringList());
}

void TestRawPrint::unreachablePrinterNeverHoldsTheTill_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("reason");
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const QString refused = u"127.0.0.1:"_s + QString::number(closed.serverPort());
    closed.close();
    QTest::newRow("nothing listens") << refused << u"打印失败：打印机拒绝连接"_s;
    QTest::newRow("address without a host")
        << u":9100"_s << u"打印失败：打印机地址“:9100”不对，应为 主机:端口"_s;
    QTest::newRow("port out of range")
        << u"127.0.0.1:70000"_s << u"打印失败：打印机地址“127.0.0.1:70000”不对，应为 主机:端口"_s;
}

void TestRawPrint::unreachablePrinterNeverHoldsTheTill() {
    QFETCH(QString, address);
    QFETCH(QString, reason);
    Till till(address, true, true);
    till.sell(u"中华"_s);
    QElapsedTimer answered;
    answered.start();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
    QVERIFY2(answered.elapsed() < 1000, qPrintable(QString::number(answered.elapsed())));
    QCOMPARE(till.storedSales(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(till.platform.messages.size(), 1,
                              DesktopPlatform::RawTimeoutMilliseconds + 1000);
    QTest::qWait(300);
    QCOMPARE(till.platform.messages, QStringList{reason});
}

void TestRawPrint::drawerOpensFromTheMenu() {
    Till till(u"192.0.2.1:9100"_s, false, false);
    till.platform.rawPrinter = nullptr; // recorded only
    till.window.activateWindow();
    QTest::keyClick(&till.window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(till.platform.rawJobs.size(), 1);
    QCOMPARE(till.platform.rawJobs.first().target.address, u"192.0.2.1:9100"_s);
    QCOMPARE(EscPosReader::read(till.platform.rawJobs.first().bytes),
             QStringList{u"{drawer pin 2 50/500 ms}"_s});
}

void TestRawPrint::testPrintSendsTheFieldsAsTheyStand() {
    Till till(QString(), false, false);
    till.platform.rawPrinter = nullptr;
    till.platform.rawFailure = u"纸用完了"_s;
    till.window.settings().show();
    SettingsWindow* settings = till.window.settings().loadedWindow();
    settings->findChild<QLineEdit*>(u"title"_s)->setText(u"未保存的标题"_s);
    settings->findChild<QComboBox*>(u"paperWidth"_s)->setCurrentIndex(0);
    settings->findChild<QLineEdit*>(u"printerAddress"_s)->setText(u"10.0.0.9"_s);
    QTest::mouseClick(settings->findChild<QPushButton*>(u"testPrint"_s), Qt::LeftButton);

    QTRY_COMPARE(till.platform.messages, QStringList{u"打印失败：纸用完了"_s});
    QCOMPARE(till.platform.rawJobs.size(), 1);
    QCOMPARE(till.platform.rawJobs.first().target.address, u"10.0.0.9"_s);
    const QStringList printed = EscPosReader::read(till.platform.rawJobs.first().bytes);
    QVERIFY(printed.contains(u"未保存的标题"_s));
    QVERIFY(printed.contains(QString(32, u'-'))); // 58 mm
}

void TestRawPrint::routeSettingsAreSavedWithTheOthers() {
    Till till(QString(), false, false);
    till.window.settings().show();
    SettingsWindow* settings = till.window.settings().loadedWindow();
    settings->findChild<QLineEdit*>(u"title"_s)->setText(u"新标题"_s);
    settings->findChild<QComboBox*>(u"routeMode"_s)->setCurrentIndex(0);
    settings->findChild<QComboBox*>(u"paperWidth"_s)->setCurrentIndex(0);
    settings->findChild<QLineEdit*>(u"printerAddress"_s)->setText(u" shop-printer:9101 "_s);
    settings->findChild<QCheckBox*>(u"openDrawer"_s)->setChecked(true);
    QTest::mouseClick(settings->findChild<QPushButton*>(u"save"_s), Qt::LeftButton);

    till.shop.reopen();
    const ReceiptRoute stored = ReceiptRouteBook(till.shop.db()).read();
    QCOMPARE(stored.mode, ReceiptRoute::Mode::Driver);
    QCOMPARE(stored.paperWidth, 58);
    QCOMPARE(stored.address, u"shop-printer:9101"_s);
    QVERIFY(stored.openDrawer);
    Statement title = till.shop.db().prepare(u"SELECT [标题] FROM [设置]");
    QVERIFY(title.next());
    QCOMPARE(title.text(0), u"新标题"_s);
}

GUI_TEST_MAIN(TestRawPrint)
#include "tst_rawprint.moc"
