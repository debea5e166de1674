#include "checkout/gui/TillPrinter.h"

#include "base/Platform.h"
#include "checkout/EscPosReceipt.h"
#include "checkout/ReceiptDriveBook.h"
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
    printWith(sale, settings, storedDrive());
}

void TillPrinter::printWith(const ReceiptSale& sale, const SettingsRow& settings,
                            const ReceiptDrive& drive) {
    if (drive.mode == ReceiptDrive::Mode::Driver) {
        ReceiptPrinter(m_platform, m_dataFolder).print(sale, settings);
        return;
    }
    QByteArray bytes = EscPosReceipt(settings, sale, drive.paperWidth).bytes();
    if (std::exchange(m_drawerWaiting, false))
        bytes += EscPosReceipt::drawerPulse();
    send(settings, drive, bytes);
}

void TillPrinter::saleSaved(const SettingsRow& settings) {
    const ReceiptDrive drive = storedDrive();
    if (!drive.openDrawer)
        return;
    // The receipt, if one is printed, is asked for in the same turn of the event loop.
    m_drawerWaiting = true;
    QTimer::singleShot(0, this, [this, settings, drive] {
        if (std::exchange(m_drawerWaiting, false))
            send(settings, drive, EscPosReceipt::drawerPulse());
    });
}

void TillPrinter::openDrawer(const SettingsRow& settings) {
    send(settings, storedDrive(), EscPosReceipt::drawerPulse());
}

ReceiptDrive TillPrinter::storedDrive() const {
    try {
        return ReceiptDriveBook(m_database).read();
    } catch (const DbError&) {
        return ReceiptDrive(); // the page through the driver, as before these settings
    }
}

void TillPrinter::send(const SettingsRow& settings, const ReceiptDrive& drive,
                       const QByteArray& bytes) {
    m_platform.sendRaw({settings.receiptPrinter, drive.address}, bytes,
                       [&platform = m_platform, window = m_window](const QString& failure) {
                           if (!failure.isEmpty())
                               platform.inform(window, u"打印失败："_s + failure);
                       });
}
