#include "ui/grid/RecordGrid.h"

#include "ui/Twips.h"
#include "ui/grid/GridCellEdit.h"
#include "ui/grid/GridCellLabel.h"
#include "ui/grid/GridGeometry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

namespace {

QRect pixels(const QRect& twips) {
    return Twips::rect(twips.x(), twips.y(), twips.width(), twips.height());
}

void fill(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget* coloured(QWidget* parent, const QString& name, const QRect& twips, const QColor& colour) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(name);
    widget->setGeometry(pixels(twips));
    fill(widget, QPalette::Window, colour);
    return widget;
}

} // namespace

RecordGrid::RecordGrid(const GridDesign& design, GridModel& model, QWidget* parent)
    : QWidget(parent)
    , m_columns(design.columns)
    , m_rowSelection(design.rowSelection)
    , m_model(model)
    , m_state(model, design.rows) {
    build(design);
}

void RecordGrid::build(const GridDesign& design) {
    const GridGeometry geometry(m_columns, design.rows, design.width);
    setObjectName(u"Pt1"_s);
    setFixedSize(pixels(geometry.frame()).size());
    fill(this, QPalette::Window, FrameColour);

    QWidget* canvas = coloured(this, u"Pt2"_s, geometry.canvas(), CanvasColour);
    // The column widths expect digits of about 6 pixels, as a 9 pt font had them where they were
    // designed: at 11 pixels this face fits a code of 15 characters into its cell.
    QFont cellFont(u"WenQuanYi Micro Hei"_s);
    cellFont.setPixelSize(11);
    canvas->setFont(cellFont);

    // Creation order stacks them: bands at the back, grid lines over them, cells in front.
    for (int row = 0; row < design.rows; ++row) {
        m_bands.append(coloured(canvas, u"band_%1"_s.arg(row), geometry.band(row), EvenColour));
        m_bands.last()->installEventFilter(this);
        m_positions.insert(m_bands.last(), QPoint(-1, row));
        m_rowColours.append(QColor());
    }
    QList<QRect> lines;
    for (int row = 0; row < design.rows; ++row)
        lines.append(geometry.horizontalLine(row));
    for (int column = 0; column < columnCount(); ++column)
        lines.append(geometry.verticalLine(column));
    for (const QRect& line : lines) {
        QWidget* widget = coloured(canvas, u"line"_s, line, LineColour);
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    for (int row = 0; row < design.rows; ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const GridColumn& description = m_columns.at(column);
            Cell cell;
            QWidget* widget = nullptr;
            if (description.kind == GridColumn::Kind::TextEntry) {
                cell.edit = new GridCellEdit(description.selectOnFocus, canvas);
                cell.edit->setAlignment(description.alignment | Qt::AlignVCenter);
                if (description.maxLength)
                    cell.edit->setMaxLength(*description.maxLength);
                connect(
                    cell.edit, &QLineEdit::textEdited, this,
                    [this, row, column](const QString& text) { userEdited(row, column, text); });
                widget = cell.edit;
            } else {
                cell.label = new GridCellLabel(canvas);
                cell.label->setAlignment(description.alignment | Qt::AlignVCenter);
                widget = cell.label;
            }
            widget->setObjectName(u"cell_%1_%2"_s.arg(row).arg(column));
            widget->setGeometry(pixels(geometry.cell(row, column)));
            widget->installEventFilter(this);
            m_positions.insert(widget, QPoint(column, row));
            m_cells.append(cell);
        }
    }
    for (int column = 0; column < columnCount(); ++column) {
        auto* button = new QPushButton(m_columns.at(column).caption, canvas);
        button->setObjectName(u"Cm2_%1"_s.arg(column));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(pixels(geometry.header(column)));
        button->installEventFilter(this);
        m_headers.append(button);
    }

    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setObjectName(u"VS1"_s);
    m_scrollBar->setGeometry(pixels(geometry.scrollBar()));
    m_scrollBar->setTracking(true);
    m_scrollBar->setPageStep(design.rows);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) {
        m_state.setTop(value);
        redraw();
    });
    syncScrollBar();
    paintStripes();
}

void RecordGrid::load() {
    m_state.setLoading(true);
    paintStripes();
    refill();
    m_state.setLoading(false);
}

void RecordGrid::refill(int top) {
    blankCells();
    m_state.setScrollRange(top);
    syncScrollBar();
    for (int row = 0; row < rowCount(); ++row) {
        if (const std::optional<int> record = m_state.recordAt(row))
            fillRow(row, *record);
    }
}

