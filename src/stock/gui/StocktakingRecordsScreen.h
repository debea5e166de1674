#pragma once

#include "stock/StocktakingRecords.h"
#include "ui/grid/GridModel.h"

#include <QWidget>

struct AppContext;
class DateRangeBar;
class EntryField;
class Platform;
class RecordGrid;

// "库存盘点记录": the past counts by name and date range, read-only.
class StocktakingRecordsScreen : public QWidget {
    Q_OBJECT
public:
    explicit StocktakingRecordsScreen(AppContext& context, QWidget* parent = nullptr);

private:
    void buildFilter();
    void buildGrid();
    void query();

    Platform& m_platform;
    StocktakingRecords m_records;
    GridList<CountRecord> m_list;

    EntryField* m_name = nullptr;
    DateRangeBar* m_range = nullptr;
    RecordGrid* m_grid = nullptr;
};
