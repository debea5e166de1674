#pragma once

#include "catalogue/import/ImportPlan.h"
#include "sheets/SheetRows.h"
#include "ui/grid/GridModel.h"

// The import screen's list: each row of the sheet below its header, with its row number, what
// the import does with it, and its cells.
class ImportPreview : public GridModel {
public:
    // The row number and the action stand before the sheet's columns.
    static constexpr int LeadingColumns = 2;

    // "新增", "更新", "跳过：编号已有", "拒绝：没有名称".
    static QString actionText(const ImportRow& row);

    int count() const override { return int(plan.rows.size()); }
    QStringList texts(int record) const override;

    // The screen replaces them before it fills the grid; plan row i is sheet row first + i.
    SheetRows sheet;
    qsizetype first = 0;
    int columns = 0;
    ImportPlan plan;
};
