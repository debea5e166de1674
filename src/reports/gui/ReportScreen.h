#pragma once

#include "reports/ReportRunner.h"
#include "reports/gui/ReportList.h"

#include <QWidget>

#include <optional>

struct AppContext;
class DateRangeBar;
class Platform;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RecordGrid;
class ReportProgress;

// "统计报表": sales, stock received or returns over a date range, movement by movement or one
// line per product, and their export to a spreadsheet. A by-name query runs on the runner's
// thread with both buttons disabled, so no second query can interleave with it.
class ReportScreen : public QWidget {
    Q_OBJECT
public:
    explicit ReportScreen(AppContext& context, QWidget* parent = nullptr);

    bool isQuerying() const { return m_querying; }

private:
    void buildFilterBar();
    void buildGrid();
    void query();
    std::optional<ReportFilter> filter();
    void finishQuery(const ReportRunner::Outcome& outcome);
    void list(Report report);
    void exportSheet();
    void setQuerying(bool querying);

    AppContext& m_context;
    Platform& m_platform;
    ReportRunner m_runner;
    ReportList m_list;
    bool m_querying = false;

    QLineEdit* m_name = nullptr;
    DateRangeBar* m_range = nullptr;
    QComboBox* m_category = nullptr;
    QRadioButton* m_byDate = nullptr;
    QRadioButton* m_byName = nullptr;
    QPushButton* m_query = nullptr;
    QPushButton* m_export = nullptr;
    RecordGrid* m_grid = nullptr;
    ReportProgress* m_progress = nullptr;
};
