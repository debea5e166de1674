#include "stock/gui/StocktakingRecordsScreen.h"

#include "base/AppContext.h"
#include "base/Platform.h"
#include "data/ColumnWidth.h"
#include "data/DateText.h"
#include "data/DbError.h"
#include "ui/DateRangeBar.h"
#include "ui/EntryField.h"
#include "ui/Placed.h"
#include "ui/Twips.h"
#include "ui/grid/RecordGrid.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList texts(const CountRecord& record) {
    return {record.date.isValid() ? DateText::format(record.date) : QString(),
            record.code,
            record.name,
            record.maker,
            record.unit,
            record.bookStock.plainText(),
            record.counted.plainText(),
            record.difference.plainText(),
            record.remark};
}

} // namespace

StocktakingRecordsScreen::StocktakingRecordsScreen(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_platform(context.platform)
    , m_records(context.database)
    , m_list(texts) {
    setWindowTitle(u"库存盘点记录"_s);
    setFixedSize(Twips::size(11760, 7800));
    buildFilter();
    buildGrid();
    m_name->setFocus();
    query();
}

void StocktakingRecordsScreen::buildFilter() {
    auto* frame = placed<QFrame>(this, u"filter"_s, Twips::rect(60, 0, 11640, 660));
    frame->setFrameShape(QFrame::StyledPanel);
    const auto label = [frame](const QString& caption, int left, int width) {
        auto* text = new QLabel(caption, frame);
        text->setGeometry(Twips::rect(left, 210, width, 300));
    };
    label(u"名称"_s, 120, 480);
    m_name = placed<EntryField>(frame, u"Text1"_s, Twips::rect(600, 180, 2400, 330));
    m_name->setMaxLength(ColumnWidth::of(u"盘点明细", u"名称"));
    m_range = new DateRangeBar(m_platform, frame,
                               {.fromCaption = u"日期从"_s,
                                .fromLabel = Twips::rect(3240, 210, 720, 300),
                                .fromBox = Twips::rect(3960, 180, 1440, 330),
                                .toLabel = Twips::rect(5520, 210, 300, 300),
                                .toBox = Twips::rect(5820, 180, 1440, 330),
                                .fromName = u"Text3"_s,
                                .toName = u"Text4"_s});
    auto* button =
        placed<QPushButton>(frame, u"query"_s, Twips::rect(7560, 150, 1215, 375), u"查  询"_s);
    connect(m_name, &EntryField::enterPressed, this, &StocktakingRecordsScreen::query);
    connect(m_range, &DateRangeBar::enterPressed, this, &StocktakingRecordsScreen::query);
    connect(button, &QPushButton::clicked, this, &StocktakingRecordsScreen::query);
}

void StocktakingRecordsScreen::buildGrid() {
    GridDesign design;
    design.rows = 20;
    design.rowSelection = false;
    const auto column = [](const QString& caption, int width, Qt::Alignment alignment) {
        return GridColumn{.caption = caption, .headerWidth = width, .alignment = alignment};
    };
    design.columns = {
        column(u"日期"_s, 1035, Qt::AlignLeft),
        column(u"编号\\条码"_s, 1515, Qt::AlignLeft),
        column(u"商品名称\\规格"_s, 2895, Qt::AlignHCenter),
        column(u"厂家"_s, 1515, Qt::AlignHCenter),
        column(u"单位"_s, 555, Qt::AlignHCenter),
        column(u"帐面库存"_s, 855, Qt::AlignHCenter),
        column(u"实际库存"_s, 915, Qt::AlignHCenter),
        column(u"差额"_s, 915, Qt::AlignHCenter),
        column(u"备注"_s, 1215, Qt::AlignLeft),
    };
    m_grid = new RecordGrid(design, m_list, this);
    m_grid->setObjectName(u"grid"_s);
    m_grid->move(Twips::px(60), Twips::px(750));
}

void StocktakingRecordsScreen::query() {
    const std::optional<DateRange> range = m_range->range();
    if (!range)
        return;
    StocktakingRecords::Result result;
    try {
        result = m_records.find(m_name->text(), range->from, range->to);
    } catch (const DbError& error) {
        m_platform.inform(this, error.message());
    }
    if (result.tooMany)
        m_platform.inform(this, u"数据太多，请缩短查询时间范围！"_s);
    m_list.rows = std::move(result.records);
    m_grid->load();
}
