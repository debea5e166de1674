#pragma once

#include "base/RawPrinterTarget.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// Everything the operating system answers, behind one object that tests replace.
class Platform {
public:
    virtual ~Platform() = default;

    virtual QDateTime now() const = 0;

    enum class Answer { Yes, No, Cancel };

    // Message boxes titled "提示": information with OK, a warning with OK, a question with Yes
    // and No and the warning icon (true for Yes), and one with Yes (the default), No and
    // Cancel and the warning icon, where Esc and the close box answer Cancel.
    virtual void inform(QWidget* parent, const QString& text) = 0;
    virtual void warn(QWidget* parent, const QString& text) = 0;
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;

    // One short beep: something typed or scanned was not taken.
    virtual void beep() = 0;

    // Roots of the two drives the data folder may live on. An empty D root means the
    // system has no such drive.
    virtual QString driveDRoot() const = 0;
    virtual QString driveCRoot() const = 0;

    // The system's save-file and open-file dialogs; an empty text when the user cancels.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    // The system's folder dialog; an empty text when the user cancels.
    virtual QString folderName(QWidget* parent, const QString& title) = 0;

    // Installed printers by device name, in the order the system lists them.
    virtual QStringList printerNames() const = 0;
    virtual QString defaultPrinterName() const = 0;
    // The installed printer with this device name, set up for one job; null when there is none.
    virtual std::unique_ptr<QPrinter> openPrinter(const QString& deviceName) = 0;

    // Sends bytes to a printer as they are, past any driver. Returns at once; `done` runs
    // later on this thread with an empty text, or the reason the bytes did not all arrive
    // (within a few seconds, however the printer answers).
    using RawDone = std::function<void(const QString& failure)>;
    virtual void sendRaw(const RawPrinterTarget& target, const QByteArray& bytes, RawDone done) = 0;

    // Shows a page in the default browser without waiting; false when no browser took it.
    virtual bool openUrl(const QUrl& url) = 0;
};
