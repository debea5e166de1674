#include "checkout/CashUpDay.h"
#include "checkout/ReceiptRouteBook.h"
#include "checkout/ReceiptSale.h"
#include "checkout/gui/ReceiptPrinter.h"
#include "checkout/gui/TillPrinter.h"
#include "data/SettingsRow.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double MillimetresPerPoint = 25.4 / 72;

SettingsRow shopSettings() {
    SettingsRow settings;
    settings.title = u"Vellor便利店"_s;
    settings.footer1 = u"谢谢惠顾"_s;
    settings.leftMargin = Decimal::fromInt(8);
    settings.topMargin = Decimal::fromInt(8);
    settings.receiptPrinter = u"小票打印机"_s;
    return settings;
}

ReceiptSale exampleSale(const QString& number = u"A170313-0002"_s) {
    return {number,
            u"2017-03-13"_s,
            {{u"阿诗玛"_s, u"2"_s, u"45.00"_s, u"1"_s, u"90.00"_s},
             {u"红塔山"_s, u"1"_s, u"38.00"_s, u"0.9"_s, u"34.20"_s}},
            u"124.20"_s,
            u"3.80"_s,
            u"200"_s,
            u"75.80"_s,
            u"微信"_s};
}

struct Word {
    QRectF box; // millimetres
    QString text;
};

// The page size and word boxes poppler reads back from the PDF, in millimetres.
QSizeF readWords(const QString& pdf, QList<Word>& words) {
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return {};
    const QString page = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression number(uR"re(<page width="([\d.]+)" height="([\d.]+)")re"_s);
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    for (const QRegularExpressionMatch& m : word.globalMatch(page)) {
        const auto mm = [&](int i) { return m.captured(i).toDouble() * MillimetresPerPoint; };
        words.append({QRectF(QPointF(mm(1), mm(2)), QPointF(mm(3), mm(4))), m.captured(5)});
    }
    const QRegularExpressionMatch size = number.match(page);
    return QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) * MillimetresPerPoint;
}

} // namespace

class TestReceiptPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textLandsWhereTheLayoutPutsIt_data();
    void textLandsWhereTheLayoutPutsIt();
    void receiptPrinterIsChosenByExactName_data();
    void receiptPrinterIsChosenByExactName();
    void withoutAPrinterTheReceiptIsKeptAsPdf_data();
    void withoutAPrinterTheReceiptIsKeptAsPdf();
    void cashUpTakesTheRoutesPaperWidth_data();
    void cashUpTakesTheRoutesPaperWidth();

private:
    QTemporaryDir m_folder;
};

void TestReceiptPrint::textLandsWhereTheLayoutPutsIt_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    QTest::newRow("number") << u"编号：A170313-0002"_s << 5.0 << 15.0;
    QTest::newRow("date") << u"日期：2017-03-13"_s << 50.0 << 15.0;
    QTest::newRow("second line's discount") << u"0.90"_s << 55.0 << 29.0;
    QTest::newRow("total") << u"合计金额：124.20"_s << 5.0 << 35.0;
    QTest::newRow("discount given") << u"优惠：3.80"_s << 53.0 << 35.0;
    QTest::newRow("received") << u"实收：200.00"_s << 5.0 << 39.0;
    QTest::newRow("footer") << u"谢谢惠顾"_s << 5.0 << 48.0;
}

void TestReceiptPrint::textLandsWhereTheLayoutPutsIt() {
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(QString, word);
    QFETCH(double, x);
    QFETCH(double, y);

    FakePlatform platform;
    platform.printers = {u"小票打印机"_s};
    platform.printerOutput = m_folder.filePath(u"rendered.pdf"_s);
    ReceiptPrinter(platform, m_folder.path()).print(exampleSale(), shopSettings());

    QList<Word> words;
    const QSizeF page = readWords(platform.printerOutput, words);
    QVERIFY(qAbs(page.width() - 80) < 0.1);
    // The PDF keeps its page size in whole points.
    QVERIFY2(qAbs(page.height() - 64) < 0.2, qPrintable(QString::number(page.height())));

    const auto found = std::ranges::find(words, word, &Word::text);
    QVERIFY2(found != words.end(), qPrintable(word));
    QVERIFY2(qAbs(found->box.left() - x) < 0.5, qPrintable(QString::number(found->box.left())));
    QVERIFY2(qAbs(found->box.top() - y) < 0.5, qPrintable(QString::number(found->box.top())));
    const auto title = std::ranges::find(words, u"Vellor便利店"_s, &Word::text);
    QVERIFY(title != words.end());
    QVERIFY2(qAbs(title->box.center().x() - 40) < 0.5,
             qPrintable(QString::number(title->box.center().x())));
    // One face at 9 and 14 pt: box heights in that ratio (a rounded size is off by 5 %).
    QVERIFY2(qAbs(found->box.height() / title->box.height() - 9.0 / 14) < 0.01,
             qPrintable(QString::number(found->box.height() / title->box.height())));
    QVERIFY(qAbs(title->box.top() - 7) < 0.5);
}

