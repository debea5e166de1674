#pragma once

#include "checkout/CashUp.h"
#include "ui/grid/GridModel.h"

#include <QWidget>

struct AppContext;
class CashUpFiguresView;
class DateRangeBar;
class EntryField;
class Platform;
class RecordGrid;

// "日结": what the till took over a range of days, today when it opens, and what the drawer
// should hold with the opening float typed here; printed on the receipt printer by whoever
// listens to printRequested, exported to a spreadsheet here. Printing and export take the range
// last read and the float as it stands.
class CashUpScreen : public QWidget {
    Q_OBJECT
public:
    explicit CashUpScreen(AppContext& context, QWidget* parent = nullptr);

Q_SIGNALS:
    void printRequested(const CashUp& cashUp, Decimal openingFloat);

private:
    Decimal openingFloat() const;
    void buildFilterBar();
    void buildChangesGrid();
    void query();
    void showFigures();
    void exportSheet();

    AppContext& m_context;
    Platform& m_platform;
    CashUp m_cashUp;
    GridList<SaleChange> m_changes;

    DateRangeBar* m_range = nullptr;
    EntryField* m_float = nullptr;
    CashUpFiguresView* m_figures = nullptr;
    RecordGrid* m_grid = nullptr;
};
