#include "checkout/gui/ReceiptPrinter.h"

#include "base/Platform.h"
#include "checkout/ReceiptLayout.h"
#include "checkout/ReceiptSale.h"
#include "checkout/gui/ReceiptRenderer.h"
#include "data/SettingsRow.h"

#include <QDir>
#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString PdfFolder = u"小票"_s;

// The document's name names the file; nothing in it may lead out of the folder.
QString fileNameFor(const QString& documentName) {
    QString name = documentName;
    for (QChar& c : name) {
        if (c < u' ' || u"\\/:*?\"<>|."_s.contains(c))
            c = u'_';
    }
    return (name.isEmpty() ? u"_"_s : name) + u".pdf"_s;
}

} // namespace

ReceiptPrinter::ReceiptPrinter(Platform& platform, QString dataFolder)
    : m_platform(platform)
    , m_dataFolder(std::move(dataFolder)) {}

void ReceiptPrinter::print(const ReceiptSale& sale, const SettingsRow& settings) {
    print(sale.saleNumber, settings.receiptPrinter, [&](const ReceiptTextWidth& textWidth) {
        return ReceiptLayout(settings, sale, textWidth).page();
    });
}

void ReceiptPrinter::print(const QString& documentName, const QString& receiptPrinter,
                           const ReceiptPageLayout& layOut) {
    const QStringList installed = m_platform.printerNames();
    if (!installed.isEmpty()) {
        const std::unique_ptr<QPrinter> printer =
            m_platform.openPrinter(deviceFor(installed, receiptPrinter));
        if (printer && ReceiptRenderer(*printer).print(documentName, layOut))
            return;
    }
    keepAsPdf(documentName, layOut);
}

QString ReceiptPrinter::deviceFor(const QStringList& installed,
                                  const QString& receiptPrinter) const {
    if (installed.contains(receiptPrinter))
        return receiptPrinter;
    const QString systemDefault = m_platform.defaultPrinterName();
    return installed.contains(systemDefault) ? systemDefault : installed.first();
}

void ReceiptPrinter::keepAsPdf(const QString& documentName, const ReceiptPageLayout& layOut) const {
    const QDir dataFolder(m_dataFolder);
    if (!dataFolder.mkpath(PdfFolder))
        return;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dataFolder.filePath(PdfFolder + u'/' + fileNameFor(documentName)));
    ReceiptRenderer(pdf).print(documentName, layOut);
}
