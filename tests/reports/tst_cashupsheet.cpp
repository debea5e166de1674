#include "checkout/CashUpDay.h"
#include "reports/CashUpSheet.h"
#include "reports/SheetReader.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestCashUpSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cells_data();
    void cells();

private:
    QTemporaryDir m_folder;
    QMap<QString, SheetReader::Cell> m_cells;
};

void TestCashUpSheet::initTestCase() {
    const QString path = m_folder.filePath(u"日结.xlsx"_s);
    QCOMPARE(CashUpSheet::write(path, CashUpDay::asRead(), Decimal::fromInt(500)), QString());
    m_cells = SheetReader::read(path);
    QCOMPARE(m_cells.value(u"A1"_s).value, u"日结报表（2017.03.13-2017.03.13）"_s);
}

void TestCashUpSheet::cells_data() {
    QTest::addColumn<QString>("rowLabel"); // the text in column A of the row
    QTest::addColumn<QString>("column");
    QTest::addColumn<bool>("text");
    QTest::addColumn<QString>("value"); // empty: no cell
    QTest::addColumn<QString>("format");
    QTest::newRow("a count is a whole number")
        << u"销售笔数"_s << u"B"_s << false << u"4"_s << QString();
    QTest::newRow("money is exact, shown 0.00")
        << u"应有现金"_s << u"B"_s << false << u"634.2"_s << u"0.00"_s;
    QTest::newRow("the float typed") << u"备用金"_s << u"B"_s << false << u"500"_s << u"0.00"_s;
    QTest::newRow("a method that took nothing shows 0")
        << u"支付宝"_s << u"B"_s << false << u"0"_s << u"0.00"_s;
    QTest::newRow("change captions") << u"销售号"_s << u"F"_s << true << u"新金额"_s << QString();
    QTest::newRow("change date is a date")
        << u"A170313-0001"_s << u"B"_s << false << u"42807"_s << u"yyyy.mm.dd"_s;
    QTest::newRow("change time as stored")
        << u"A170313-0001"_s << u"C"_s << true << u"10:15:02"_s << QString();
    QTest::newRow("corrected total")
        << u"A170313-0001"_s << u"F"_s << false << u"124.2"_s << u"0.00"_s;
    QTest::newRow("deleted sale has no new total")
        << u"A170313-0005"_s << u"F"_s << false << QString() << QString();
}

void TestCashUpSheet::cells() {
    QFETCH(QString, rowLabel);
    QFETCH(QString, column);
    QFETCH(bool, text);
    QFETCH(QString, value);
    QFETCH(QString, format);
    static const QRegularExpression columnA(u"^A(\\d+)$"_s);
    QStringList rows;
    for (const auto& [reference, cell] : m_cells.asKeyValueRange()) {
        const QRegularExpressionMatch match = columnA.match(reference);
        if (match.hasMatch() && cell.value == rowLabel)
            rows << match.captured(1);
    }
    QCOMPARE(rows.size(), 1);
    const QString reference = column + rows.first();
    QCOMPARE(m_cells.contains(reference), !value.isEmpty());
    if (value.isEmpty())
        return;
    const SheetReader::Cell cell = m_cells.value(reference);
    QCOMPARE(cell.value, value);
    QCOMPARE(cell.text, text);
    QCOMPARE(cell.format, format);
}

QTEST_MAIN(TestCashUpSheet)
#include "tst_cashupsheet.moc"
