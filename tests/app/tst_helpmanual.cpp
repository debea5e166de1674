#include "app/AboutBox.h"
#include "app/HelpManual.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestHelpManual : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pagesAreWrittenIntoTheDataFolder_data();
    void pagesAreWrittenIntoTheDataFolder();
    void olderCopiesAreRefreshed();
    void manualNamesThisMachinesFolders();
    void withoutABrowserAMessageSaysWhereThePageIs();
    void unwritableFolderOpensNothing();
    void aboutBoxShowsTheProgramAndOpensTheHomePage();
};

void TestHelpManual::pagesAreWrittenIntoTheDataFolder_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("mentions");
    QTest::newRow("manual") << int(HelpManual::Page::Manual) << u"index.html"_s
                            << QStringList{u"登录"_s,         u"739"_s,        u"F4"_s,
                                           u"F9"_s,           u"F10"_s,        u"F11"_s,
                                           u"F12"_s,          u"数据库.dat"_s, u"31日"_s,
                                           u"库存盘点记录"_s, u"综合设置"_s,   u"tutorial.html"_s};
    QTest::newRow("manual: receipt printer, drawer")
        << int(HelpManual::Page::Manual) << u"index.html"_s
        << QStringList{u"打印方式"_s, u"纸宽"_s, u"网络打印机"_s, u"测试打印"_s, u"Ctrl+O"_s};
    QTest::newRow("tutorial") << int(HelpManual::Page::Tutorial) << u"tutorial.html"_s
                              << QStringList{u"视频教程"_s, u"index.html"_s};
    QTest::newRow("home page") << int(HelpManual::Page::HomePage) << u"home.html"_s
                               << QStringList{u"V2.0"_s, u"style.css"_s};
}

void TestHelpManual::pagesAreWrittenIntoTheDataFolder() {
    QFETCH(int, page);
    QFETCH(QString, file);
    QFETCH(QStringList, mentions);
    QTemporaryDir data;
    FakePlatform platform;
    HelpManual::show(platform, data.path(), HelpManual::Page(page), nullptr);

    const QString expected = data.filePath(u"帮助/"_s + file);
    QCOMPARE(platform.openedUrls, QList<QUrl>{QUrl::fromLocalFile(expected)});
    const QString text = contents(expected);
    for (const QString& mention : mentions)
        QVERIFY2(text.contains(mention), qPrintable(mention));
    // The pages link to each other and to the style sheet, so all of them are there.
    QCOMPARE(QDir(data.filePath(u"帮助"_s)).entryList(QDir::Files).size(), 4);
}

void TestHelpManual::olderCopiesAreRefreshed() {
    QTemporaryDir data;
    const QString path = HelpManual::writeOut(data.path(), HelpManual::Page::Manual).toLocalFile();
    const QString original = contents(path);
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stale.write("old");
    stale.close();
    HelpManual::writeOut(data.path(), HelpManual::Page::Manual);
    QCOMPARE(contents(path), original);
}

void TestHelpManual::manualNamesThisMachinesFolders() {
    QTemporaryDir root;
    const QString data = root.filePath(u"Vellor零售店收银软件数据库"_s);
    const QString text =
        contents(HelpManual::writeOut(data, HelpManual::Page::Manual).toLocalFile());
    QVERIFY(text.contains(QDir::toNativeSeparators(data)));
    QVERIFY(text.contains(
        QDir::toNativeSeparators(root.filePath(u"Vellor零售店收银软件数据库备份"_s))));
}

void TestHelpManual::withoutABrowserAMessageSaysWhereThePageIs() {
    QTemporaryDir data;
    FakePlatform platform;
    platform.browser = false;
    HelpManual::show(platform, data.path(), HelpManual::Page::Tutorial, nullptr);
    QCOMPARE(platform.messages,
             QStringList{u"没有能打开帮助页面的浏览器。页面在：\n"_s +
                         QDir::toNativeSeparators(data.filePath(u"帮助/tutorial.html"_s))});
}

void TestHelpManual::unwritableFolderOpensNothing() {
    QTemporaryDir data;
    QFile blocker(data.filePath(u"帮助"_s)); // a file where the folder should go
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    FakePlatform platform;
    HelpManual::show(platform, data.path(), HelpManual::Page::Manual, nullptr);
    QCOMPARE(platform.openedUrls, QList<QUrl>());
    QCOMPARE(platform.messages, QStringList());
}

void TestHelpManual::aboutBoxShowsTheProgramAndOpensTheHomePage() {
    QTemporaryDir data;
    FakePlatform platform;
    AboutBox box(platform, data.path());
    QCOMPARE(box.windowTitle(), u"关于"_s);
    QStringList texts;
    for (QLabel* label : box.findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains(u"Vellor零售店收银软件"_s));
    QVERIFY(texts.contains(u"版本：V2.0"_s));

    auto* link = box.findChild<QLabel*>(u"homePage"_s);
    // A name to click, not a file path.
    QVERIFY(link->text().contains(u"<a href=\"home\">Vellor软件工作室</a>"_s));
    QVERIFY(!link->text().contains(u".html"_s));
    Q_EMIT link->linkActivated(u"home"_s);
    QCOMPARE(platform.openedUrls,
             QList<QUrl>{QUrl::fromLocalFile(data.filePath(u"帮助/home.html"_s))});
}

GUI_TEST_MAIN(TestHelpManual)
#include "tst_helpmanual.moc"
