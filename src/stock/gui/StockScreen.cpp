#include "stock/gui/StockScreen.h"

#include "base/AppContext.h"
#include "base/Platform.h"
#include "catalogue/gui/ProductPickList.h"
#include "data/ColumnWidth.h"
#include "data/DateText.h"
#include "data/DbError.h"
#include "data/Decimal.h"
#include "data/Refusal.h"
#include "ui/DateRangeBar.h"
#include "ui/EnterKey.h"
#include "ui/Placed.h"
#include "ui/Twips.h"
#include "ui/grid/RecordGrid.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString StockIn = u"入库"_s;
constexpr int BoxHeight = 300; // twips
const QColor ReadOnlyColour(0xE0, 0xE0, 0xE0);

QString optionalMoney(const std::optional<Decimal>& value) {
    return value ? value->moneyText() : QString();
}

QString optionalPlain(const std::optional<Decimal>& value) {
    return value ? value->plainText() : QString();
}

QStringList texts(const StockRow& row) {
    return {row.date,
            row.number,
            row.name,
            row.maker,
            row.unit,
            optionalPlain(row.quantity),
            optionalMoney(row.purchasePrice),
            optionalMoney(row.salePrice),
            optionalMoney(row.amount),
            optionalPlain(row.stock),
            row.remark};
}

void label(QWidget* parent, const QString& caption, int left, int top, int width = 480) {
    auto* text = new QLabel(caption, parent);
    text->setGeometry(Twips::rect(left, top + 30, width, 240));
}

// An entry box with its label to the left; read-only boxes are grey and take no typing.
QLineEdit* box(QWidget* parent, const QString& name, const QString& caption, int left, int top,
               int width, bool editable = true) {
    label(parent, caption, left - 540, top);
    auto* edit = placed<QLineEdit>(parent, name, Twips::rect(left, top, width, BoxHeight));
    if (!editable) {
        edit->setReadOnly(true);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, ReadOnlyColour);
        edit->setPalette(palette);
    }
    return edit;
}

} // namespace

StockScreen::StockScreen(AppContext& context, const QString& movementKind, QWidget* parent)
    : QWidget(parent)
    , m_platform(context.platform)
    , m_catalogue(context.database)
    , m_book(context.database,
             movementKind == StockIn ? MovementKind::StockIn : MovementKind::Return)
    , m_list(texts) {
    const QString kind = StockLedger::categoryOf(m_book.kind());
    setObjectName(u"stockScreen"_s);
    setWindowTitle(kind + u"管理");
    setFixedSize(Twips::size(Width, Height));
    buildEntryFrame(u"商品" + kind);
    buildQueryFrame(kind + u"查询");
    buildGrid();
    wireBoxes();
    query();
    m_name->setFocus();
}

void StockScreen::buildEntryFrame(const QString& caption) {
    auto* frame = placed<QGroupBox>(this, u"entryFrame"_s, Twips::rect(60, 60, 11250, 2760));
    frame->setTitle(caption);
    m_name = box(frame, u"name"_s, u"名称"_s, 600, 360, 2340);
    m_maker = box(frame, u"maker"_s, u"厂家"_s, 3540, 360, 1200, false);
    m_number = box(frame, u"number"_s, u"编号"_s, 5340, 360, 1200, false);
    m_date = box(frame, u"date"_s, u"日期"_s, 7140, 360, 1200, false);
    m_unit = box(frame, u"unit"_s, u"单位"_s, 3540, 780, 1200, false);
    m_quantity = box(frame, u"quantity"_s, u"数量"_s, 5340, 780, 1200);
    m_purchasePrice = box(frame, u"purchasePrice"_s, u"进价"_s, 7140, 780, 1200);
    m_salePrice = box(frame, u"salePrice"_s, u"售价"_s, 3540, 1200, 1200);
    m_amount = box(frame, u"amount"_s, u"金额"_s, 5340, 1200, 1200);
    m_remark = box(frame, u"remark"_s, u"备注"_s, 7140, 1200, 1200);
    const std::pair<QLineEdit*, int> widths[] = {{m_name, ColumnWidth::of(u"商品", u"名称")},
                                                 {m_quantity, Decimal::TextLength},
                                                 {m_purchasePrice, Decimal::TextLength},
                                                 {m_salePrice, Decimal::TextLength},
                                                 {m_amount, Decimal::TextLength},
                                                 {m_remark, StockBook::RemarkWidth}};
    for (const auto& [edit, width] : widths)
        edit->setMaxLength(width);

    m_pickList = new ProductPickList(m_catalogue, ProductPickList::Shown::WhileMatching, frame);
    m_pickList->setObjectName(u"List1"_s);
    m_pickList->setGeometry(Twips::rect(600, 690, 2355, 1500));
    auto* hint = placed<QLabel>(frame, u"hint"_s, Twips::rect(600, 2250, 7800, 420),
                                u"提示：可输入中文名称、拼音、编号、厂家或扫描条码查询，如果"
                                u"查询不到该商品，请首先在商品名称维护中添加该商品。"_s);
    hint->setWordWrap(true);
    auto* link =
        placed<QLabel>(frame, u"productsLink"_s, Twips::rect(8700, 2250, 1500, 300),
                       u"<a href=\"products\" style=\"color: #0000FF\">商品名称维护</a>"_s);
    connect(link, &QLabel::linkActivated, this, &StockScreen::productMaintenanceWanted);

    m_save = placed<QPushButton>(frame, u"save"_s, Twips::rect(8880, 330, 1215, 375), u"保  存"_s);
    m_delete =
        placed<QPushButton>(frame, u"delete"_s, Twips::rect(8880, 750, 1215, 375), u"删  除"_s);
    m_clear =
        placed<QPushButton>(frame, u"clear"_s, Twips::rect(8880, 1170, 1215, 375), u"清  空"_s);
    m_delete->setEnabled(false);
    connect(m_save, &QPushButton::clicked, this, &StockScreen::save);
    connect(m_delete, &QPushButton::clicked, this, &StockScreen::remove);
    connect(m_clear, &QPushButton::clicked, this, &StockScreen::clear);
}

