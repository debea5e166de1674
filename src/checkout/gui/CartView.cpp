#include "checkout/gui/CartView.h"

#include "data/ColumnWidth.h"
#include "data/Decimal.h"
#include "ui/grid/RecordGrid.h"

#include <QMouseEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

GridColumn column(const QString& caption, int headerLeft, int headerWidth, int cellLeft,
                  int cellWidth, Qt::Alignment alignment = Qt::AlignHCenter) {
    GridColumn result;
    result.caption = caption;
    result.headerLeft = headerLeft;
    result.headerWidth = headerWidth;
    result.cellLeft = cellLeft;
    result.cellWidth = cellWidth;
    result.alignment = alignment;
    return result;
}

GridColumn entry(GridColumn result, bool moveKeys, bool selectOnFocus) {
    result.kind = GridColumn::Kind::TextEntry;
    result.moveKeys = moveKeys;
    result.selectOnFocus = selectOnFocus;
    return result;
}

GridDesign cartDesign() {
    GridDesign design;
    design.rows = CartView::Rows;
    design.width = 9855;
    design.columns = {
        column(u"编号\\条码"_s, 0, 1515, 60, 1395, Qt::AlignLeft),
        column(u"商品名称\\规格"_s, 1500, 2895, 1560, 2775, Qt::AlignLeft),
        column(u"单位"_s, 4380, 555, 4440, 435),
        entry(column(u"数量"_s, 4860, 735, 4980, 555), true, true),
        column(u"单价"_s, 5580, 855, 5640, 735),
        entry(column(u"折扣"_s, 6420, 615, 6480, 495), true, true),
        entry(column(u"金额"_s, 7020, 915, 7080, 795), false, true),
        entry(column(u"备注"_s, 7920, 1635, 7980, 1515, Qt::AlignLeft), false, false),
    };
    for (const int number : {CartView::Quantity, CartView::Discount, CartView::Amount})
        design.columns[number].maxLength = Decimal::TextLength;
    design.columns[CartView::Remark].maxLength = ColumnWidth::of(u"出入库", u"备注");
    return design;
}

} // namespace

CartView::CartView(Cart& cart, QWidget* parent)
    : QWidget(parent)
    , m_cart(cart)
    , m_grid(new RecordGrid(cartDesign(), this)) {
    setFixedSize(m_grid->size());
    m_grid->load(QList<QStringList>());
    for (QWidget* child : m_grid->findChildren<QWidget*>())
        child->installEventFilter(this);
    connect(m_grid, &RecordGrid::cellEdited, this, &CartView::cellEdited);
    connect(m_grid, &RecordGrid::rowSelected, this, [this](int row) {
        m_selectedRow = row;
        Q_EMIT rowSelected();
    });
    connect(m_grid, &RecordGrid::redrawn, this, [this] {
        m_selectedRow = 0;
        Q_EMIT cartEdited();
    });
}

QStringList CartView::texts(const CartLine& line) {
    return {line.code,
            line.name,
            line.unit,
            line.quantity.plainText(),
            line.price.moneyText(),
            line.discount.plainText(),
            line.amount.moneyText(),
            line.remark};
}

void CartView::refill() {
    const bool scrolled = m_grid->scrollTop() != 0;
    QList<QStringList> columns(ColumnCount);
    for (QStringList& column : columns)
        column.reserve(m_cart.size());
    for (const CartLine& line : m_cart.lines()) {
        const QStringList lineTexts = texts(line);
        for (int column = 0; column < ColumnCount; ++column)
            columns[column].append(lineTexts.at(column));
    }
    m_grid->store().setColumns(std::move(columns));
    m_grid->refill();
    // Going back to the first line is a scroll, and a scroll clears the highlight.
    if (scrolled)
        resetSelection();
}

void CartView::resetSelection() {
    m_grid->paintStripes();
    m_selectedRow = 0;
}

std::optional<int> CartView::selectedLine() const {
    const int line = m_grid->scrollTop() + m_selectedRow;
    if (line >= m_cart.size())
        return std::nullopt;
    return line;
}

void CartView::focusTopCell(Column column) {
    m_grid->focusCell(0, column);
}

void CartView::cellEdited(int row, int column, const QString& text) {
    const bool reworksAmount = column == Quantity || column == Discount;
    const std::optional<int> line = m_grid->recordAt(row);
    if (!line || *line >= m_cart.size()) {
        // A row without a line has no price, so its amount is nothing.
        if (reworksAmount)
            m_grid->setCellText(row, Amount, Decimal().moneyText());
        return;
    }
    switch (column) {
    case Quantity:
        m_cart.setQuantity(*line, text);
        break;
    case Discount:
        m_cart.setDiscount(*line, text);
        break;
    case Amount:
        m_cart.setAmount(*line, text);
        break;
    case Remark:
        m_cart.setRemark(*line, text);
        break;
    default:
        return;
    }
    const QStringList shown = texts(m_cart.line(*line));
    if (reworksAmount)
        m_grid->setCellText(row, Amount, shown.at(Amount));
    m_grid->store().setFields(*line, shown);
    Q_EMIT cartEdited();
}

bool CartView::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        Q_EMIT pressed();
    return false;
}
