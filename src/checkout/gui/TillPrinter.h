#pragma once

#include "checkout/CashUp.h"
#include "checkout/ReceiptRoute.h"
#include "checkout/ReceiptSale.h"
#include "data/SettingsRow.h"

#include <QObject>
#include <QPointer>

class Database;
class Platform;
class QWidget;

// The program's one receipt printer and cash drawer: prints receipts the way the stored route
// says. ESC/POS bytes are sent without waiting for the printer; a failure is shown once per
// send as "打印失败：" and the reason, over `window`.
class TillPrinter : public QObject {
    Q_OBJECT
public:
    TillPrinter(Platform& platform, Database& database, QString dataFolder, QWidget* window);

    void print(const ReceiptSale& sale, const SettingsRow& settings);
    // A test print: the route as given, not as stored.
    void printWith(const ReceiptSale& sale, const SettingsRow& settings, const ReceiptRoute& route);

    // A sale has just been saved: its receipt is printed when automatic printing is on, and
    // with the route's drawer setting on the drawer opens once, after the receipt.
    void saleSaved(const ReceiptSale& sale, const SettingsRow& settings);
    void openDrawer(const SettingsRow& settings);

    // The cash-up on the paper width of the stored route, stamped with the time of printing.
    void printCashUp(const CashUp& cashUp, Decimal openingFloat, const SettingsRow& settings);

private:
    ReceiptRoute storedRoute() const;
    void printReceipt(const ReceiptSale& sale, const SettingsRow& settings,
                      const ReceiptRoute& route, bool thenOpenDrawer);
    void send(const SettingsRow& settings, const ReceiptRoute& route, const QByteArray& bytes);

    Platform& m_platform;
    Database& m_database;
    QString m_dataFolder;
    QPointer<QWidget> m_window;
};