void StockScreen::buildQueryFrame(const QString& caption) {
    auto* frame = placed<QGroupBox>(this, u"queryFrame"_s, Twips::rect(60, 2880, 11250, 720));
    frame->setTitle(caption);
    m_filter = box(frame, u"Text7"_s, u"名称"_s, 600, 300, 2340);
    m_filter->setMaxLength(ColumnWidth::of(u"出入库", u"名称"));
    m_range = new DateRangeBar(m_platform, frame,
                               {.fromCaption = u"日期"_s,
                                .fromLabel = Twips::rect(3000, 330, 480, 240),
                                .fromBox = Twips::rect(3540, 300, 1200, BoxHeight),
                                .toLabel = Twips::rect(4800, 330, 480, 240),
                                .toBox = Twips::rect(5340, 300, 1200, BoxHeight)});
    auto* search = placed<QPushButton>(frame, u"queryButton"_s, Twips::rect(6780, 262, 1215, 375),
                                       u"查  询"_s);
    connect(search, &QPushButton::clicked, this, &StockScreen::query);
    connect(m_range, &DateRangeBar::enterPressed, this, &StockScreen::query);
}

void StockScreen::buildGrid() {
    GridDesign design;
    design.rows = 16;
    const auto column = [](const QString& caption, int width, bool selects = true) {
        return GridColumn{.caption = caption, .headerWidth = width, .selectsRow = selects};
    };
    const auto centred = [](const QString& caption, int width) {
        return GridColumn{.caption = caption, .headerWidth = width, .alignment = Qt::AlignHCenter};
    };
    // Only the band and the first eight columns select a row.
    design.columns = {
        column(u"日期"_s, 1035),           column(u"编号"_s, 1695),
        column(u"商品名称\\规格"_s, 1815), column(u"生产厂家"_s, 1095),
        centred(u"单位"_s, 555),           centred(u"数量"_s, 735),
        centred(u"进价"_s, 795),           centred(u"售价"_s, 795),
        column(u"金额"_s, 855, false),     column(u"库存"_s, 735, false),
        column(u"备注"_s, 975, false),
    };
    m_grid = new RecordGrid(design, m_list, this);
    m_grid->move(Twips::px(60), Twips::px(3660));
    connect(m_grid, &RecordGrid::rowSelected, this, &StockScreen::rowClicked);
}

void StockScreen::wireBoxes() {
    const QList<QWidget*> order{m_name,   m_quantity, m_purchasePrice, m_salePrice, m_amount,
                                m_remark, m_save,     m_number,        m_unit,      m_date,
                                m_maker,  m_delete,   m_clear,         m_filter};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    m_range->setTabOrderAfter(m_filter);
    for (QLineEdit* edit : entryBoxes()) {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { boxChanged(edit); });
    }
    m_pickList->serve(m_name, ProductPickList::Searched::AsTyped);
    connect(m_pickList, &ProductPickList::picked, this, &StockScreen::pick);
    connect(m_pickList, &ProductPickList::enterWithoutPick, this, [this] { focusNextChild(); });
}

