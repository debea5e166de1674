#include "app/StandardScreens.h"

#include "app/ShowWatch.h"
#include "base/AppContext.h"
#include "base/SettingsSource.h"
#include "catalogue/ProductScreen.h"
#include "checkout/SalesScreen.h"
#include "checkout/TillPrinter.h"
#include "stock/StockScreen.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QWidget* makeSalesScreen(const ScreenSetup& setup) {
    auto* screen = new SalesScreen(setup.context, setup.settings);
    AppContext& context = setup.context;
    SettingsSource& settings = setup.settings;
    auto* till = new TillPrinter(context.platform, context.database, context.dataFolder, screen);
    QObject::connect(screen, &SalesScreen::printRequested, till,
                     [till, &settings](const ReceiptSale& sale) {
                         till->print(sale, settings.currentSettings());
                     });
    // The saved mark is shown by a save that landed, and by nothing else.
    if (auto* savedMark = screen->findChild<QWidget*>(u"savedMark"_s))
        new ShowWatch(savedMark,
                      [till, &settings] { till->saleSaved(settings.currentSettings()); });
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
    screens[Screen::Stock] = [](const ScreenSetup& setup) -> QWidget* {
        return new StockScreen(setup.context, setup.movementKind);
    };
    return screens;
}
