#include "reports/gui/ReportList.h"

#include "reports/ReportColumns.h"

int ReportList::count() const {
    return report.tooMany ? 0 : int(report.lines.size()) + 1;
}

QStringList ReportList::texts(int record) const {
    if (record < report.lines.size())
        return ReportColumns::texts(report.lines.at(record), report.view);
    return ReportColumns::totalTexts(report.total);
}
