#pragma once

#include <QString>

#include <functional>
#include <map>

class QWidget;
class SettingsSource;
class TillPrinter;
struct AppContext;

// The child windows the main window opens, each at most once.
enum class Screen {
    Sales,
    Products,
    ProductImport,
    Stock,
    Stocktaking,
    StocktakingRecords,
    Report,
    CashUp,
    About,
    Backup
};

// What a screen is given when the main window makes it.
struct ScreenSetup {
    AppContext& context;
    SettingsSource& settings;
    TillPrinter& till;    // the program's one receipt printer and cash drawer
    QString movementKind; // "入库" or "出库": the mode of the stock screen
    // Opens another screen as the main window's toolbar and menus do.
    std::function<void(Screen)> openScreen = {};
};

// Makes a screen's widget; the main window wraps it in its child window and owns it.
using ScreenFactory = std::function<QWidget*(const ScreenSetup&)>;
using ScreenRegistry = std::map<Screen, ScreenFactory>;
