#include "base/AppContext.h"
#include "checkout/CashUpDay.h"
#include "reports/gui/CashUpScreen.h"
#include "support/FakePlatform.h"
#include "support/GuiTestMain.h"
#include "support/TempShop.h"
#include "ui/grid/RecordGrid.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

// The hand-made day, at its end.
struct Day {
    Day() {
        CashUpDay::write(shop.db());
        platform.clock = QDateTime(CashUpDay::Day, QTime(21, 0));
    }
    TempShop shop;
    FakePlatform platform;
};

// The cash-up screen opened then.
struct Fixture : Day {
    QString shown(const QString& figure) const { return screen.findChild<QLabel*>(figure)->text(); }
    template <typename Widget> Widget* find(const QString& name) const {
        return screen.findChild<Widget*>(name);
    }

    AppContext context{shop.db(), platform, shop.folder()};
    CashUpScreen screen{context};
};

} // namespace

class TestCashUpScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void figuresFollowTheRangeAndTheFloat_data();
    void figuresFollowTheRangeAndTheFloat();
    void printAndExportTakeTheFloatTyped();
};

void TestCashUpScreen::figuresFollowTheRangeAndTheFloat_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("openingFloat");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("changes");
    QTest::newRow("today when it opens") << QString() << QString() << u"销售笔数"_s << u"4"_s << 2;
    QTest::newRow("no float typed") << QString() << QString() << u"应有现金"_s << u"134.20"_s << 2;
    QTest::newRow("the float counts at once")
        << QString() << u"500"_s << u"应有现金"_s << u"634.20"_s << 2;
    QTest::newRow("a range typed, Enter")
        << u"2017-03-12"_s << u"500"_s << u"应有现金"_s << u"733.20"_s << 3;
}

void TestCashUpScreen::figuresFollowTheRangeAndTheFloat() {
    QFETCH(QString, from);
    QFETCH(QString, openingFloat);
    QFETCH(QString, figure);
    QFETCH(QString, expected);
    QFETCH(int, changes);
    Fixture f;
    if (!from.isEmpty()) {
        auto* box = f.find<QLineEdit>(u"fromDate"_s);
        box->setText(from);
        QTest::keyClick(box, Qt::Key_Return);
    }
    f.find<QLineEdit>(u"openingFloat"_s)->setText(openingFloat);
    QCOMPARE(f.shown(figure), expected);
    QCOMPARE(f.find<RecordGrid>(u"changes"_s)->model().count(), changes);
    QCOMPARE(f.platform.messages, QStringList());
}

void TestCashUpScreen::printAndExportTakeTheFloatTyped() {
    Fixture f;
    f.find<QLineEdit>(u"openingFloat"_s)->setText(u"300"_s);
    QSignalSpy printed(&f.screen, &CashUpScreen::printRequested);
    QTest::mouseClick(f.find<QPushButton>(u"printButton"_s), Qt::LeftButton);
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed[0][0].value<CashUp>().sales, 4);
    QCOMPARE(printed[0][1].value<Decimal>(), Decimal::fromInt(300));

    const QString chosen = f.shop.folder() + u"/日结"_s;
    f.platform.saveAnswers = {chosen};
    QTest::mouseClick(f.find<QPushButton>(u"exportButton"_s), Qt::LeftButton);
    QVERIFY(QFile::exists(chosen + u".xlsx"_s));
    QCOMPARE(f.platform.messages, QStringList{u"文件导出成功！"_s});
}

GUI_TEST_MAIN(TestCashUpScreen)
#include "tst_cashupscreen.moc"
