#include "app/StandardScreens.h"

#include "base/AppContext.h"
#include "base/SettingsSource.h"
#include "catalogue/ProductScreen.h"
#include "checkout/ReceiptPrinter.h"
#include "checkout/SalesScreen.h"

namespace {

QWidget* makeSalesScreen(const ScreenSetup& setup) {
    auto* screen = new SalesScreen(setup.context, setup.settings);
    AppContext& context = setup.context;
    SettingsSource& settings = setup.settings;
    QObject::connect(screen, &SalesScreen::printRequested, screen,
                     [&context, &settings](const ReceiptSale& sale) {
                         ReceiptPrinter(context.platform, context.dataFolder)
                             .print(sale, settings.currentSettings());
                     });
    return screen;
}

} // namespace

ScreenRegistry standardScreens() {
    ScreenRegistry screens;
    // Each working screen joins here with one assignment of its factory to its Screen key.
    screens[Screen::Sales] = makeSalesScreen;
    screens[Screen::Products] = [](const ScreenSetup& setup) -> QWidget* {
        return new ProductScreen(setup.context);
    };
    return screens;
}
