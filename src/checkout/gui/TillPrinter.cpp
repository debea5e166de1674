#include "checkout/gui/TillPrinter.h"

#include "base/Platform.h"
#include "checkout/EscPosReceipt.h"
#include "checkout/ReceiptRouteBook.h"
#include "checkout/gui/ReceiptPrinter.h"
#include "data/DbError.h"

#include <QTimer>
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
    printWith(sale, settings, storedRoute());
}

void TillPrinter::printWith(const ReceiptSale& sale, const SettingsRow& settings,
                            const ReceiptRoute& route) {
    if (route.mode == ReceiptRoute::Mode::Driver) {
        ReceiptPrinter(m_platform, m_dataFolder).print(sale, settings);
        return;
    }
    QByteArray bytes = EscPosReceipt(settings, sale, route.paperWidth).bytes();
    if (std::exchange(m_drawerWaiting, false))
        bytes += EscPosReceipt::drawerPulse();
    send(settings, route, bytes);
}

void TillPrinter::saleSaved(const SettingsRow& settings) {
    const ReceiptRoute route = storedRoute();
    if (!route.openDrawer)
        return;
    // The receipt, if one is printed, is asked for in the same turn of the event loop.
    m_drawerWaiting = true;
    QTimer::singleShot(0, this, [this, settings, route] {
        if (std::exchange(m_drawerWaiting, false))
            send(settings, route, EscPosReceipt::drawerPulse());
    });
}

void TillPrinter::openDrawer(const SettingsRow& settings) {
    send(settings, storedRoute(), EscPosReceipt::drawerPulse());
}

ReceiptRoute TillPrinter::storedRoute() const {
    try {
        return ReceiptRouteBook(m_database).read();
    } catch (const DbError&) {
        return ReceiptRoute(); // the page through the driver, as before these settings
    }
}

void TillPrinter::send(const SettingsRow& settings, const ReceiptRoute& route,
                       const QByteArray& bytes) {
    m_platform.sendRaw({settings.receiptPrinter, route.address}, bytes,
                       [&platform = m_platform, window = m_window](const QString& failure) {
                           if (!failure.isEmpty())
                               platform.inform(window, u"打印失败："_s + failure);
                       });
}
