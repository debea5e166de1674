#include "data/DateText.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestDateText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void monthBack_data();
    void monthBack();
    void formats();
};

void TestDateText::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("written by the program") << u"2017-03-13"_s << QDate(2017, 3, 13);
    QTest::newRow("short month and day") << u"2017-3-5"_s << QDate(2017, 3, 5);
    QTest::newRow("blanks around") << u" 2017-03-01 "_s << QDate(2017, 3, 1);
    QTest::newRow("full-width, as an input method types it")
        << u"\u3000２０１７－３－０５"_s << QDate(2017, 3, 5);
    QTest::newRow("letters") << u"abcd-ef-gh"_s << QDate();
    QTest::newRow("no such day") << u"2017-02-30"_s << QDate();
    QTest::newRow("empty") << QString() << QDate();
    QTest::newRow("trailing text") << u"2017-03-01x"_s << QDate();
}

void TestDateText::parse() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(DateText::parse(text).value_or(QDate()), date);
}

void TestDateText::monthBack_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("from");
    QTest::newRow("clipped to February") << QDate(2017, 3, 31) << QDate(2017, 2, 28);
    QTest::newRow("leap year") << QDate(2016, 3, 31) << QDate(2016, 2, 29);
    QTest::newRow("across the year") << QDate(2017, 1, 15) << QDate(2016, 12, 15);
}

void TestDateText::monthBack() {
    QFETCH(QDate, today);
    QFETCH(QDate, from);
    QCOMPARE(DateText::monthBack(today), from);
}

void TestDateText::formats() {
    QCOMPARE(DateText::format(QDate(2017, 3, 5)), u"2017-03-05"_s);
    QCOMPARE(DateText::timeStamp(QDateTime(QDate(2017, 3, 13), QTime(8, 3, 9))),
             u"20170313080309"_s);
}

QTEST_APPLESS_MAIN(TestDateText)
#include "tst_datetext.moc"
