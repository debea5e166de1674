#include "stock/gui/StocktakingScreen.h"

#include "base/AppContext.h"
#include "base/Platform.h"
#include "data/ColumnWidth.h"
#include "data/DbError.h"
#include "data/Decimal.h"
#include "data/Refusal.h"
#include "sheets/SheetFile.h"
#include "stock/CountSheet.h"
#include "ui/EntryField.h"
#include "ui/Placed.h"
#include "ui/Twips.h"
#include "ui/grid/RecordGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Below = u"小于"_s;

QPixmap checkMarkPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x20, 0xA0, 0x20), size.height() / 8, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    const QRectF box = QRectF(picture.rect()).adjusted(10, 10, -10, -10);
    painter.drawPolyline(QPolygonF{
        {box.left(), box.center().y()},
        {box.left() + box.width() * 0.4, box.bottom()},
        {box.right(), box.top()},
    });
    return picture;
}

} // namespace

StocktakingScreen::StocktakingScreen(AppContext& context, std::function<void()> openRecords,
                                     QWidget* parent)
    : QWidget(parent)
    , m_platform(context.platform)
    , m_catalogue(context.database)
    , m_products(context.database)
    , m_book(context.database, m_catalogue)
    , m_openRecords(std::move(openRecords)) {
    setWindowTitle(u"库存盘点"_s);
    setFixedSize(Twips::size(9780, 7500));
    buildFilter();
    buildGrid();
    buildButtons();
    m_name->setFocus();
    query();
}

void StocktakingScreen::buildFilter() {
    auto* frame = placed<QFrame>(this, u"filter"_s, Twips::rect(60, 0, 9660, 660));
    frame->setFrameShape(QFrame::StyledPanel);
    const auto label = [frame](const QString& caption, int left, int width) {
        auto* text = new QLabel(caption, frame);
        text->setGeometry(Twips::rect(left, 210, width, 300));
    };
    label(u"名称"_s, 120, 480);
    m_name = placed<EntryField>(frame, u"Text1"_s, Twips::rect(600, 180, 2160, 330));
    m_name->setMaxLength(ColumnWidth::of(u"商品", u"名称"));
    m_comparison = placed<QComboBox>(frame, u"Combo1"_s, Twips::rect(2940, 180, 900, 330));
    m_comparison->addItems({Below, u"大于"_s});
    label(u"库存数"_s, 3960, 720);
    m_number = placed<EntryField>(frame, u"Text2"_s, Twips::rect(4680, 180, 1080, 330));
    m_number->setMaxLength(Decimal::TextLength);
    m_showZero = placed<QCheckBox>(frame, u"Check1"_s, Twips::rect(5940, 180, 2100, 330),
                                   u"显示库存为零商品"_s);
    m_showZero->setChecked(true);
    m_query =
        placed<QPushButton>(frame, u"query"_s, Twips::rect(8280, 150, 1215, 375), u"查  询"_s);
    connect(m_name, &EntryField::enterPressed, this, &StocktakingScreen::query);
    connect(m_number, &EntryField::enterPressed, this, &StocktakingScreen::query);
    connect(m_showZero, &QCheckBox::clicked, this, &StocktakingScreen::query);
    connect(m_query, &QPushButton::clicked, this, &StocktakingScreen::query);
}

void StocktakingScreen::buildGrid() {
    GridDesign design;
    design.rows = 16;
    const auto column = [](const QString& caption, int width, Qt::Alignment alignment) {
        return GridColumn{.caption = caption, .headerWidth = width, .alignment = alignment};
    };
    design.columns = {
        column(u"编号\\条码"_s, 1515, Qt::AlignLeft),
        column(u"商品名称\\规格"_s, 2895, Qt::AlignLeft),
        column(u"厂家"_s, 1515, Qt::AlignHCenter),
        column(u"单位"_s, 555, Qt::AlignHCenter),
        column(u"帐面库存"_s, 855, Qt::AlignHCenter),
        {.caption = u"实际库存"_s,
         .headerWidth = 915,
         .alignment = Qt::AlignHCenter,
         .kind = GridColumn::Kind::TextEntry,
         .moveKeys = true,
         .maxLength = Decimal::TextLength},
        {.caption = u"备注"_s,
         .headerWidth = 1215,
         .kind = GridColumn::Kind::TextEntry,
         .maxLength = StocktakingBook::RemarkWidth},
    };
    m_grid = new RecordGrid(design, m_list, this);
    m_grid->setObjectName(u"grid"_s);
    m_grid->move(Twips::px(60), Twips::px(750));
    connect(m_grid, &RecordGrid::rowSelected, this, [this] { m_delete->setEnabled(true); });

    auto* hint = new QLabel(u"由于自然损耗等原因，有可能导致实际库存数量与帐面库存数量不符，"
                            u"可输入实际库存量进行库存盘点。"_s,
                            this);
    hint->setObjectName(u"hint"_s);
    hint->setStyleSheet(u"color: #808080;"_s);
    hint->setGeometry(Twips::rect(60, 6240, 9660, 300));

    m_checkMark = placed<QLabel>(this, u"checkMark"_s, Twips::rect(3900, 2700, 1500, 1500));
    m_checkMark->setPixmap(checkMarkPicture(m_checkMark->size()));
    m_checkMark->hide();
    m_checkMarkTimer = new QTimer(this);
    m_checkMarkTimer->setObjectName(u"Timer1"_s);
    m_checkMarkTimer->setSingleShot(true);
    m_checkMarkTimer->setInterval(CheckMarkMilliseconds);
    connect(m_checkMarkTimer, &QTimer::timeout, m_checkMark, &QWidget::hide);
}

