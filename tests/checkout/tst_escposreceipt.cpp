#include "checkout/EscPosReceipt.h"
#include "support/EscPosReader.h"

#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

SettingsRow shopSettings() {
    SettingsRow settings;
    settings.title = u"Vellor便利店"_s;
    settings.footer1 = u"电话：010-62345678"_s;
    settings.footer3 = u"欢迎再次光临！"_s;
    return settings;
}

ReceiptSale twoLineSale() {
    return {u"A170313-0002"_s,
            u"2017-03-13"_s,
            {{u"中华\\硬盒"_s, u"2"_s, u"45.00"_s, u"1"_s, u"90.00"_s},
             {u"红塔山A（经典）加长"_s, u"1"_s, u"38.00"_s, u"0.9"_s, u"34.20"_s}},
            u"124.20"_s,
            u"3.80"_s,
            u"200"_s,
            u"75.80"_s,
            u"微信"_s};
}

ReceiptSale withArticle(const QString& name, const QString& quantity = u"1"_s) {
    ReceiptSale sale = twoLineSale();
    sale.lines = {{name, quantity, u"38.00"_s, u"0.9"_s, u"34.20"_s}};
    return sale;
}

bool containsRun(const QStringList& transcript, const QStringList& run) {
    for (qsizetype i = 0; i + run.size() <= transcript.size(); ++i) {
        if (transcript.mid(i, run.size()) == run)
            return true;
    }
    return false;
}

QString spaces(int n) {
    return QString(n, u' ');
}

} // namespace

class TestEscPosReceipt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void goldenBytes_data();
    void goldenBytes();
    void transcript_data();
    void transcript();
    void drawerPulse();
};

void TestEscPosReceipt::goldenBytes_data() {
    QTest::addColumn<int>("paperWidth");
    QTest::addColumn<int>("columns");
    QTest::addColumn<ReceiptSale>("sale");
    QTest::addColumn<QString>("file");
    QTest::newRow("58 mm") << 58 << 32 << twoLineSale() << u"receipt-58"_s;
    QTest::newRow("80 mm") << 80 << 48 << twoLineSale() << u"receipt-80"_s;
    // Figures that leave no room for the name, and figures wider than the line.
    ReceiptSale wide = twoLineSale();
    wide.lines = {{u"红塔山"_s, u"-9672.64"_s, u"5.20"_s, u"1"_s, u"-50328.46"_s},
                  {u"中华\\硬盒"_s, u"-96726.4"_s, u"520.33"_s, u"1"_s, u"-50329648.11"_s}};
    QTest::newRow("58 mm, wide figures wrap") << 58 << 32 << wide << u"receipt-58-wrap"_s;
}

void TestEscPosReceipt::goldenBytes() {
    QFETCH(int, paperWidth);
    QFETCH(int, columns);
    QFETCH(ReceiptSale, sale);
    QFETCH(QString, file);
    const QByteArray bytes = EscPosReceipt(shopSettings(), sale, paperWidth).bytes();
    QFile golden(QStringLiteral(GOLDEN_DIR "/") + file + u".bin"_s);
    if (qEnvironmentVariableIsSet("VELLOR_WRITE_GOLDEN")) {
        QVERIFY(golden.open(QIODevice::WriteOnly));
        golden.write(bytes);
        QSKIP("golden file written");
    }
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
    const QByteArray expected = golden.readAll();
    QCOMPARE(EscPosReader::read(bytes), EscPosReader::read(expected)); // a readable difference
    QCOMPARE(bytes, expected);
    for (const QString& line : EscPosReader::read(bytes))
        QVERIFY2(EscPosReader::columns(line) <= columns, qPrintable(line));
}

