#pragma once

#include "stock/CountRecord.h"

#include <QDate>
#include <QList>
#include <QString>

class Database;

// The past counts of [盘点明细], for the records screen. Every failing database call throws
// DbError.
class StocktakingRecords {
public:
    // A range holding more counts than this is refused rather than listed.
    static constexpr int ListLimit = 30000;

    struct Result {
        QList<CountRecord> records; // newest day first
        bool tooMany = false;       // then records is empty
    };

    explicit StocktakingRecords(Database& database);

    // The counts whose name holds the fragment ("%" and "_" staying wildcards) from one day
    // to another, both included, whichever of the two is given first.
    Result find(const QString& name, QDate from, QDate to);

private:
    Database& m_database;
};
