#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

class Database;

// Puts a backup copy in the place of the shop database. The copy is first copied beside the
// shop file and checked there, the shop file is kept as a copy of its own, and only then does
// the checked copy take the shop file's name, in one step of the file system.
namespace ShopRestore {

// The points a restore passes, in order. Stopped at any of them, by any means, the shop file
// is whole: the old one up to Closed, the restored one from Replaced.
enum class Step { Staged, Checked, CurrentKept, Closed, Replaced, Reopened };

struct Request {
    QString copy;       // the backup copy to put back
    QString keptFolder; // where the shop file is kept first
    QDateTime now;      // names the kept file
    std::function<void(Step)> reached = {};
};

// Restores into the open shop database and reopens it; returns where the shop file was kept.
// Throws DbError with the reason: the shop file is then as it was and `database` open on it,
// unless the restored file was in place but would not open - then `database` is closed.
QString intoOpen(Database& database, const Request& request);

// Restores over a shop file that cannot be opened; it is kept as it lies, with its log. Nothing
// opens the restored file. Throws DbError with the reason, the shop file as it was.
QString intoUnopenable(const QString& path, const Request& request);

} // namespace ShopRestore