void TestEscPosReceipt::transcript_data() {
    QTest::addColumn<int>("paperWidth");
    QTest::addColumn<ReceiptSale>("sale");
    QTest::addColumn<SettingsRow>("settings");
    QTest::addColumn<QStringList>("run");

    const QString figures58 = u"    1  38.00 0.90  34.20"_s;
    const QString figures80 = u"     1    38.00  0.90    34.20"_s;
    const SettingsRow shop = shopSettings();
    QTest::newRow("name cut before a wide character that would not fit")
        << 58 << withArticle(u"红塔山A（经典）"_s) << shop
        << QStringList{u"红塔山A "_s + figures58};
    QTest::newRow("wide characters count two columns")
        << 80 << withArticle(u"红塔山A（经典）"_s) << shop
        << QStringList{u"红塔山A（经典）"_s + spaces(3) + figures80};
    QTest::newRow("control characters cannot become commands")
        << 80 << withArticle(u"A\u001b@\nB"_s) << shop
        << QStringList{u"A?@?B"_s + spaces(13) + figures80};
    QTest::newRow("characters without a two-byte code print as ?")
        << 80 << withArticle(u"烟😀\U00020000"_s) << shop
        << QStringList{u"烟??"_s + spaces(14) + figures80};
    QTest::newRow("long figures take room from the name")
        << 58 << withArticle(u"红塔山A"_s, u"1234.5"_s) << shop
        << QStringList{u"红塔山 1234.5  38.00 0.90  34.20"_s};
    QTest::newRow("58 mm: number and date on two lines")
        << 58 << twoLineSale() << shop
        << QStringList{u"编号：A170313-0002"_s, u"日期：2017-03-13"_s};
    QTest::newRow("80 mm: number and date share a line")
        << 80 << twoLineSale() << shop
        << QStringList{u"编号：A170313-0002"_s + spaces(12) + u"日期：2017-03-13"_s};
    ReceiptSale unpaid = twoLineSale();
    unpaid.received.clear();
    unpaid.change.clear();
    QTest::newRow("empty received and change print their labels")
        << 58 << unpaid << shop << QStringList{u"实收："_s + spaces(11) + u"找零："_s};
    QTest::newRow("received number in the money pattern")
        << 80 << twoLineSale() << shop
        << QStringList{u"合计金额：124.20"_s + spaces(14) + u"优惠：3.80"_s,
                       u"实收：200.00"_s + spaces(18) + u"找零：75.80"_s};
    QTest::newRow("empty footer between two keeps its line")
        << 58 << twoLineSale() << shop
        << QStringList{u"电话：010-62345678"_s, QString(), u"欢迎再次光临！"_s, u"{feed 4}"_s,
                       u"{cut partial}"_s};
    SettingsRow oneFooter = shop;
    oneFooter.footer3.clear();
    QTest::newRow("trailing empty footers leave no lines")
        << 58 << twoLineSale() << oneFooter
        << QStringList{QString(32, u'-'), u"电话：010-62345678"_s, u"{feed 4}"_s,
                       u"{cut partial}"_s};
    QTest::newRow("title centred in double height, then back")
        << 80 << twoLineSale() << shop
        << QStringList{u"{init}"_s,       u"{chinese}"_s,     u"{centre}"_s, u"{double height}"_s,
                       u"Vellor便利店"_s, u"{normal size}"_s, u"{left}"_s};
    SettingsRow untitled = shop;
    untitled.title.clear();
    QTest::newRow("no title, no title line")
        << 80 << twoLineSale() << untitled
        << QStringList{u"{init}"_s, u"{chinese}"_s,
                       u"编号：A170313-0002"_s + spaces(12) + u"日期：2017-03-13"_s};
}

void TestEscPosReceipt::transcript() {
    QFETCH(int, paperWidth);
    QFETCH(ReceiptSale, sale);
    QFETCH(SettingsRow, settings);
    QFETCH(QStringList, run);
    const QStringList transcript =
        EscPosReader::read(EscPosReceipt(settings, sale, paperWidth).bytes());
    QVERIFY2(containsRun(transcript, run), qPrintable(transcript.join(u'\n')));
}

void TestEscPosReceipt::drawerPulse() {
    QCOMPARE(EscPosReader::read(EscPosReceipt::drawerPulse()),
             QStringList{u"{drawer pin 2 50/500 ms}"_s});
}

QTEST_MAIN(TestEscPosReceipt)
#include "tst_escposreceipt.moc"