QList<QLineEdit*> StockScreen::entryBoxes() const {
    return {m_name,     m_maker,         m_number,    m_date,   m_unit,
            m_quantity, m_purchasePrice, m_salePrice, m_amount, m_remark};
}

bool StockScreen::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::FocusIn) {
        // A click places the caret after the focus arrives, so its selection waits a turn.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        else
            edit->selectAll();
        return false;
    }
    // Enter in the name box is the pick list's.
    if (watched == m_name || !isEnterPress(event))
        return false;
    focusNextChild();
    return true;
}

void StockScreen::boxChanged(QLineEdit* box) {
    if (box != m_name) // the name box searches through the pick list
        m_pickList->hide();
    if (box == m_quantity || box == m_purchasePrice)
        updateAmount();
}

void StockScreen::updateAmount() {
    m_amount->setText(
        Decimal::roundedProduct(
            {Decimal::read(m_quantity->text()), Decimal::read(m_purchasePrice->text())}, 2)
            .moneyText());
}

void StockScreen::pick(const PickEntry& product) {
    std::optional<StockPick> picked;
    try {
        picked = m_book.pick(product.productId, m_platform.now());
    } catch (const DbError&) {
        // a product that cannot be read fills nothing
    }
    if (picked) {
        const QSignalBlocker noSearch(m_name);
        m_name->setText(picked->name);
        m_unit->setText(picked->unit);
        m_salePrice->setText(picked->salePrice.moneyText());
        m_purchasePrice->setText(picked->purchasePrice.moneyText());
        m_maker->setText(picked->maker);
        m_number->setText(picked->number);
        m_number->setCursorPosition(0); // the box is narrower than the number: show its prefix
        m_date->setText(DateText::format(picked->date));
        m_quantity->setText(u"1"_s);
        m_amount->setText(m_purchasePrice->text());
        m_remark->clear();
    }
    m_pickList->hide();
    m_quantity->setFocus();
}

StockEntry StockScreen::entry() const {
    return StockEntry{m_name->text(),          m_unit->text(),      m_maker->text(),
                      m_number->text(),        m_date->text(),      m_quantity->text(),
                      m_purchasePrice->text(), m_salePrice->text(), m_amount->text(),
                      m_remark->text()};
}

void StockScreen::save() {
    StockBook::SaveResult result;
    try {
        result = m_book.save(entry());
    } catch (const Refusal& refusal) {
        m_platform.inform(this, u"保存失败："_s + refusal.reason());
        return;
    } catch (const DbError& error) {
        m_platform.inform(this, u"保存失败："_s + error.message());
        return;
    }
    if (result == StockBook::SaveResult::NameMissing) {
        m_platform.inform(this, u"该商品名称不存在！"_s);
        return;
    }
    const QString saved = m_number->text();
    query();
    m_grid->setScrollTop(0);
    clear();
    // The saved movement is the one to delete, also when the list does not show it first.
    m_selected = saved;
    if (!m_list.rows.isEmpty() && m_list.rows.first().number == saved)
        m_grid->selectRow(0);
    m_delete->setEnabled(true);
    m_name->setFocus();
}

void StockScreen::remove() {
    try {
        const std::optional<QString> name = m_book.movementName(m_selected);
        if (name && m_platform.askYesNo(this, u"确认要删除“" + *name + u"”吗？"))
            m_book.remove(m_selected);
    } catch (const Refusal& refusal) {
        m_platform.inform(this, u"保存失败："_s + refusal.reason());
    } catch (const DbError& error) {
        m_platform.inform(this, u"保存失败："_s + error.message());
    }
    query();
    m_name->setFocus();
}

void StockScreen::clear() {
    for (QLineEdit* edit : entryBoxes())
        edit->clear();
}

void StockScreen::query() {
    const std::optional<DateRange> range = m_range->range();
    if (!range)
        return;
    StockBook::QueryResult result;
    try {
        result = m_book.query(m_filter->text(), range->from, range->to);
    } catch (const DbError& error) {
        m_platform.inform(this, u"查询失败："_s + error.message());
    }
    if (result.tooMany)
        m_platform.inform(this, u"数据太多，请缩短查询时间范围！"_s);
    m_list.rows = std::move(result.rows);
    m_grid->load();
}

void StockScreen::rowClicked() {
    const std::optional<int> record = m_grid->selectedRecord();
    if (!record)
        return;
    m_selected = m_list.rows.at(*record).number;
    m_delete->setEnabled(true);
}
