#pragma once

#include "data/Database.h"

#include <QString>

#include <optional>

// What the program needs from its data store before the login window opens.
struct StartUpResult {
    std::optional<Database> database; // empty when start-up failed
    QString dataFolder;
    QString storedPassword; // 设置.密码, read once; the login checks against it
    QString error;          // why start-up failed
};

namespace StartUp {

// Chooses the data folder, writes the template database when the file is missing (never
// over an existing file), opens it and reads the stored password.
StartUpResult run(const QString& driveDRoot, const QString& driveCRoot);

} // namespace StartUp