void StocktakingScreen::buildButtons() {
    m_execute =
        placed<QPushButton>(this, u"execute"_s, Twips::rect(5160, 6720, 1335, 420), u"执行盘点"_s);
    m_delete =
        placed<QPushButton>(this, u"delete"_s, Twips::rect(6600, 6720, 1215, 420), u"删  除"_s);
    m_records = placed<QPushButton>(this, u"records"_s, Twips::rect(7920, 6720, 1755, 420),
                                    u"库存盘点记录"_s);
    auto* exportButton = placed<QPushButton>(this, u"exportSheet"_s,
                                             Twips::rect(3600, 6720, 1455, 420), u"导出盘点表"_s);
    m_delete->setEnabled(false);
    connect(exportButton, &QPushButton::clicked, this, &StocktakingScreen::exportSheet);
    connect(m_execute, &QPushButton::clicked, this, &StocktakingScreen::execute);
    connect(m_delete, &QPushButton::clicked, this, &StocktakingScreen::remove);
    connect(m_records, &QPushButton::clicked, this, [this] {
        if (m_openRecords)
            m_openRecords();
    });
}

StockFilter StocktakingScreen::filter() const {
    StockFilter filter;
    filter.name = m_name->text();
    filter.comparison = m_comparison->currentText() == Below ? StockFilter::Comparison::Below
                                                             : StockFilter::Comparison::Above;
    filter.number = Decimal::read(m_number->text());
    filter.showZeroStock = m_showZero->isChecked();
    return filter;
}

void StocktakingScreen::query() {
    QList<ListedStock> listed;
    try {
        listed = m_book.list(filter());
    } catch (const Refusal& refusal) {
        m_platform.inform(this, refusal.reason()); // a typed number past Currency
    } catch (const DbError& error) {
        m_platform.inform(this, error.message());
    }
    m_list.setProducts(listed);
    m_grid->load();
    showLeadingZeros();
    m_delete->setEnabled(false);
}

void StocktakingScreen::showLeadingZeros() {
    // Only what a load shows: scrolling shows the stored texts as they are.
    for (int row = 0; m_grid->recordAt(row); ++row) {
        for (int column = 0; column < m_grid->columnCount(); ++column) {
            const QString text = m_grid->cellText(row, column);
            if (text.startsWith(u'.'))
                m_grid->setCellText(row, column, u'0' + text);
        }
    }
}

void StocktakingScreen::execute() {
    try {
        m_book.execute(m_list.counts(), m_platform.now().date());
    } catch (const Refusal& refusal) {
        m_platform.inform(this, u"保存失败："_s + refusal.reason());
        return;
    } catch (const DbError& error) {
        // Nothing landed; the typed counts stay for another try.
        m_platform.inform(this, u"保存失败："_s + error.message());
        return;
    }
    query();
    m_checkMark->show();
    m_checkMark->raise();
    m_checkMarkTimer->start();
}

void StocktakingScreen::exportSheet() {
    const QString chosen =
        m_platform.saveFileName(this, u"另存为"_s, u"Excel文件 (*.xlsx)"_s).trimmed();
    if (chosen.isEmpty())
        return;
    const QString failure =
        CountSheet::write(SheetFile::fileName(chosen), m_list.products(), m_platform.now().date());
    if (failure.isEmpty())
        m_platform.inform(this, u"文件导出成功！"_s);
    else
        m_platform.inform(this, u"导出失败："_s + failure);
}

void StocktakingScreen::remove() {
    const std::optional<int> record = m_grid->selectedRecord();
    if (!record) {
        m_platform.inform(this, u"请选需要删除的库存！"_s);
        return;
    }
    if (!m_platform.askYesNo(this, u"如果该商品以后不再进货才需要删除，确认要删除该条记录吗？"_s))
        return;
    try {
        m_products.remove(m_list.product(*record).productId);
    } catch (const DbError& error) {
        m_platform.inform(this, u"保存失败："_s + error.message());
        return;
    }
    query();
}
