#pragma once

#include "base/Platform.h"

// The real platform: system clock, Qt message boxes and dialogs, installed printers, raw
// print jobs to CUPS queues and network printers.
class DesktopPlatform : public Platform {
public:
    static constexpr int RawTimeoutMilliseconds = 5000;

    QDateTime now() const override;
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    void beep() override;
    QString driveDRoot() const override;
    QString driveCRoot() const override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString folderName(QWidget* parent, const QString& title) override;
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    std::unique_ptr<QPrinter> openPrinter(const QString& deviceName) override;
    void sendRaw(const RawPrinterTarget& target, const QByteArray& bytes, RawDone done) override;
    bool openUrl(const QUrl& url) override;
};
