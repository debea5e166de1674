#pragma once

#include "checkout/ReceiptPage.h"

#include <QString>
#include <QStringList>

class Platform;
struct ReceiptSale;
struct SettingsRow;

// Prints a receipt through the system's driver without a word to the cashier: on the
// installed printer named as the receipt printer, else on the system default; the system
// default itself is never changed. With no printer at all the receipt is kept as a PDF in the
// data folder's "小票" folder under the document's name.
class ReceiptPrinter {
public:
    ReceiptPrinter(Platform& platform, QString dataFolder);

    void print(const ReceiptSale& sale, const SettingsRow& settings);
    void print(const QString& documentName, const QString& receiptPrinter,
               const ReceiptPageLayout& layOut);

private:
    QString deviceFor(const QStringList& installed, const QString& receiptPrinter) const;
    void keepAsPdf(const QString& documentName, const ReceiptPageLayout& layOut) const;

    Platform& m_platform;
    QString m_dataFolder;
};
