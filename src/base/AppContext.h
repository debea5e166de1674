#pragma once

#include <QString>

class Database;
class Platform;

// What every screen is handed when it is made: the open shop database, the platform and
// where the data lives.
struct AppContext {
    Database& database;
    Platform& platform;
    QString dataFolder;
};
