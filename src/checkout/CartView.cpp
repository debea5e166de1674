#include "checkout/CartView.h"

#include "ui/grid/RecordGrid.h"

#include <QLineEdit>
#include <QMouseEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int RemarkWidth = 50; // [出入库].[备注]

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
    return design;
}

} // namespace

CartView::CartView(Cart& cart, QWidget* parent)
    : QWidget(parent)
    , m_cart(cart)
    , m_grid(new RecordGrid(cartDesign(), this)) {
    setFixedSize(m_grid->size());
    m_grid->load(QStringList());
    for (int row = 0; row < Rows; ++row) {
        if (auto* remark =
                m_grid->findChild<QLineEdit*>(u"cell_%1_%2"_s.arg(row).arg(Cart::Remark)))
            remark->setMaxLength(RemarkWidth);
    }
    for (QWidget* child : m_grid->findChildren<QWidget*>())
        child->installEventFilter(this);
    connect(m_grid, &RecordGrid::cellEdited, this,
            [this](int row, int column) { cellEdited(row, column); });
    connect(m_grid, &RecordGrid::rowSelected, this, [this](int row) {
        m_selectedRow = row;
        Q_EMIT rowSelected();
    });
    connect(m_grid, &RecordGrid::redrawn, this, [this] {
        m_selectedRow = 0;
        Q_EMIT cartEdited();
    });
}

void CartView::refill() {
    const bool scrolled = m_grid->scrollTop() != 0;
    // Lines get every field, so a scroll blanks the remark cell of a line that has none.
    QStringList lines;
    lines.reserve(m_cart.size());
    for (const QString& line : m_cart.lines())
        lines.append(Cart::join(Cart::split(line)));
    m_grid->store().setLines(lines);
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

void CartView::focusTopCell(Cart::Field field) {
    m_grid->focusCell(0, field);
}

QStringList CartView::rowCells(int row) const {
    QStringList cells;
    for (int column = 0; column < Cart::FieldCount; ++column)
        cells.append(m_grid->cellText(row, column));
    return cells;
}

void CartView::cellEdited(int row, int column) {
    if (column == Cart::Quantity || column == Cart::Discount) {
        const QStringList cells = rowCells(row);
        m_grid->setCellText(
            row, Cart::Amount,
            Cart::amountText(cells[Cart::Quantity], cells[Cart::Price], cells[Cart::Discount]));
    }
    const std::optional<int> line = m_grid->recordAt(row);
    if (!line || *line >= m_cart.size())
        return;
    m_cart.rebuildLine(*line, rowCells(row));
    m_grid->store().setFields(*line, m_cart.fields(*line));
    Q_EMIT cartEdited();
}

bool CartView::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress)
        Q_EMIT pressed();
    return false;
}
