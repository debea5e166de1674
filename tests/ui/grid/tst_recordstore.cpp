#include "ui/grid/GridState.h"
#include "ui/grid/RecordStore.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString S = QString(RecordStore::Separator);

QList<QStringList> recordsOf(int count) {
    QList<QStringList> records;
    for (int i = 0; i < count; ++i)
        records.append({u"A%1"_s.arg(i), u"中华%1"_s.arg(i), QString::number(i)});
    return records;
}

// The same records in the layout asked for, with the product IDs as a hidden list.
RecordStore storeOf(RecordStore::Layout layout, const QList<QStringList>& records) {
    RecordStore store(3);
    QStringList ids;
    for (int i = 0; i < records.size(); ++i)
        ids.append(u"ID%1"_s.arg(i));
    if (layout == RecordStore::Layout::Lines) {
        QStringList lines;
        for (const QStringList& record : records)
            lines.append(RecordStore::joined(record));
        store.setLines(lines, {ids});
    } else {
        QList<QStringList> columns(3);
        for (const QStringList& record : records) {
            for (int column = 0; column < 3; ++column)
                columns[column].append(record.at(column));
        }
        store.setColumns(columns, {ids});
    }
    return store;
}

} // namespace

class TestRecordStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void split_data();
    void split();
    void layoutsReadAlike_data();
    void layoutsReadAlike();
    void appendAndRemove_data();
    void appendAndRemove();
    void scrollRange_data();
    void scrollRange();
    void selectionAndWriteBack_data();
    void selectionAndWriteBack();
};

void TestRecordStore::split_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QStringList>("pieces");

    QTest::newRow("every field closed")
        << u"aァbァcァ"_s << 3 << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("text after the last separator is no field")
        << u"aァbァc"_s << 3 << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("more fields than columns")
        << u"aァbァcァdァ"_s << 3 << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("empty fields count")
        << u"ァ备注ァァ"_s << 3 << QStringList{QString(), u"备注"_s, QString()};
    QTest::newRow("empty line") << QString() << 3 << QStringList();
    QTest::newRow("no separator at all") << u"abc"_s << 3 << QStringList();
}

void TestRecordStore::split() {
    QFETCH(QString, line);
    QFETCH(int, columns);
    QFETCH(QStringList, pieces);
    QCOMPARE(RecordStore::split(line, columns), pieces);
}

void TestRecordStore::layoutsReadAlike_data() {
    QTest::addColumn<RecordStore::Layout>("layout");
    QTest::newRow("column lists") << RecordStore::Layout::Columns;
    QTest::newRow("lines") << RecordStore::Layout::Lines;
}

void TestRecordStore::layoutsReadAlike() {
    QFETCH(RecordStore::Layout, layout);
    const QList<QStringList> records = recordsOf(5);
    RecordStore store = storeOf(layout, records);

    QCOMPARE(store.layout(), layout);
    QCOMPARE(store.count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(store.fields(i), records.at(i));
        QCOMPARE(store.text(i, 1), records.at(i).at(1));
        QCOMPARE(store.hidden(0, i), u"ID%1"_s.arg(i));
    }
    QVERIFY(store.fields(5).isEmpty());
    QVERIFY(store.text(-1, 0).isEmpty());

    // A write-back with an empty last field must still give three fields in either layout.
    store.setFields(2, {u"X"_s, u"红塔山"_s, QString()});
    QCOMPARE(store.fields(2), (QStringList{u"X"_s, u"红塔山"_s, QString()}));
    QCOMPARE(store.hidden(0, 2), u"ID2"_s);
    QCOMPARE(store.fields(3), records.at(3));
}

void TestRecordStore::appendAndRemove_data() {
    layoutsReadAlike_data();
}

