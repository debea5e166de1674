#include "app/StandardScreens.h"

#include "base/AppContext.h"
#include "base/SettingsSource.h"
#include "catalogue/gui/ProductImportScreen.h"
#include "catalogue/gui/ProductScreen.h"
#include "checkout/gui/SalesScreen.h"
#include "checkout/gui/TillPrinter.h"
#include "reports/gui/CashUpScreen.h"
#include "reports/gui/ReportScreen.h"
#include "stock/gui/StockScreen.h"
#include "stock/gui/StocktakingRecordsScreen.h"
#include "stock/gui/StocktakingScreen.h"

namespace {

QWidget* makeSalesScreen(const ScreenSetup& setup) {
    auto* screen = new SalesScreen(setup.context);
    TillPrinter& till = setup.till;
    SettingsSource& settings = setup.settings;
    QObject::connect(screen, &SalesScreen::printRequested, &till,
                     [&till, &settings](const ReceiptSale& sale) {
                         till.print(sale, settings.currentSettings());
                     });
    QObject::connect(screen, &SalesScreen::saleSaved, &till,
                     [&till, &settings](const ReceiptSale& sale) {
                         till.saleSaved(sale, settings.currentSettings());
                     });
    return screen;
}

QWidget* makeCashUpScreen(const ScreenSetup& setup) {
    auto* screen = new CashUpScreen(setup.context);
    TillPrinter& till = setup.till;
    SettingsSource& settings = setup.settings;
    QObject::connect(screen, &CashUpScreen::printRequested, &till,
                     [&till, &settings](const CashUp& cashUp, Decimal openingFloat) {
                         till.printCashUp(cashUp, openingFloat, settings.currentSettings());
                     });
    return screen;
}

} // namespace

ScreenRegistry standardScreens() {
    ScreenRegistry screens;
    // Each working screen joins here with one assignment of its factory to its Screen key.
    screens[Screen::Sales] = makeSalesScreen;
    screens[Screen::Products] = [](const ScreenSetup& setup) -> QWidget* {
        auto* screen = new ProductScreen(setup.context);
        QObject::connect(screen, &ProductScreen::importWanted, screen, [open = setup.openScreen] {
            if (open)
                open(Screen::ProductImport);
        });
        return screen;
    };
    screens[Screen::ProductImport] = [](const ScreenSetup& setup) -> QWidget* {
        return new ProductImportScreen(setup.context);
    };
    screens[Screen::Report] = [](const ScreenSetup& setup) -> QWidget* {
        return new ReportScreen(setup.context);
    };
    screens[Screen::CashUp] = makeCashUpScreen;
    screens[Screen::Stocktaking] = [](const ScreenSetup& setup) -> QWidget* {
        return new StocktakingScreen(setup.context, [open = setup.openScreen] {
            if (open)
                open(Screen::StocktakingRecords);
        });
    };
    screens[Screen::StocktakingRecords] = [](const ScreenSetup& setup) -> QWidget* {
        return new StocktakingRecordsScreen(setup.context);
    };
    screens[Screen::Stock] = [](const ScreenSetup& setup) -> QWidget* {
        auto* screen = new StockScreen(setup.context, setup.movementKind);
        QObject::connect(screen, &StockScreen::productMaintenanceWanted, screen,
                         [open = setup.openScreen] {
                             if (open)
                                 open(Screen::Products);
                         });
        return screen;
    };
    return screens;
}