void RecordGrid::redraw() {
    for (int row = 0; row < rowCount(); ++row) {
        if (const std::optional<int> record = m_state.recordAt(row))
            fillRow(row, *record);
    }
    paintStripes();
    Q_EMIT redrawn();
}

void RecordGrid::paintStripes() {
    m_state.clearSelection();
    for (int row = 0; row < rowCount(); ++row)
        paintRow(row, row % 2 == 0 ? EvenColour : OddColour);
}

bool RecordGrid::selectRow(int row) {
    paintStripes();
    if (!m_state.select(row))
        return false;
    paintRow(row, SelectedColour);
    return true;
}

void RecordGrid::setScrollTop(int top) {
    m_scrollBar->setValue(top);
}

QString RecordGrid::cellText(int row, int column) const {
    const Cell* found = cell(row, column);
    if (!found)
        return {};
    return found->edit ? found->edit->text() : found->label->text();
}

void RecordGrid::setCellText(int row, int column, const QString& text) {
    const Cell* found = cell(row, column);
    if (!found)
        return;
    if (found->edit)
        found->edit->setText(text);
    else
        found->label->setCellText(text);
}

void RecordGrid::focusCell(int row, int column) {
    const Cell* found = cell(row, column);
    if (!found || !found->edit)
        return;
    found->edit->setFocus(Qt::OtherFocusReason);
    found->edit->selectAll();
}

void RecordGrid::setColumnCaption(int column, const QString& caption) {
    if (column >= 0 && column < m_headers.size())
        m_headers.at(column)->setText(caption);
}

bool RecordGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        // The wheel scrolls over the cells as over the bar, and never the window behind.
        QApplication::sendEvent(m_scrollBar, event);
        event->accept();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && m_rowSelection) {
        const auto position = m_positions.constFind(watched);
        if (position != m_positions.cend()) {
            const int column = position->x();
            const int row = position->y();
            if ((column < 0 || m_columns.at(column).selectsRow) && selectRow(row))
                Q_EMIT rowSelected(row);
        }
    } else if (event->type() == QEvent::KeyPress) {
        const QPoint position = m_positions.value(watched, QPoint(-1, -1));
        if (position.x() < 0 || !m_columns.at(position.x()).moveKeys)
            return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            moveFocus(position.y(), position.x(), 1);
            return true;
        case Qt::Key_Up:
            moveFocus(position.y(), position.x(), -1);
            return true;
        default:
            return false;
        }
    }
    return false;
}

void RecordGrid::fillRow(int row, int record) {
    const QStringList texts = m_model.texts(record);
    for (int column = 0; column < columnCount(); ++column)
        setCellText(row, column, texts.value(column));
}

void RecordGrid::blankCells() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column)
            setCellText(row, column, QString());
    }
}

void RecordGrid::syncScrollBar() {
    // The range follows the model; only a change of the value by the user or setScrollTop
    // is a scroll that redraws.
    const QSignalBlocker blocker(m_scrollBar);
    m_scrollBar->setMaximum(m_state.scrollMaximum());
    m_scrollBar->setValue(m_state.top());
    m_scrollBar->setEnabled(m_state.scrollEnabled());
}

void RecordGrid::paintRow(int row, const QColor& colour) {
    if (m_rowColours.at(row) == colour)
        return;
    m_rowColours[row] = colour;
    fill(m_bands.at(row), QPalette::Window, colour);
    for (int column = 0; column < columnCount(); ++column) {
        if (GridCellEdit* edit = m_cells.at(row * columnCount() + column).edit)
            fill(edit, QPalette::Base, colour);
    }
}

void RecordGrid::moveFocus(int row, int column, int step) {
    const int target = row + step;
    if (target >= 0 && target < rowCount()) {
        focusCell(target, column);
        return;
    }
    // At an edge the grid scrolls by one record where it can and the focus stays put.
    setScrollTop(scrollTop() + step);
    focusCell(row, column);
}

void RecordGrid::userEdited(int row, int column, const QString& text) {
    const std::optional<int> record = m_state.recordAt(row);
    if (record && !m_state.isLoading())
        m_model.edit(*record, column, text);
    Q_EMIT cellEdited(row, column, text);
}

const RecordGrid::Cell* RecordGrid::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return &m_cells.at(row * columnCount() + column);
}
