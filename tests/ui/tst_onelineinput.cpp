#include "base/AppContext.h"
#include "catalogue/Pinyin.h"
#include "catalogue/gui/ProductScreen.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"
#include "ui/grid/RecordGrid.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

class TestOneLineInput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pastedControlsBecomeOneBlank_data();
    void pastedControlsBecomeOneBlank();
    void productNameTakesThePasteOnOneLine();
};

void TestOneLineInput::pastedControlsBecomeOneBlank_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::newRow("spreadsheet cell with a line break")
        << u"plain"_s << u"中华\r\n硬盒\t"_s << u"已有中华 硬盒 "_s;
    QTest::newRow("tab between cells") << u"plain"_s << u"45\t元"_s << u"已有45 元"_s;
    QTest::newRow("bell and escape") << u"plain"_s << u"a\u0007\u001bb"_s << u"已有a b"_s;
    QTest::newRow("unicode line separator") << u"plain"_s << u"a\u2028b"_s << u"已有a b"_s;
    QTest::newRow("editable list") << u"combo"_s << u"Laser\nJet"_s << u"已有Laser Jet"_s;
    QTest::newRow("grid cell") << u"grid"_s << u"2\r\n"_s << u"已有2 "_s;
}

void TestOneLineInput::pastedControlsBecomeOneBlank() {
    QFETCH(QString, box);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    QWidget window;
    GridList<QString> counts([](const QString& count) { return QStringList{count}; });
    counts.rows = {QString()};
    QLineEdit* edit = nullptr;
    if (box == u"plain") {
        edit = new QLineEdit(&window);
    } else if (box == u"combo") {
        auto* list = new QComboBox(&window);
        list->setEditable(true);
        edit = list->lineEdit();
    } else {
        GridDesign design;
        design.rows = 2;
        design.columns = {
            {.caption = u"数量"_s, .headerWidth = 900, .kind = GridColumn::Kind::TextEntry}};
        auto* grid = new RecordGrid(design, counts, &window);
        grid->load();
        edit = grid->findChild<QLineEdit*>(u"cell_0_0"_s);
    }
    QVERIFY(edit);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();
    edit->setText(u"已有"_s);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keySequence(edit, QKeySequence::Paste);
    QCOMPARE(edit->text(), kept);
    QCOMPARE(edit->cursorPosition(), kept.size());
}

void TestOneLineInput::productNameTakesThePasteOnOneLine() {
    TempShop shop;
    FakePlatform platform;
    AppContext context{shop.db(), platform, shop.folder()};
    ProductScreen screen(context);
    screen.show();
    auto* name = screen.findChild<QLineEdit*>(u"name"_s);
    QGuiApplication::clipboard()->setText(u"红塔山\t金装\n"_s);
    name->setFocus();
    name->paste();
    QCOMPARE(name->text(), u"红塔山 金装 "_s);
    // The pinyin code follows the mended name, as if a blank had been typed.
    QCOMPARE(screen.findChild<QLineEdit*>(u"pinyin"_s)->text(), PinyinCode(u"红塔山 金装"_s));
}

GUI_TEST_MAIN(TestOneLineInput)
#include "tst_onelineinput.moc"
