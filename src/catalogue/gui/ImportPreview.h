#pragma once

#include "catalogue/import/ImportPlan.h"
#include "sheets/SheetRows.h"
#include "ui/grid/GridModel.h"

#include <QList>

// The import screen's list: each row of the sheet below its header, with its row number, what
// the import does with it, and its cells; or only the rows the import leaves out, so that a
// few refusals among thousands of rows are found at once.
class ImportPreview : public GridModel {
public:
    // The row number and the action stand before the sheet's columns.
    static constexpr int LeadingColumns = 2;

    // "新增", "更新", "跳过：编号已有", "拒绝：没有名称".
    static QString actionText(const ImportRow& row);

    const ImportPlan& plan() const { return m_plan; }
    // Plan row i belongs to sheet row first + i.
    void setPlan(ImportPlan plan);
    void setLeftOutOnly(bool leftOutOnly);

    int count() const override { return int(m_shown.size()); }
    QStringList texts(int record) const override;

    // The screen replaces them, and then the plan, before it fills the grid.
    SheetRows sheet;
    qsizetype first = 0;
    int columns = 0;

private:
    void choose();

    ImportPlan m_plan;
    bool m_leftOutOnly = false;
    QList<qsizetype> m_shown; // plan rows
};
