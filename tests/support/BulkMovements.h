#pragma once

#include "data/Database.h"

// Sale lines by the thousand in one statement, for tests that need a database or a log of
// some size.
namespace BulkMovements {

// Writes `count` sale lines; the caller's transaction, if any, holds them.
inline void add(Database& db, int count) {
    db.exec(uR"sql(
        WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?)
        INSERT INTO [出入库] ([销售号], [ID号], [名称], [数量], [金额], [日期], [类别])
        SELECT printf('A160101-%04d%03d', i / 7 % 9999 + 1, i % 7), printf('692%010d', i),
               '商品', 10000, 100000, '2016-01-01', '销售'
        FROM n)sql",
            count);
}

} // namespace BulkMovements
