#pragma once

#include "reports/Report.h"

#include <QStringView>

class Database;

// The statistics report over [出入库], without widgets. Every failing call throws DbError.
class ReportQuery {
public:
    // The by-date view refuses a range with more movements than this.
    static constexpr int ByDateLimit = 30000;

    explicit ReportQuery(Database& database)
        : m_database(database) {}

    // The category a shown text stands for: "出库" and "入库" as they are, any other sales.
    static QString categoryFor(QStringView shown);

    Report run(ReportView view, const ReportFilter& filter);
    // Every movement, newest first; none and tooMany when there are more than ByDateLimit.
    Report byDate(const ReportFilter& filter);
    // One line per product moved: the sums of its movements, described by its newest movement
    // of any category and date, in pinyin order of the names.
    Report byName(const ReportFilter& filter);

private:
    Database& m_database;
};
