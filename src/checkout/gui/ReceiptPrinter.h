#pragma once

#include <QString>
#include <QStringList>

class Platform;
struct ReceiptSale;
struct SettingsRow;

// Prints a sale's receipt without a word to the cashier: on the installed printer named as
// the receipt printer, else on the system default; the system default itself is never changed.
// With no printer at all the receipt is kept as a PDF in the data folder's "小票" folder.
class ReceiptPrinter {
public:
    ReceiptPrinter(Platform& platform, QString dataFolder);

    void print(const ReceiptSale& sale, const SettingsRow& settings);

private:
    QString deviceFor(const QStringList& installed, const QString& receiptPrinter) const;
    void keepAsPdf(const ReceiptSale& sale, const SettingsRow& settings) const;

    Platform& m_platform;
    QString m_dataFolder;
};
