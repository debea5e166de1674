#pragma once

#include "checkout/ReceiptRoute.h"
#include "checkout/ReceiptSale.h"
#include "data/SettingsRow.h"

#include <QObject>
#include <QPointer>

class Database;
class Platform;
class QWidget;

// Prints receipts the way the route settings say and opens the cash drawer. ESC/POS bytes
// are sent without waiting for the printer; a failure is shown once per send as "打印失败："
// and the reason, over `window`.
class TillPrinter : public QObject {
    Q_OBJECT
public:
    TillPrinter(Platform& platform, Database& database, QString dataFolder, QWidget* window);

    void print(const ReceiptSale& sale, const SettingsRow& settings);
    void printWith(const ReceiptSale& sale, const SettingsRow& settings, const ReceiptRoute& route);

    // A sale has been saved: with the drawer setting on, the drawer opens - after the receipt
    // and in the same send when the receipt is printed at once, else on its own.
    void saleSaved(const SettingsRow& settings);
    void openDrawer(const SettingsRow& settings);

private:
    ReceiptRoute storedRoute() const;
    void send(const SettingsRow& settings, const ReceiptRoute& route, const QByteArray& bytes);

    Platform& m_platform;
    Database& m_database;
    QString m_dataFolder;
    QPointer<QWidget> m_window;
    bool m_drawerWaiting = false;
};
