#pragma once

#include "checkout/Cart.h"
#include "ui/grid/GridModel.h"

#include <QWidget>

#include <optional>

class RecordGrid;

// The cart grid of the sales screen: shows the cart's lines as its grid's model, turns the
// cashier's cell edits into cart changes, and remembers the row last selected by a click.
class CartView : public QWidget, private GridModel {
    Q_OBJECT

public:
    static constexpr int Rows = 18;
    enum Column { Code, Name, Unit, Quantity, Price, Discount, Amount, Remark };

    CartView(Cart& cart, QWidget* parent);

    // Shows the cart from its first line, or, given a line, where the view shows it with the least
    // scrolling. A highlighted row keeps its highlight unless the view moved.
    void refill(std::optional<int> shownLine = std::nullopt);
    // Stripes painted again, the highlight gone, the selected row back to the top one.
    void resetSelection();
    // The cart line shown in the selected row, if there is one.
    std::optional<int> selectedLine() const;
    // Focus to a cell of the top visible row, its whole text selected.
    void focusTopCell(Column column);

    RecordGrid* grid() const { return m_grid; }

Q_SIGNALS:
    void cartEdited();
    void rowSelected();
    void pressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int count() const override { return m_cart.size(); }
    QStringList texts(int line) const override;
    void edit(int line, int column, const QString& text) override;
    void cellEdited(int row, int column);

    Cart& m_cart;
    RecordGrid* m_grid;
    int m_selectedRow = 0;
};
