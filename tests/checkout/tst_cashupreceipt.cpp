#include "checkout/CashUpDay.h"
#include "checkout/CashUpLayout.h"
#include "checkout/EscPosCashUp.h"
#include "support/EscPosReader.h"

#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDateTime PrintedAt(QDate(2017, 3, 13), QTime(21, 5));
const Decimal Float = Decimal::fromInt(500);

SettingsRow shopSettings(int leftMargin = 8) {
    SettingsRow settings;
    settings.title = u"Vellor便利店"_s;
    settings.leftMargin = Decimal::fromInt(leftMargin);
    settings.topMargin = Decimal::fromInt(8);
    return settings;
}

// Two millimetres a character: enough to tell where a text ends.
double textWidth(const QString& text, double) {
    return 2.0 * double(text.size());
}

} // namespace

class TestCashUpReceipt : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void goldenBytes_data();
    void goldenBytes();
    void pageStaysOnThePaper_data();
    void pageStaysOnThePaper();
};

void TestCashUpReceipt::goldenBytes_data() {
    QTest::addColumn<int>("paperWidth");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("file");
    QTest::newRow("58 mm") << 58 << 32 << CashUpDay::Day << u"cashup-58"_s;
    QTest::newRow("80 mm, a range of days")
        << 80 << 48 << QDate(2017, 3, 1) << u"cashup-80-range"_s;
}

void TestCashUpReceipt::goldenBytes() {
    QFETCH(int, paperWidth);
    QFETCH(int, columns);
    QFETCH(QDate, from);
    QFETCH(QString, file);
    CashUp cashUp = CashUpDay::asRead();
    cashUp.from = from;
    const QByteArray bytes =
        EscPosCashUp(shopSettings(), cashUp, Float, PrintedAt, paperWidth).bytes();
    QFile golden(QStringLiteral(GOLDEN_DIR "/") + file + u".bin"_s);
    if (qEnvironmentVariableIsSet("VELLOR_WRITE_GOLDEN")) {
        QVERIFY(golden.open(QIODevice::WriteOnly));
        golden.write(bytes);
        QSKIP("golden file written");
    }
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
    const QByteArray expected = golden.readAll();
    QCOMPARE(EscPosReader::read(bytes), EscPosReader::read(expected));
    QCOMPARE(bytes, expected);
    for (const QString& line : EscPosReader::read(bytes))
        QVERIFY2(EscPosReader::columns(line) <= columns, qPrintable(line));
}

void TestCashUpReceipt::pageStaysOnThePaper_data() {
    QTest::addColumn<int>("paperWidth");
    QTest::addColumn<int>("leftMargin");
    QTest::addColumn<double>("valueEnd");
    QTest::newRow("58 mm") << 58 << 8 << 53.0;
    QTest::newRow("80 mm") << 80 << 8 << 75.0;
    QTest::newRow("58 mm, margin 0: labels at the edge") << 58 << 0 << 48.0;
    QTest::newRow("80 mm, margin 20: values at the edge") << 80 << 20 << 80.0;
}

void TestCashUpReceipt::pageStaysOnThePaper() {
    QFETCH(int, paperWidth);
    QFETCH(int, leftMargin);
    QFETCH(double, valueEnd);
    const ReceiptPage page = CashUpLayout(shopSettings(leftMargin), CashUpDay::asRead(), Float,
                                          PrintedAt, paperWidth, textWidth)
                                 .page();
    QCOMPARE(page.width, double(paperWidth));
    double lowest = 0;
    QStringList drawerValues;
    for (const ReceiptOperation& operation : page.operations) {
        const double end = operation.kind == ReceiptOperation::Kind::Rule
                               ? operation.x2
                               : operation.x + textWidth(operation.text, 0);
        QVERIFY2(operation.x >= 0 && end <= paperWidth, qPrintable(operation.text));
        lowest = std::max(lowest, operation.y);
        if (operation.text == u"634.20"_s && qFuzzyCompare(end, valueEnd))
            drawerValues << operation.text;
    }
    QCOMPARE(drawerValues, QStringList{u"634.20"_s});
    QVERIFY2(page.height >= lowest + 4, qPrintable(QString::number(page.height)));
}

QTEST_MAIN(TestCashUpReceipt)
#include "tst_cashupreceipt.moc"
