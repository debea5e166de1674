#pragma once

#include "checkout/Cart.h"

#include <QWidget>

#include <optional>

class RecordGrid;

// The cart grid of the sales screen: shows the cart, turns the cashier's cell edits into
// rebuilt cart lines, and remembers the row last selected by a click.
class CartView : public QWidget {
    Q_OBJECT

public:
    static constexpr int Rows = 18;
    enum Column { Code, Name, Unit, Quantity, Price, Discount, Amount, Remark, ColumnCount };

    CartView(Cart& cart, QWidget* parent);

    // Shows the cart from its first line; a highlighted row keeps its highlight. The grid holds
    // the lines' texts for display only; edits go to the cart and are shown from there.
    void refill();
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
    void cellEdited(int row, int column, const QString& text);
    static QStringList texts(const CartLine& line);

    Cart& m_cart;
    RecordGrid* m_grid;
    int m_selectedRow = 0;
};
