#pragma once

#include "data/Database.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

// What the program needs from its data store before the login window opens.
struct StartUpResult {
    // Declared first, so that it is let go after the database has closed.
    std::unique_ptr<QLockFile> lock;  // with the database: one program per data file
    std::optional<Database> database; // empty when start-up failed
    bool alreadyRunning = false;      // another program holds the file; nothing was written
    QString dataFolder;
    QString storedPassword; // 设置.密码, read once; the login checks against it
    QString error;          // why start-up failed
};

namespace StartUp {

// Chooses the data folder, takes the data file's lock, writes the template database when the
// file is missing (never over an existing file), opens it and reads the stored password.
StartUpResult run(const QString& driveDRoot, const QString& driveCRoot);

} // namespace StartUp
