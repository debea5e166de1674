#include "app/MainWindow.h"
#include "app/StandardScreens.h"
#include "base/AppContext.h"
#include "checkout/ProductFixture.h"
#include "checkout/ReceiptRouteBook.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"
#include "system/DesktopPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

// From F12 on a 20-line sale to the last byte of its ESC/POS receipt at a network printer on
// this machine, through the program's own wiring and socket transport.
class BenchRawReceipt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void f12ToLastByte();
};

void BenchRawReceipt::f12ToLastByte() {
    TempShop shop;
    QTemporaryDir drive;
    FakePlatform platform;
    DesktopPlatform desktop;
    platform.cRoot = drive.path();
    platform.rawPrinter = [&desktop](const RawPrinterTarget& target, const QByteArray& bytes,
                                     Platform::RawDone done) {
        desktop.sendRaw(target, bytes, std::move(done));
    };
    QElapsedTimer clock;
    QList<qint64> lastByte;
    QTcpServer printer;
    printer.listen(QHostAddress::LocalHost);
    connect(&printer, &QTcpServer::newConnection, this, [&] {
        QTcpSocket* socket = printer.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->readAll(); });
        connect(socket, &QTcpSocket::disconnected, socket, [&, socket] {
            lastByte.append(clock.nsecsElapsed() / 1000);
            socket->deleteLater();
        });
    });
    for (int i = 1; i <= 20; ++i) {
        ProductFixture::add(shop.db(), {u"B"_s + QString::number(i).rightJustified(2, u'0'),
                                        u"测试商品"_s + QString::number(i), u"厂"_s,
                                        Decimal::fromInt(i), Decimal::fromInt(100)});
    }
    shop.db().exec(u"UPDATE [设置] SET [自动打印] = ?", u"1"_s);
    ReceiptRoute escPos;
    escPos.mode = ReceiptRoute::Mode::EscPos;
    escPos.address = u"127.0.0.1:"_s + QString::number(printer.serverPort());
    escPos.openDrawer = true;
    ReceiptRouteBook(shop.db()).write(escPos);

    AppContext context{shop.db(), platform, shop.folder()};
    MainWindow window(context, standardScreens());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* sales = window.screenWindow(Screen::Sales)->widget();
    auto* search = sales->findChild<QLineEdit*>(u"Text1"_s);
    for (int i = 1; i <= 20; ++i) {
        search->setFocus();
        QTest::keyClicks(search, u"AB"_s + QString::number(i).rightJustified(2, u'0'));
        QTest::keyClick(search, Qt::Key_Return);
    }
    constexpr int Rounds = 30;
    for (int round = 0; round < Rounds; ++round) {
        clock.start();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
        QTRY_COMPARE(lastByte.size(), round + 1);
    }
    QCOMPARE(platform.messages, QStringList());
    std::ranges::sort(lastByte);
    qInfo("F12 to last byte, %d saves of a 20-line sale: median %.1f ms, max %.1f ms", Rounds,
          lastByte.at(Rounds / 2) / 1000.0, lastByte.last() / 1000.0);
}

GUI_TEST_MAIN(BenchRawReceipt)
#include "bench_rawreceipt.moc"
