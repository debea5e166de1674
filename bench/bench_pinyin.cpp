#include "catalogue/Pinyin.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class BenchPinyin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hundredCharacterName();
};

void BenchPinyin::hundredCharacterName() {
    QString name;
    while (name.size() < 100)
        name += u"农夫山泉550ml红双喜硬盒Coca可口可乐（罐）"_s;
    name.truncate(100);

    QString code;
    QBENCHMARK {
        code = PinyinCode(name);
    }
    QCOMPARE(code.size(), 92);
}

QTEST_GUILESS_MAIN(BenchPinyin)
#include "bench_pinyin.moc"
