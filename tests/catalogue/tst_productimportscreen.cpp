#include "base/AppContext.h"
#include "catalogue/ProductBook.h"
#include "catalogue/gui/ProductImportScreen.h"
#include "catalogue/gui/ProductScreen.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"
#include "ui/grid/RecordGrid.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

class Fixture {
public:
    QString writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }
    // The import screen with this file chosen through the open-file dialog.
    ProductImportScreen& importing(const QString& path) {
        screen.emplace(context);
        platform.openAnswers = {path};
        QTest::mouseClick(screen->findChild<QPushButton*>(u"chooseFile"_s), Qt::LeftButton);
        return *screen;
    }
    QString summary() const { return screen->findChild<QLabel*>(u"summary"_s)->text(); }
    void click(const QString& name) const {
        QTest::mouseClick(screen->findChild<QAbstractButton*>(name), Qt::LeftButton);
    }
    qsizetype productCount() { return ProductBook(shop.db()).all().size(); }

    QTemporaryDir folder;
    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    std::optional<ProductImportScreen> screen;
};

} // namespace

class TestProductImportScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chosenFileIsPlannedAndImportedAfterYes();
    void exportedListReadsBackAsUpdates();
    void unreadableFileIsReported();
};

void TestProductImportScreen::chosenFileIsPlannedAndImportedAfterYes() {
    Fixture f;
    QStringEncoder gb18030("GB18030");
    f.importing(f.writeFile(u"供货.csv"_s, gb18030(u"品名,条码,进价,零售价,库存\r\n"
                                                   u"可口可乐,6901234567892,2.1,3,24\r\n"
                                                   u"\"老坛\"\"酸菜\"\"面\",0012345,3.35,4.5,\r\n"
                                                   u"雪碧,,二元,3,\r\n"_s)));
    QCOMPARE(f.summary(), u"共3行：新增2行，更新0行，跳过0行，拒绝1行"_s);
    auto* grid = f.screen->findChild<RecordGrid*>(u"grid"_s);
    f.click(u"leftOutOnly"_s);
    QCOMPARE(grid->model().count(), 1);
    QCOMPARE(grid->cellText(0, 1), u"拒绝：进价不是数字"_s);
    f.click(u"leftOutOnly"_s);
    QCOMPARE(grid->model().count(), 3);
    auto* nameField = f.screen->findChild<QComboBox*>(u"field_0"_s);
    QCOMPARE(nameField->currentText(), u"名称"_s);
    QCOMPARE(f.screen->findChild<QComboBox*>(u"field_1"_s)->currentText(), u"编号\\条码"_s);
    Q_EMIT nameField->activated(0); // "不导入"
    QCOMPARE(f.summary(), u"共3行：新增0行，更新0行，跳过0行，拒绝3行"_s);
    Q_EMIT nameField->activated(2);
    QCOMPARE(f.summary(), u"共3行：新增2行，更新0行，跳过0行，拒绝1行"_s);

    f.platform.answers = {false};
    f.click(u"import"_s);
    QCOMPARE(f.platform.questions, QStringList{u"将新增2个商品，更新0个商品，确认导入吗？"_s});
    QCOMPARE(f.productCount(), 5);

    f.platform.answers = {true};
    f.click(u"import"_s);
    QCOMPARE(f.platform.messages.last(), u"导入完成：新增2个商品，更新0个商品。"_s);
    QCOMPARE(f.productCount(), 7);
    QCOMPARE(f.summary(), u"共3行：新增0行，更新2行，跳过0行，拒绝1行"_s);
    f.click(u"skip"_s);
    QCOMPARE(f.summary(), u"共3行：新增0行，更新0行，跳过2行，拒绝1行"_s);
}

void TestProductImportScreen::exportedListReadsBackAsUpdates() {
    Fixture f;
    ProductScreen products(f.context);
    f.platform.saveAnswers = {f.folder.filePath(u"商品"_s)};
    QTest::mouseClick(products.findChild<QPushButton*>(u"exportProducts"_s), Qt::LeftButton);
    QCOMPARE(f.platform.messages.last(), u"文件导出成功！"_s);
    f.importing(f.folder.filePath(u"商品.xlsx"_s));
    QCOMPARE(f.summary(), u"共5行：新增0行，更新5行，跳过0行，拒绝0行"_s);
}

void TestProductImportScreen::unreadableFileIsReported() {
    Fixture f;
    f.importing(f.writeFile(u"旧.xls"_s, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")));
    QVERIFY(f.platform.messages.last().contains(u".xls"_s));
    QCOMPARE(f.summary(), u"共0行：新增0行，更新0行，跳过0行，拒绝0行"_s);
}

GUI_TEST_MAIN(TestProductImportScreen)
#include "tst_productimportscreen.moc"
