#include "app/BackupListModel.h"
#include "data/Schema.h"
#include "support/GuiTestMain.h"
#include "support/MainWindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Key = QString::fromUtf16(Schema::DatabasePassword);

void addSales(Database& database, int first, int last) {
    for (int number = first; number <= last; ++number)
        database.exec(u"INSERT INTO [订单] ([ID号], [日期]) VALUES (?, '2017-03-13')",
                      u"A170313-"_s + QString::number(number).rightJustified(4, u'0'));
}

qint64 salesIn(const QString& path) {
    Database copy = Database::openCopy(path, Key);
    Statement count = copy.prepare(u"SELECT count(*) FROM [订单]");
    count.next();
    return count.integer(0);
}

struct Fixture : MainWindowFixture {
    QWidget* openBackupScreen() {
        window.openScreen(Screen::Backup);
        return screen(Screen::Backup);
    }
    QTreeView* list() { return screen(Screen::Backup)->findChild<QTreeView*>(u"copyList"_s); }
    void press(const QString& button) {
        screen(Screen::Backup)->findChild<QPushButton*>(button)->click();
    }
    QString cell(int row, int column) {
        return list()->model()->index(row, column).data().toString();
    }
    QString backupFolder() const { return drive.filePath(u"Vellor零售店收银软件数据库备份"_s); }
};

} // namespace

class TestBackupScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void restoreWhileScreensAreOpen();
    void onlyAWholeCopyIsRestored_data();
    void onlyAWholeCopyIsRestored();
};

void TestBackupScreen::restoreWhileScreensAreOpen() {
    Fixture f;
    QTemporaryDir stick;
    addSales(f.shop.db(), 1, 1);
    f.openBackupScreen();
    f.platform.folderAnswers = {stick.filePath(u"pulled out"_s), stick.path()};
    f.press(u"backUpNow"_s);
    QVERIFY(f.platform.warnings.value(0).startsWith(u"备份失败："_s));
    f.press(u"backUpNow"_s);
    QCOMPARE(f.cell(0, BackupListModel::Place), QDir::toNativeSeparators(stick.path()));
    QTRY_COMPARE(f.cell(0, BackupListModel::Sales), u"1"_s);
    addSales(f.shop.db(), 2, 3); // sold after the copy: lost by the restore
    f.window.openScreen(Screen::Products);
    f.window.openScreen(Screen::Stocktaking);
    f.window.settings().show();

    f.list()->setCurrentIndex(f.list()->model()->index(0, 0));
    f.platform.answers = {true};
    f.press(u"restore"_s);
    QVERIFY(f.platform.questions.value(0).contains(u"之后的销售将丢失"_s));
    QTRY_VERIFY(f.window.screenWindow(Screen::Sales) && !f.window.screenWindow(Screen::Backup));

    QCOMPARE(f.mdi()->subWindowList().size(), 1);
    QCOMPARE(f.window.settings().loadedWindow(), nullptr);
    // The new sale's number is read from the restored file.
    QCOMPARE(f.screen(Screen::Sales)->findChild<QLabel*>(u"saleNumber"_s)->text(),
             u"A170313-0002"_s);
    QVERIFY2(f.platform.messages.last().startsWith(u"已恢复到"_s),
             qPrintable(f.platform.messages.last()));
    const QStringList kept = QDir(f.backupFolder() + u"/恢复前"_s).entryList(QDir::Files);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(salesIn(f.backupFolder() + u"/恢复前/"_s + kept[0]), 3);
}

void TestBackupScreen::onlyAWholeCopyIsRestored_data() {
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<QString>("state");
    QTest::newRow("a whole day copy") << false << u"完好"_s;
    QTest::newRow("a damaged day copy: refused") << true << u"已损坏，不能恢复"_s;
}

void TestBackupScreen::onlyAWholeCopyIsRestored() {
    QFETCH(bool, damaged);
    QFETCH(QString, state);
    Fixture f;
    const QString copy = f.backupFolder() + u"/8日/数据库.dat"_s;
    QDir().mkpath(QFileInfo(copy).path());
    f.shop.db().backupTo(copy, Key);
    if (damaged) {
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(40000));
        file.write(QByteArray(16, 'x'));
    }
    QMdiSubWindow* sales = f.window.screenWindow(Screen::Sales);
    f.openBackupScreen();
    QCOMPARE(f.cell(0, BackupListModel::Place), u"8日"_s);
    QTRY_COMPARE(f.cell(0, BackupListModel::State), state);

    f.list()->setCurrentIndex(f.list()->model()->index(0, 0));
    f.platform.answers = {false};
    f.press(u"restore"_s);
    QCOMPARE(f.platform.questions.size(), damaged ? 0 : 1);
    QCOMPARE(f.platform.warnings.size(), damaged ? 1 : 0);
    QCoreApplication::processEvents();
    QCOMPARE(f.window.screenWindow(Screen::Sales), sales);
    QVERIFY(f.window.screenWindow(Screen::Backup));
}

GUI_TEST_MAIN(TestBackupScreen)
#include "tst_backupscreen.moc"
