#include "sheets/CsvText.h"
#include "sheets/SheetCells.h"
#include "sheets/SheetFile.h"
#include "sheets/SheetSource.h"
#include "sheets/XlsxValue.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// "3:a|b": the row's number and its cells.
QStringList described(const SheetRows& rows) {
    QStringList lines;
    for (const SheetRow& row : rows)
        lines.append(QString::number(row.number) + u':' + row.cells.join(u'|'));
    return lines;
}

QByteArray encoded(const char* encoding, const QString& text) {
    QStringEncoder encoder(encoding);
    return encoder(text);
}

// A workbook as this program's own writer makes one: shared strings, exact numbers, a date.
void writeWithOurWriter(const QString& path) {
    QVERIFY(SheetFile::write(path, [](SheetCells& cells) {
                cells.text(0, 0, u"0012"_s);
                cells.number(0, 1, Decimal::fromInt(6901234567892));
                cells.money(0, 2, Decimal::fromUnits(767400));
                cells.date(0, 3, QDate(2017, 3, 13));
                cells.text(2, 1, u"_x0041_"_s);
            }).isEmpty());
}

// Strings written inline in each cell, as the library's streaming mode (and other writers) do.
void writeInline(const QString& path) {
    lxw_workbook_options options{LXW_TRUE, nullptr, LXW_FALSE};
    lxw_workbook* book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "清单");
    worksheet_write_string(sheet, 0, 0, "中华", nullptr);
    worksheet_write_boolean(sheet, 0, 1, 0, nullptr);
    QCOMPARE(workbook_close(book), LXW_NO_ERROR);
}

} // namespace

class TestSheets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workbookCells_data();
    void workbookCells();
    void plainNumber_data();
    void plainNumber();
    void formatKind_data();
    void formatKind();
    void csv_data();
    void csv();
    void refusedFiles_data();
    void refusedFiles();
    void fileName_data();
    void fileName();
};

void TestSheets::workbookCells_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("rows");
    const QStringList supplierSheets{u"供货清单"_s, u"说明"_s};
    QTest::newRow("LibreOffice: runs, number and text codes, formula, truth value, date")
        << u"supplier-libreoffice.xlsx"_s << 0 << supplierSheets
        << QStringList{u"1:康师傅商贸供货清单"_s,
                       u"2:序号|商品名称|规格|条码|单位|进价|零售价|生产厂家|库存|备注"_s,
                       u"3:1|可口可乐|500ml|6901234567892|瓶|2.1|3|可口可乐公司|24|TRUE"_s,
                       u"4:2|老坛酸菜\"牛肉面\"|桶装|0012345|桶|3.35|4.5|统一|12|2024-03-05"_s,
                       u"5:3|农夫山泉|550ml|6921168509256|瓶|1.2|2|农夫山泉股份有限公司"_s};
    QTest::newRow("LibreOffice: the second sheet chosen")
        << u"supplier-libreoffice.xlsx"_s << 1 << supplierSheets
        << QStringList{u"1:本表由供应商提供"_s};
    QTest::newRow("our writer: text code, exact numbers, date, literal escape, gap")
        << u"writer"_s << 0 << QStringList{u"Sheet1"_s}
        << QStringList{u"1:0012|6901234567892|76.74|2017-03-13"_s, u"3:|_x0041_"_s};
    QTest::newRow("inline strings and a truth value")
        << u"inline"_s << 0 << QStringList{u"清单"_s} << QStringList{u"1:中华|FALSE"_s};
}

void TestSheets::workbookCells() {
    QFETCH(QString, source);
    QFETCH(int, sheet);
    QFETCH(QStringList, names);
    QFETCH(QStringList, rows);
    QTemporaryDir folder;
    QString path = folder.filePath(u"book.xlsx"_s);
    if (source == u"writer")
        writeWithOurWriter(path);
    else if (source == u"inline")
        writeInline(path);
    else
        path = QStringLiteral(SAMPLES_DIR) + u'/' + source;
    SheetSource file;
    QVERIFY2(file.open(path), qPrintable(file.errorString()));
    QCOMPARE(file.sheetNames(), names);
    SheetRows read;
    QVERIFY(file.read(sheet, read));
    QCOMPARE(described(read), rows);
}

void TestSheets::plainNumber_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("plain");
    QTest::newRow("a barcode") << u"6901234567892"_s << u"6901234567892"_s;
    QTest::newRow("a barcode in exponent form") << u"6.901234567892E+12"_s << u"6901234567892"_s;
    QTest::newRow("binary noise past 15 digits") << u"76.739999999999995"_s << u"76.74"_s;
    QTest::newRow("noise rounding up") << u"0.30000000000000004"_s << u"0.3"_s;
    QTest::newRow("carry into a new digit") << u"9.9999999999999998"_s << u"10"_s;
    QTest::newRow("small") << u"1.2E-5"_s << u"0.000012"_s;
    QTest::newRow("negative") << u"-0.5"_s << u"-0.5"_s;
    QTest::newRow("trailing zeros of a whole number stay") << u"1E+3"_s << u"1000"_s;
    QTest::newRow("zero") << u"0"_s << u"0"_s;
    QTest::newRow("no number") << u"#N/A"_s << u"#N/A"_s;
    QTest::newRow("an exponent no shop needs, kept as written")
        << u"1E+999999999"_s << u"1E+999999999"_s;
}