void TestRecordStore::appendAndRemove() {
    QFETCH(RecordStore::Layout, layout);
    RecordStore store = storeOf(layout, recordsOf(3));

    // A cart line added with fewer fields than columns reads the missing one as empty.
    store.append({u"B1"_s, u"白沙"_s}, {u"ID9"_s});
    QCOMPARE(store.count(), 4);
    QCOMPARE(store.text(3, 1), u"白沙"_s);
    QVERIFY(store.text(3, 2).isEmpty());
    QCOMPARE(store.fields(3).size(), layout == RecordStore::Layout::Lines ? 2 : 3);
    QCOMPARE(store.hidden(0, 3), u"ID9"_s);

    store.removeAt(1);
    QCOMPARE(store.count(), 3);
    QCOMPARE(store.text(1, 0), u"A2"_s);
    QCOMPARE(store.hidden(0, 1), u"ID2"_s);
    QCOMPARE(store.hidden(0, 2), u"ID9"_s);

    store.clear();
    QCOMPARE(store.count(), 0);
    QCOMPARE(store.layout(), layout);
    QVERIFY(store.hidden(0, 0).isEmpty());
}

void TestRecordStore::scrollRange_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("maximum");

    QTest::newRow("no records") << 0 << 0;
    QTest::newRow("fewer than the rows") << 3 << 0;
    QTest::newRow("exactly the rows") << 16 << 0;
    QTest::newRow("one more than the rows") << 17 << 1;
    QTest::newRow("many") << 30000 << 29984;
}

void TestRecordStore::scrollRange() {
    QFETCH(int, records);
    QFETCH(int, maximum);
    GridState state(3, 16);
    state.store().setColumns({QStringList(100)});
    state.setScrollRange();
    state.setTop(50);
    QCOMPARE(state.top(), 50);

    state.store().setColumns({QStringList(records)});
    state.setScrollRange();
    QCOMPARE(state.scrollMaximum(), maximum);
    QCOMPARE(state.scrollEnabled(), maximum > 0);
    QCOMPARE(state.top(), 0);
    state.setTop(maximum + 5);
    QCOMPARE(state.top(), maximum);
    QCOMPARE(state.recordAt(15), records > 15 ? std::optional<int>(maximum + 15) : std::nullopt);
}

void TestRecordStore::selectionAndWriteBack_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("loading");
    QTest::addColumn<int>("record");

    QTest::newRow("top row") << 30 << 0 << 0 << false << 0;
    QTest::newRow("scrolled") << 30 << 10 << 2 << false << 12;
    QTest::newRow("row past the records") << 3 << 0 << 5 << false << -1;
    QTest::newRow("row past the visible rows") << 30 << 0 << 16 << false << -1;
    QTest::newRow("no row") << 30 << 0 << -1 << false << -1;
    QTest::newRow("loading") << 30 << 10 << 2 << true << 12;
}

void TestRecordStore::selectionAndWriteBack() {
    QFETCH(int, records);
    QFETCH(int, top);
    QFETCH(int, row);
    QFETCH(bool, loading);
    QFETCH(int, record);

    GridState state(3, 16);
    state.store().setColumns(
        {QStringList(records, u"a"_s), QStringList(records, u"b"_s), QStringList(records)});
    state.setScrollRange();
    state.setTop(top);
    state.select(0);

    QCOMPARE(state.select(row), record >= 0);
    QCOMPARE(state.selectedRow(), record >= 0 ? row : -1);
    QCOMPARE(state.selectedRecord(), record >= 0 ? std::optional<int>(record) : std::nullopt);

    // The selected record is the one shown when the row was clicked, not after scrolling.
    state.setTop(top + 1);
    QCOMPARE(state.selectedRecord(), record >= 0 ? std::optional<int>(record) : std::nullopt);
    state.setTop(top);

    state.setLoading(loading);
    const bool stored = state.writeBack(row, {u"x"_s, u"y"_s, u"z"_s});
    QCOMPARE(stored, record >= 0 && !loading);
    for (int i = 0; i < records; ++i)
        QCOMPARE(state.store().text(i, 2), stored && i == record ? u"z"_s : QString());
    QCOMPARE(state.store().count(), records);
}

QTEST_GUILESS_MAIN(TestRecordStore)
#include "tst_recordstore.moc"
