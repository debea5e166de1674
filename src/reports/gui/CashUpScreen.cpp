#include "reports/gui/CashUpScreen.h"

#include "base/AppContext.h"
#include "base/Platform.h"
#include "checkout/CashUpBook.h"
#include "checkout/CashUpFigures.h"
#include "data/DateText.h"
#include "data/DbError.h"
#include "reports/CashUpSheet.h"
#include "reports/gui/CashUpFiguresView.h"
#include "sheets/SheetFile.h"
#include "ui/DateRangeBar.h"
#include "ui/EntryField.h"
#include "ui/Placed.h"
#include "ui/Twips.h"
#include "ui/grid/RecordGrid.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Width = 8730;
constexpr int FiguresTop = 720;
constexpr int FiguresHeight = 4020;
constexpr int ChangesTop = FiguresTop + FiguresHeight + 60;

QString moneyOrNothing(const std::optional<Decimal>& value) {
    return value ? value->moneyText() : QString();
}

QStringList changeTexts(const SaleChange& change) {
    return {change.saleNumber,
            change.date.isValid() ? DateText::format(change.date) : QString(),
            change.time,
            change.kind,
            moneyOrNothing(change.before),
            moneyOrNothing(change.after)};
}

} // namespace

CashUpScreen::CashUpScreen(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_platform(context.platform)
    , m_changes(changeTexts) {
    setWindowTitle(u"日结"_s);
    buildFilterBar();
    m_figures = placed<CashUpFiguresView>(this, u"figures"_s,
                                          Twips::rect(60, FiguresTop, Width - 120, FiguresHeight));
    buildChangesGrid();
    setFixedSize(Twips::px(Width), m_grid->y() + m_grid->height() + Twips::px(60));
    const QDate today = m_platform.now().date();
    m_range->setRange(today, today);
    m_float->setFocus();
    query();
}

Decimal CashUpScreen::openingFloat() const {
    return Decimal::read(m_float->text());
}

void CashUpScreen::buildFilterBar() {
    auto* frame = placed<QFrame>(this, u"filterFrame"_s, Twips::rect(60, 60, Width - 120, 570));
    frame->setFrameShape(QFrame::StyledPanel);
    m_range = new DateRangeBar(m_platform, frame,
                               {.fromCaption = u"日期"_s,
                                .fromLabel = Twips::rect(120, 150, 480, 300),
                                .fromBox = Twips::rect(600, 120, 1215, 330),
                                .toLabel = Twips::rect(1905, 150, 300, 300),
                                .toBox = Twips::rect(2220, 120, 1215, 330)});
    placed<QLabel>(frame, QString(), Twips::rect(3555, 150, 720, 300), u"备用金"_s);
    m_float = placed<EntryField>(frame, u"openingFloat"_s, Twips::rect(4275, 120, 1095, 330));
    m_float->setMaxLength(Decimal::TextLength);
    auto* query =
        placed<QPushButton>(frame, u"queryButton"_s, Twips::rect(5490, 90, 900, 390), u"查  询"_s);
    auto* print =
        placed<QPushButton>(frame, u"printButton"_s, Twips::rect(6480, 90, 900, 390), u"打  印"_s);
    auto* exportButton = placed<QPushButton>(frame, u"exportButton"_s,
                                             Twips::rect(7470, 90, 1020, 390), u"导出Excel"_s);
    m_range->setTabOrderAfter(m_float);
    connect(m_range, &DateRangeBar::enterPressed, this, &CashUpScreen::query);
    connect(m_float, &QLineEdit::textChanged, this, &CashUpScreen::showFigures);
    connect(m_float, &EntryField::enterPressed, print, [print] { print->setFocus(); });
    connect(query, &QPushButton::clicked, this, &CashUpScreen::query);
    connect(print, &QPushButton::clicked, this, [this] {
        if (m_cashUp.from.isValid())
            Q_EMIT printRequested(m_cashUp, openingFloat());
    });
    connect(exportButton, &QPushButton::clicked, this, &CashUpScreen::exportSheet);
}

void CashUpScreen::buildChangesGrid() {
    placed<QLabel>(this, QString(), Twips::rect(60, ChangesTop, 3000, 300),
                   CashUpFigures::ChangesHeading);
    const auto column = [](const QString& caption, int width, Qt::Alignment alignment) {
        return GridColumn{.caption = caption, .headerWidth = width, .alignment = alignment};
    };
    GridDesign design;
    design.rows = 6;
    design.rowSelection = false;
    design.columns = {
        column(u"销售号"_s, 1935, Qt::AlignLeft),  column(u"日期"_s, 1455, Qt::AlignLeft),
        column(u"时间"_s, 1215, Qt::AlignLeft),    column(u"类别"_s, 735, Qt::AlignHCenter),
        column(u"原金额"_s, 1515, Qt::AlignRight), column(u"新金额"_s, 1515, Qt::AlignRight),
    };
    m_grid = new RecordGrid(design, m_changes, this);
    m_grid->setObjectName(u"changes"_s);
    m_grid->move(Twips::px(60), Twips::px(ChangesTop + 330));
}

void CashUpScreen::query() {
    const std::optional<DateRange> range = m_range->range();
    if (!range)
        return;
    try {
        m_cashUp = CashUpBook(m_context.database).read(range->from, range->to);
    } catch (const DbError& error) {
        m_platform.inform(this, u"查询失败："_s + error.message());
        return;
    }
    m_changes.rows = m_cashUp.changes;
    m_grid->load();
    showFigures();
}

void CashUpScreen::showFigures() {
    m_figures->show(CashUpFigures::sections(m_cashUp, openingFloat()));
}

void CashUpScreen::exportSheet() {
    if (!m_cashUp.from.isValid())
        return; // nothing was read
    const QString chosen =
        m_platform.saveFileName(this, u"另存为"_s, u"Excel文件 (*.xlsx)"_s).trimmed();
    if (chosen.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString failure =
        CashUpSheet::write(SheetFile::fileName(chosen), m_cashUp, openingFloat());
    QApplication::restoreOverrideCursor();
    if (failure.isEmpty())
        m_platform.inform(this, u"文件导出成功！"_s);
    else
        m_platform.inform(this, u"导出失败："_s + failure);
}
