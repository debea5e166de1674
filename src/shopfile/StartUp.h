#pragma once

#include "data/Database.h"
#include "data/DbError.h"

#include <QString>

#include <optional>

class Platform;

// What the program needs from its data store before the login window opens.
struct StartUpResult {
    std::optional<Database> database; // empty when start-up failed
    QString dataFolder;
    QString backupFolder;
    QString storedPassword; // 设置.密码, read once; the login checks against it
    QString error;          // why start-up failed, in words for the user
    DbError::Cause cause = DbError::Cause::Other;
};

namespace StartUp {

// Chooses the data folder, removes copies a kill left half written, writes the template
// database when the file is missing (never over an existing file), opens it, checks it and
// reads the stored password. A file that is damaged, newer than this program, or read-only
// is refused with the reason, and nothing is written to it.
StartUpResult run(const QString& driveDRoot, const QString& driveCRoot);

// The start as the user meets it: a refusal is shown, and for a shop file that cannot be
// opened the newest day copy that passes the check is offered. 否 leaves the file untouched.
StartUpResult open(Platform& platform);

} // namespace StartUp
