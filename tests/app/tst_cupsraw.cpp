#include "checkout/EscPosReceipt.h"
#include "support/EscPosReader.h"
#include "support/GuiTestMain.h"
#include "system/DesktopPlatform.h"

#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Raw jobs through a CUPS queue of a scheduler of our own, whose queue sends to a socket
// printer on this machine. Skipped where cupsd cannot be started.
class TestCupsRaw : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void bytesPassTheQueueUnchanged();
    void unknownQueueIsReported();

private:
    bool run(const QString& program, const QStringList& arguments);

    QTemporaryDir m_root;
    QProcess m_cupsd;
    QTcpServer m_printer;
    QByteArray m_received;
    bool m_closed = false;
};

bool TestCupsRaw::run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(5000) && process.exitCode() == 0;
}

void TestCupsRaw::initTestCase() {
    if (!QFileInfo::exists(u"/usr/sbin/cupsd"_s))
        QSKIP("cupsd is not installed (Debian package cups)");
    const QString root = m_root.path();
    // The backend runs as the scheduler's own user and must reach the spooled job.
    QFile::setPermissions(root, QFileDevice::Permissions(0x7755));
    for (const char* folder : {"spool", "tmp", "cache", "state", "log"})
        QVERIFY(QDir(root).mkpath(QString::fromLatin1(folder)));
    QFile::setPermissions(root + u"/tmp"_s, QFileDevice::Permissions(0x7777));
    const QString socket = root + u"/cups.sock"_s;
    QFile conf(root + u"/cupsd.conf"_s);
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write(QByteArray("Listen " + socket.toUtf8() +
                          "\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                          "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"));
    conf.close();
    QFile files(root + u"/cups-files.conf"_s);
    QVERIFY(files.open(QIODevice::WriteOnly));
    const QByteArray r = root.toUtf8();
    files.write("ServerRoot " + r + "\nRequestRoot " + r + "/spool\nTempDir " + r +
                "/tmp\nCacheDir " + r + "/cache\nStateDir " + r + "/state\nErrorLog " + r +
                "/log/error_log\nSandboxing relaxed\n");
    files.close();

    m_cupsd.start(u"/usr/sbin/cupsd"_s,
                  {u"-f"_s, u"-c"_s, conf.fileName(), u"-s"_s, files.fileName()});
    if (!m_cupsd.waitForStarted())
        QSKIP("cupsd does not start here");
    if (!QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 5000))
        QSKIP("cupsd started but opened no socket (not running as root?)");
    qputenv("CUPS_SERVER", socket.toUtf8());

    QVERIFY(m_printer.listen(QHostAddress::LocalHost));
    connect(&m_printer, &QTcpServer::newConnection, this, [this] {
        QTcpSocket* connection = m_printer.nextPendingConnection();
        connect(connection, &QTcpSocket::readyRead, this,
                [this, connection] { m_received += connection->readAll(); });
        connect(connection, &QTcpSocket::disconnected, this, [this] { m_closed = true; });
    });
    const QString device = u"socket://127.0.0.1:"_s + QString::number(m_printer.serverPort());
    QVERIFY(run(u"lpadmin"_s, {u"-h"_s, socket, u"-p"_s, u"receipt"_s, u"-E"_s, u"-v"_s, device}));
}

void TestCupsRaw::cleanupTestCase() {
    m_cupsd.terminate();
    m_cupsd.waitForFinished(3000);
}

void TestCupsRaw::bytesPassTheQueueUnchanged() {
    const ReceiptSale sale{u"A170313-0002"_s,
                           u"2017-03-13"_s,
                           {{u"中华\\硬盒"_s, u"2"_s, u"45.00"_s, u"1"_s, u"90.00"_s},
                            {u"红塔山"_s, u"1"_s, u"38.00"_s, u"0.9"_s, u"34.20"_s}},
                           u"124.20"_s,
                           u"3.80"_s,
                           u"200"_s,
                           u"75.80"_s,
                           u"微信"_s};
    const QByteArray bytes =
        EscPosReceipt(SettingsRow(), sale, 58).bytes() + EscPosReceipt::drawerPulse();
    DesktopPlatform platform;
    QStringList failures;
    bool done = false;
    platform.sendRaw({u"receipt"_s, QString()}, bytes, [&](const QString& failure) {
        failures.append(failure);
        done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 6000);
    QCOMPARE(failures, QStringList{QString()});
    QTRY_VERIFY_WITH_TIMEOUT(m_closed, 10000);
    QCOMPARE(m_received, bytes);
    const QStringList printed = EscPosReader::read(m_received);
    QVERIFY(printed.contains(u"中华\\硬     2  45.00 1.00  90.00"_s));
    QVERIFY(printed.contains(u"红塔山      1  38.00 0.90  34.20"_s));
    QCOMPARE(printed.last(), u"{drawer pin 2 50/500 ms}"_s);
}

void TestCupsRaw::unknownQueueIsReported() {
    DesktopPlatform platform;
    QString failure;
    int reports = 0;
    platform.sendRaw({u"gone"_s, QString()}, "x", [&](const QString& reason) {
        failure = reason;
        ++reports;
    });
    QTRY_COMPARE_WITH_TIMEOUT(reports, 1, 6000);
    QVERIFY2(failure.startsWith(u"打印队列出错："_s), qPrintable(failure));
}

GUI_TEST_MAIN(TestCupsRaw)
#include "tst_cupsraw.moc"
