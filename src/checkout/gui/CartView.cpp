#include "checkout/gui/CartView.h"

#include "data/ColumnWidth.h"
#include "data/Decimal.h"
#include "ui/grid/RecordGrid.h"

#include <QMouseEvent>

#include <algorithm>

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
    , m_grid(new RecordGrid(cartDesign(), *this, this)) {
    setFixedSize(m_grid->size());
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

QStringList CartView::texts(int index) const {
    const CartLine& line = m_cart.line(index);
    return {line.code,
            line.name,
            line.unit,
            line.quantity.plainText(),
            line.price.moneyText(),
            line.discount.plainText(),
            line.amount.moneyText(),
            line.remark};
}

void CartView::refill(std::optional<int> shownLine) {
    const int before = m_grid->scrollTop();
    int top = 0;
    if (shownLine)
        top = std::clamp(before, *shownLine - Rows + 1, *shownLine);
    m_grid->refill(top);
    // Moving the view is a scroll, and a scroll clears the highlight.
    if (m_grid->scrollTop() != before)
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

void CartView::edit(int line, int column, const QString& text) {
    switch (column) {
    case Quantity:
        m_cart.setQuantity(line, text);
        break;
    case Discount:
        m_cart.setDiscount(line, text);
        break;
    case Amount:
        m_cart.setAmount(line, text);
        break;
    case Remark:
        m_cart.setRemark(line, text);
        break;
    default:
        break;
    }
}

void CartView::cellEdited(int row, int column) {
    const std::optional<int> line = m_grid->recordAt(row);
    // A row without a line has no price, so its amount is nothing.
    if (column == Quantity || column == Discount)
        m_grid->setCellText(row, Amount, line ? texts(*line).at(Amount) : Decimal().moneyText());
    if (line)
        Q_EMIT cartEdited();
}

bool CartView::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        Q_EMIT pressed();
    return false;
}
