#include "reports/gui/ReportScreen.h"

#include "base/AppContext.h"
#include "base/Platform.h"
#include "data/ColumnWidth.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "reports/ReportColumns.h"
#include "reports/ReportQuery.h"
#include "reports/ReportSheet.h"
#include "reports/gui/ReportProgress.h"
#include "sheets/SheetFile.h"
#include "stock/StockLedger.h"
#include "ui/DateRangeBar.h"
#include "ui/Placed.h"
#include "ui/Twips.h"
#include "ui/grid/RecordGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int GridTop = 720;

// The hourglass for the time of a query or an export.
void busy(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace

ReportScreen::ReportScreen(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_platform(context.platform)
    , m_runner(context.database.path(), QString::fromUtf16(Schema::DatabasePassword)) {
    setWindowTitle(u"统计报表"_s);
    buildFilterBar();
    buildGrid();
    setFixedSize(m_grid->width() + Twips::px(120), m_grid->y() + m_grid->height() + Twips::px(60));
    m_progress = new ReportProgress(this);
    m_progress->setGeometry(Twips::rect(3120, 3240, 5040, 1140));
    connect(&m_runner, &ReportRunner::finished, this, &ReportScreen::finishQuery);
    query();
}

void ReportScreen::buildFilterBar() {
    auto* frame = placed<QFrame>(this, u"filterFrame"_s, Twips::rect(60, 60, 11520, 570));
    frame->setFrameShape(QFrame::StyledPanel);
    const auto label = [frame](const QString& caption, int left, int width) {
        placed<QLabel>(frame, QString(), Twips::rect(left, 150, width, 300), caption);
    };
    label(u"名称"_s, 120, 480);
    m_name = placed<QLineEdit>(frame, u"Text1"_s, Twips::rect(600, 120, 1500, 330));
    m_name->setMaxLength(ColumnWidth::of(u"出入库", u"名称"));
    m_range = new DateRangeBar(m_platform, frame,
                               {.fromCaption = u"日期"_s,
                                .fromLabel = Twips::rect(2220, 150, 480, 300),
                                .fromBox = Twips::rect(2700, 120, 1215, 330),
                                .toLabel = Twips::rect(4005, 150, 300, 300),
                                .toBox = Twips::rect(4320, 120, 1215, 330),
                                .fromName = u"Text3"_s,
                                .toName = u"Text4"_s});
    label(u"分类"_s, 5655, 480);
    m_category = placed<QComboBox>(frame, u"Combo1"_s, Twips::rect(6135, 105, 1095, 360));
    // Editable, as the list always was: any text that is no entry reports sales.
    m_category->setEditable(true);
    for (const MovementKind kind :
         {MovementKind::Sale, MovementKind::StockIn, MovementKind::Return})
        m_category->addItem(StockLedger::categoryOf(kind));
    m_byDate =
        placed<QRadioButton>(frame, u"byDate"_s, Twips::rect(7350, 120, 1000, 330), u"按日期"_s);
    m_byName =
        placed<QRadioButton>(frame, u"byName"_s, Twips::rect(8370, 120, 1000, 330), u"按名称"_s);
    m_byDate->setChecked(true);
    m_query =
        placed<QPushButton>(frame, u"queryButton"_s, Twips::rect(9450, 90, 900, 390), u"查  询"_s);
    m_export = placed<QPushButton>(frame, u"exportButton"_s, Twips::rect(10440, 90, 1020, 390),
                                   u"导出Excel"_s);
    connect(m_query, &QPushButton::clicked, this, &ReportScreen::query);
    connect(m_export, &QPushButton::clicked, this, &ReportScreen::exportSheet);
    connect(m_range, &DateRangeBar::enterPressed, this, &ReportScreen::query);
}

void ReportScreen::buildGrid() {
    const QStringList captions = ReportColumns::captions(ReportView::ByDate);
    const int widths[] = {1515, 2715, 1695, 675, 795, 795, 735, 1035, 1455};
    GridDesign design{.columns = {}, .rows = 20, .width = 0, .rowSelection = false};
    for (int column = 0; column < ReportColumns::Count; ++column) {
        const bool centred = column == ReportColumns::Maker || column == ReportColumns::Unit;
        design.columns.append({.caption = captions.at(column),
                               .headerWidth = widths[column],
                               .alignment = centred ? Qt::AlignHCenter : Qt::AlignLeft});
    }
    m_grid = new RecordGrid(design, m_list, this);
    m_grid->setObjectName(u"grid"_s);
    m_grid->move(Twips::px(60), Twips::px(GridTop));
}

std::optional<ReportFilter> ReportScreen::filter() {
    const std::optional<DateRange> range = m_range->range();
    if (!range)
        return std::nullopt;
    return ReportFilter{.name = m_name->text(),
                        .category = ReportQuery::categoryFor(m_category->currentText()),
                        .from = range->from,
                        .to = range->to};
}

void ReportScreen::query() {
    if (m_querying)
        return;
    const std::optional<ReportFilter> chosen = filter();
    if (!chosen)
        return;
    const ReportView view = m_byName->isChecked() ? ReportView::ByName : ReportView::ByDate;
    m_grid->setColumnCaption(ReportColumns::First, ReportColumns::captions(view).first());
    setQuerying(true);
    if (view == ReportView::ByName) {
        // A year of movements takes longer than a frame: it runs beside the window.
        m_progress->begin();
        m_runner.start(view, *chosen);
        return;
    }
    ReportRunner::Outcome outcome;
    try {
        outcome.report = ReportQuery(m_context.database).byDate(*chosen);
    } catch (const DbError& error) {
        outcome.failure = error.message();
    }
    finishQuery(outcome);
}

void ReportScreen::finishQuery(const ReportRunner::Outcome& outcome) {
    m_progress->end();
    setQuerying(false);
    if (!outcome.failure.isEmpty()) {
        m_platform.inform(this, u"查询失败："_s + outcome.failure);
        return;
    }
    list(outcome.report);
}

void ReportScreen::list(Report report) {
    m_list.report = std::move(report);
    m_grid->load();
    if (m_list.report.tooMany)
        m_platform.inform(this, u"数据太多，请缩短查询时间范围！"_s);
}

void ReportScreen::exportSheet() {
    const QString chosen =
        m_platform.saveFileName(this, u"另存为"_s, u"Excel文件 (*.xlsx)"_s).trimmed();
    if (chosen.isEmpty())
        return;
    const QString title =
        ReportSheet::title(m_category->currentText(), m_range->fromText(), m_range->toText());
    busy(true);
    const QString failure = ReportSheet::write(SheetFile::fileName(chosen), title, m_list.report);
    busy(false);
    if (failure.isEmpty())
        m_platform.inform(this, u"文件导出成功！"_s);
    else
        m_platform.inform(this, u"导出失败："_s + failure);
}

void ReportScreen::setQuerying(bool querying) {
    m_querying = querying;
    m_query->setEnabled(!querying);
    m_export->setEnabled(!querying);
    busy(querying);
}