void TestSheets::plainNumber() {
    QFETCH(QString, stored);
    QFETCH(QString, plain);
    QCOMPARE(XlsxValue::plainNumber(stored), plain);
}

void TestSheets::formatKind_data() {
    using Kind = XlsxValue::Kind;
    QTest::addColumn<QString>("code");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("General") << u"General"_s << Kind::Number;
    QTest::newRow("money in red") << u"#,##0.00_);[Red](#,##0.00)"_s << Kind::Number;
    QTest::newRow("quoted letters") << u"0\"天\"\" days\""_s << Kind::Number;
    QTest::newRow("escaped dashes") << u"yyyy\\-mm\\-dd"_s << Kind::Date;
    QTest::newRow("Chinese date") << u"[$-804]yyyy\"年\"m\"月\"d\"日\""_s << Kind::Date;
    QTest::newRow("months alone") << u"mmm"_s << Kind::Date;
    QTest::newRow("minutes beside seconds") << u"mm:ss"_s << Kind::Time;
    QTest::newRow("elapsed hours") << u"[h]:mm"_s << Kind::Time;
    QTest::newRow("date and time") << u"m/d/yy h:mm AM/PM"_s << Kind::DateTime;
}

void TestSheets::formatKind() {
    QFETCH(QString, code);
    QFETCH(XlsxValue::Kind, kind);
    QCOMPARE(XlsxValue::kindOfFormat(code), kind);
}

void TestSheets::csv_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("UTF-8 with its mark, commas, CRLF")
        << QByteArray("\xEF\xBB\xBF") + u"名称,售价\r\n可乐,3\r\n"_s.toUtf8()
        << QStringList{u"1:名称|售价"_s, u"2:可乐|3"_s};
    QTest::newRow("GB18030 with quotes and a line break in a field")
        << encoded("GB18030",
                   u"名称,备注\r\n\"老坛\"\"酸菜\"\"面\",\"第一行\r\n第二行\"\r\n红塔山,软"_s)
        << QStringList{u"1:名称|备注"_s, u"2:老坛\"酸菜\"面|第一行\n第二行"_s, u"3:红塔山|软"_s};
    QTest::newRow("semicolons, a comma inside a field")
        << QByteArray("a;b;c\n1;2,5;3\n") << QStringList{u"1:a|b|c"_s, u"2:1|2,5|3"_s};
    QTest::newRow("tabs") << u"名称\t规格\n中华\t硬盒\n"_s.toUtf8()
                          << QStringList{u"1:名称|规格"_s, u"2:中华|硬盒"_s};
    QTest::newRow("a separator named first")
        << QByteArray("sep=;\na;b,c\n") << QStringList{u"1:a|b,c"_s};
    QTest::newRow("blank records keep the count, trailing empty fields go")
        << QByteArray("a,b\n\n,,\nc,,\n") << QStringList{u"1:a|b"_s, u"4:c"_s};
    QTest::newRow("UTF-16 with its mark")
        << QByteArray("\xFF\xFE") + encoded("UTF-16LE", u"名称\t售价\n可乐\t3"_s)
        << QStringList{u"1:名称|售价"_s, u"2:可乐|3"_s};
}

void TestSheets::csv() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    QCOMPARE(described(CsvText::rows(CsvText::decode(bytes))), rows);
}

void TestSheets::refusedFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("old .xls") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "rest"
                              << u".xls"_s;
    QTest::newRow("broken zip") << QByteArray("PK\x03\x04 not really") << u"损坏"_s;
    QTest::newRow("binary") << QByteArray("\x7F"
                                          "ELF\0\0\0",
                                          7)
                            << u"不是表格"_s;
}

void TestSheets::refusedFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QFile written(folder.filePath(u"file.xlsx"_s));
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write(bytes);
    written.close();
    SheetSource file;
    QVERIFY(!file.open(written.fileName()));
    QVERIFY2(file.errorString().contains(reason), qPrintable(file.errorString()));
}

void TestSheets::fileName_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("file");
    QTest::newRow("no suffix") << u"/tmp/报表"_s << u"/tmp/报表.xlsx"_s;
    QTest::newRow("suffix already there") << u"/tmp/报表.xlsx"_s << u"/tmp/报表.xlsx"_s;
    QTest::newRow("suffix in capitals") << u"/tmp/报表.XLSX"_s << u"/tmp/报表.XLSX"_s;
    QTest::newRow("the old suffix") << u"/tmp/报表.xls"_s << u"/tmp/报表.xlsx"_s;
    QTest::newRow("another suffix") << u"/tmp/报表.txt"_s << u"/tmp/报表.txt.xlsx"_s;
}

void TestSheets::fileName() {
    QFETCH(QString, chosen);
    QFETCH(QString, file);
    QCOMPARE(SheetFile::fileName(chosen), file);
}

QTEST_GUILESS_MAIN(TestSheets)
#include "tst_sheets.moc"
