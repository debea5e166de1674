#include "system/DesktopPlatform.h"

#include "system/CupsPrintJob.h"
#include "system/NetworkPrintJob.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Title = u"提示"_s;
}

QDateTime DesktopPlatform::now() const {
    return QDateTime::currentDateTime();
}

void DesktopPlatform::inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, Title, text, QMessageBox::Ok);
}

void DesktopPlatform::warn(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, Title, text, QMessageBox::Ok);
}

bool DesktopPlatform::askYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::warning(parent, Title, text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

Platform::Answer DesktopPlatform::askYesNoCancel(QWidget* parent, const QString& text) {
    switch (QMessageBox::warning(parent, Title, text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                 QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void DesktopPlatform::beep() {
    QApplication::beep();
}

QString DesktopPlatform::driveDRoot() const {
#ifdef Q_OS_WIN
    return u"d:\\"_s;
#else
    return QString(); // no drive letters here: the data lives under the home folder
#endif
}

QString DesktopPlatform::driveCRoot() const {
#ifdef Q_OS_WIN
    return u"C:\\"_s;
#else
    return QDir::homePath();
#endif
}

QString DesktopPlatform::saveFileName(QWidget* parent, const QString& title,
                                      const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, QString(), filter);
}

QString DesktopPlatform::openFileName(QWidget* parent, const QString& title,
                                      const QString& filter) {
    // Lists from suppliers and old programs are saved among the user's documents.
    return QFileDialog::getOpenFileName(
        parent, title, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), filter);
}

QString DesktopPlatform::folderName(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title);
}

QStringList DesktopPlatform::printerNames() const {
    return QPrinterInfo::availablePrinterNames();
}

QString DesktopPlatform::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<QPrinter> DesktopPlatform::openPrinter(const QString& deviceName) {
    const QPrinterInfo printer = QPrinterInfo::printerInfo(deviceName);
    if (printer.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
}

void DesktopPlatform::sendRaw(const RawPrinterTarget& target, const QByteArray& bytes,
                              RawDone done) {
    if (!target.address.trimmed().isEmpty())
        NetworkPrintJob::start(target.address, bytes, std::move(done), RawTimeoutMilliseconds);
    else if (!target.queue.isEmpty())
        CupsPrintJob::start(target.queue, bytes, std::move(done), RawTimeoutMilliseconds);
    else
        QTimer::singleShot(0, [done = std::move(done)] { done(u"没有设置小票打印机"_s); });
}

bool DesktopPlatform::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
