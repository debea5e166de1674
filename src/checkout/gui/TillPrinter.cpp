#include "checkout/gui/TillPrinter.h"

#include "base/Platform.h"
#include "checkout/CashUpFigures.h"
#include "checkout/CashUpLayout.h"
#include "checkout/EscPosCashUp.h"
#include "checkout/EscPosReceipt.h"
#include "checkout/ReceiptRouteBook.h"
#include "checkout/gui/ReceiptPrinter.h"
#include "data/DbError.h"

#include <QWidget>

using namespace Qt::Literals::StringLiterals;

TillPrinter::TillPrinter(Platform& platform, Database& database, QString dataFolder,
                         QWidget* window)
    : QObject(window)
    , m_platform(platform)
    , m_database(database)
    , m_dataFolder(std::move(dataFolder))
    , m_window(window) {}

void TillPrinter::print(const ReceiptSale& sale, const SettingsRow& settings) {
    printReceipt(sale, settings, storedRoute(), false);
}

void TillPrinter::printWith(const ReceiptSale& sale, const SettingsRow& settings,
                            const ReceiptRoute& route) {
    printReceipt(sale, settings, route, false);
}

void TillPrinter::saleSaved(const ReceiptSale& sale, const SettingsRow& settings) {
    const ReceiptRoute route = storedRoute();
    if (settings.autoPrint)
        printReceipt(sale, settings, route, route.openDrawer);
    else if (route.openDrawer)
        send(settings, route, EscPosReceipt::drawerPulse());
}

void TillPrinter::openDrawer(const SettingsRow& settings) {
    send(settings, storedRoute(), EscPosReceipt::drawerPulse());
}

void TillPrinter::printCashUp(const CashUp& cashUp, Decimal openingFloat,
                              const SettingsRow& settings) {
    const ReceiptRoute route = storedRoute();
    const QDateTime now = m_platform.now();
    if (route.mode == ReceiptRoute::Mode::EscPos) {
        send(settings, route,
             EscPosCashUp(settings, cashUp, openingFloat, now, route.paperWidth).bytes());
        return;
    }
    ReceiptPrinter(m_platform, m_dataFolder)
        .print(u"日结 "_s + CashUpFigures::rangeText(cashUp), settings.receiptPrinter,
               [&](const ReceiptTextWidth& textWidth) {
                   return CashUpLayout(settings, cashUp, openingFloat, now, route.paperWidth,
                                       textWidth)
                       .page();
               });
}

ReceiptRoute TillPrinter::storedRoute() const {
    try {
        return ReceiptRouteBook(m_database).read();
    } catch (const DbError&) {
        return ReceiptRoute(); // the page through the driver, as before these settings
    }
}

void TillPrinter::printReceipt(const ReceiptSale& sale, const SettingsRow& settings,
                               const ReceiptRoute& route, bool thenOpenDrawer) {
    const QByteArray pulse = thenOpenDrawer ? EscPosReceipt::drawerPulse() : QByteArray();
    if (route.mode == ReceiptRoute::Mode::Driver) {
        ReceiptPrinter(m_platform, m_dataFolder).print(sale, settings);
        if (thenOpenDrawer)
            send(settings, route, pulse);
        return;
    }
    // One send: the drawer opens when the receipt is out, not before.
    send(settings, route, EscPosReceipt(settings, sale, route.paperWidth).bytes() + pulse);
}

void TillPrinter::send(const SettingsRow& settings, const ReceiptRoute& route,
                       const QByteArray& bytes) {
    m_platform.sendRaw({settings.receiptPrinter, route.address}, bytes,
                       [&platform = m_platform, window = m_window](const QString& failure) {
                           if (!failure.isEmpty())
                               platform.inform(window, u"打印失败："_s + failure);
                       });
}