void TestReceiptPrint::receiptPrinterIsChosenByExactName_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("systemDefault");
    QTest::addColumn<QString>("receiptPrinter");
    QTest::addColumn<QString>("expected");

    const QStringList two = {u"HP LaserJet"_s, u"小票打印机"_s};
    const QString hp = u"HP LaserJet"_s;
    QTest::newRow("exact name") << two << hp << u"小票打印机"_s << u"小票打印机"_s;
    QTest::newRow("exact name listed first")
        << QStringList{u"小票打印机"_s, hp} << hp << u"小票打印机"_s << u"小票打印机"_s;
    QTest::newRow("other case goes to the default")
        << QStringList{hp, u"Receipt"_s} << hp << u"receipt"_s << hp;
    QTest::newRow("trailing blank goes to the default")
        << QStringList{hp, u"Receipt"_s} << hp << u"Receipt "_s << hp;
    QTest::newRow("part of a name goes to the default")
        << QStringList{hp, u"Receipt-80"_s} << hp << u"Receipt"_s << hp;
    QTest::newRow("removed printer goes to the default") << two << hp << u"Gone"_s << hp;
    QTest::newRow("empty name goes to the default") << two << hp << u""_s << hp;
    QTest::newRow("no system default: first listed") << two << u""_s << u"Gone"_s << hp;
}

void TestReceiptPrint::receiptPrinterIsChosenByExactName() {
    QFETCH(QStringList, installed);
    QFETCH(QString, systemDefault);
    QFETCH(QString, receiptPrinter);
    QFETCH(QString, expected);

    FakePlatform platform;
    platform.printers = installed;
    platform.defaultPrinter = systemDefault;
    platform.printerOutput = m_folder.filePath(u"chosen.pdf"_s);
    QFile::remove(platform.printerOutput);
    SettingsRow settings = shopSettings();
    settings.receiptPrinter = receiptPrinter;
    const QString dataFolder = m_folder.filePath(QString::fromUtf8(QTest::currentDataTag()));

    ReceiptPrinter(platform, dataFolder).print(exampleSale(), settings);
    QCOMPARE(platform.openedPrinters, QStringList{expected});
    QVERIFY(QFile::exists(platform.printerOutput));
    QCOMPARE(platform.defaultPrinter, systemDefault);
    QVERIFY(!QFile::exists(dataFolder + u"/小票"_s));
    QVERIFY(platform.messages.isEmpty());
}

void TestReceiptPrint::withoutAPrinterTheReceiptIsKeptAsPdf_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("saleNumber");
    QTest::addColumn<QString>("fileName");

    const QString number = u"A170313-0002"_s;
    QTest::newRow("no printer installed") << QStringList{} << number << u"A170313-0002.pdf"_s;
    QTest::newRow("printer that does not open")
        << QStringList{u"小票打印机"_s} << number << u"A170313-0002.pdf"_s;
    QTest::newRow("number cannot lead out of the folder")
        << QStringList{} << u"../A1:2"_s << u"___A1_2.pdf"_s;
    QTest::newRow("empty number") << QStringList{} << u""_s << u"_.pdf"_s;
}

void TestReceiptPrint::withoutAPrinterTheReceiptIsKeptAsPdf() {
    QFETCH(QStringList, installed);
    QFETCH(QString, saleNumber);
    QFETCH(QString, fileName);

    FakePlatform platform;
    platform.printers = installed;
    const QString dataFolder = m_folder.filePath(QString::fromUtf8(QTest::currentDataTag()));
    ReceiptPrinter(platform, dataFolder).print(exampleSale(saleNumber), shopSettings());

    QFile pdf(dataFolder + u"/小票/"_s + fileName);
    QVERIFY2(pdf.open(QIODevice::ReadOnly), qPrintable(pdf.fileName()));
    QCOMPARE(pdf.read(5), "%PDF-");
    QCOMPARE(QDir(dataFolder + u"/小票"_s).count(), 3); // ".", ".." and the receipt
    QCOMPARE(platform.openedPrinters, installed);
    QVERIFY(platform.messages.isEmpty());
}

void TestReceiptPrint::cashUpTakesTheRoutesPaperWidth_data() {
    QTest::addColumn<int>("paperWidth");
    QTest::newRow("58 mm") << 58;
    QTest::newRow("80 mm") << 80;
}

void TestReceiptPrint::cashUpTakesTheRoutesPaperWidth() {
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(int, paperWidth);
    TempShop shop;
    ReceiptRouteBook(shop.db()).write({ReceiptRoute::Mode::Driver, {}, paperWidth, false});
    FakePlatform platform;
    platform.printers = {u"小票打印机"_s};
    platform.printerOutput = m_folder.filePath(u"cashup.pdf"_s);
    TillPrinter(platform, shop.db(), m_folder.path(), nullptr)
        .printCashUp(CashUpDay::asRead(), Decimal::fromInt(500), shopSettings());

    QList<Word> words;
    const QSizeF page = readWords(platform.printerOutput, words);
    // The PDF's page is whole points: 58 mm comes out 164 pt.
    QVERIFY2(qAbs(page.width() - paperWidth) < 0.2, qPrintable(QString::number(page.width())));
    const auto label = std::ranges::find(words, u"应有现金"_s, &Word::text);
    const auto value = std::ranges::find(words, u"634.20"_s, &Word::text);
    QVERIFY(label != words.end() && value != words.end());
    QVERIFY2(qAbs(label->box.left() - 5) < 0.5, qPrintable(QString::number(label->box.left())));
    QVERIFY2(qAbs(value->box.right() - (paperWidth - 5)) < 0.5,
             qPrintable(QString::number(value->box.right())));
    QVERIFY(qAbs(value->box.top() - label->box.top()) < 0.5);
}

GUI_TEST_MAIN(TestReceiptPrint)
#include "tst_receiptprint.moc"
