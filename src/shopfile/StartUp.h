#pragma once

#include "data/Database.h"
#include "data/DbError.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

class Platform;

// What the program needs from its data store before the login window opens.
struct StartUpResult {
    // Declared first, so that it is let go after the database has closed.
    std::unique_ptr<QLockFile> lock;  // with the database: one program per data file
    std::optional<Database> database; // empty when start-up failed
    bool alreadyRunning = false;      // another program holds the file; nothing was written
    QString dataFolder;
    QString backupFolder;
    QString storedPassword; // 设置.密码, read once; the login checks against it
    QString error;          // why start-up failed, in words for the user
    DbError::Cause cause = DbError::Cause::Other;
};

namespace StartUp {

// Chooses the data folder, takes the data file's lock (held, once taken, as long as the result
// lives), removes copies a kill left half written, writes the template database when the file
// is missing (never over an existing file), opens it, checks it and reads the stored password.
// A file that is damaged, newer than this program, or read-only is refused with the reason, and
// nothing is written to it.
StartUpResult run(const QString& driveDRoot, const QString& driveCRoot);

// The start as the user meets it: a refusal is shown, and for a shop file that cannot be
// opened the newest day copy that passes the check is offered, and put back under the lock.
// 否 leaves the file untouched.
StartUpResult open(Platform& platform);

} // namespace StartUp
