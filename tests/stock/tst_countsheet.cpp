#include "sheets/SheetSource.h"
#include "stock/CountSheet.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestCountSheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sheetHasTheListAndRoomForCounts();
};

void TestCountSheet::sheetHasTheListAndRoomForCounts() {
    QTemporaryDir folder;
    const QString path = folder.filePath(u"盘点.xlsx"_s);
    const QList<ListedStock> listed{
        {u"1"_s, u"0012"_s, u"中华\\硬盒"_s, u"上海制烟厂"_s, u"包"_s, Decimal::read(u"12.5")},
        {u"2"_s, u"A2"_s, u"白沙"_s, {}, u"条"_s, Decimal::fromInt(-3)}};
    QCOMPARE(CountSheet::write(path, listed, QDate(2017, 3, 13)), QString());
    SheetSource file;
    SheetRows rows;
    QVERIFY(file.open(path) && file.read(0, rows));
    QStringList lines;
    for (const SheetRow& row : rows)
        lines.append(QString::number(row.number) + u':' + row.cells.join(u'|'));
    QCOMPARE(lines,
             QStringList({u"1:库存盘点表（2017.03.13）"_s,
                          u"2:编号\\条码|商品名称\\规格|厂家|单位|帐面库存|实际库存|备注"_s,
                          u"3:0012|中华\\硬盒|上海制烟厂|包|12.5"_s, u"4:A2|白沙||条|-3"_s}));
}

QTEST_GUILESS_MAIN(TestCountSheet)
#include "tst_countsheet.moc"
