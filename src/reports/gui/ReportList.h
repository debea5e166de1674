#pragma once

#include "reports/Report.h"
#include "ui/grid/GridModel.h"

// A report as its grid lists it: its lines, then the total line; nothing when it was refused.
class ReportList : public GridModel {
public:
    int count() const override;
    QStringList texts(int record) const override;

    // What the list shows, for the export too.
    Report report;
};
