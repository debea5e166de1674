#pragma once

#include "base/Platform.h"

#include <QList>
#include <QStringList>

// A scripted platform: a settable clock, queued answers for questions, recorded messages.
class FakePlatform : public Platform {
public:
    QDateTime now() const override { return clock; }
    void inform(QWidget* parent, const QString& text) override;
    void warn(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    void beep() override { ++beeps; }
    QString driveDRoot() const override { return dRoot; }
    QString driveCRoot() const override { return cRoot; }
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString folderName(QWidget* parent, const QString& title) override;
    QStringList printerNames() const override { return printers; }
    QString defaultPrinterName() const override { return defaultPrinter; }
    std::unique_ptr<QPrinter> openPrinter(const QString& deviceName) override;
    void sendRaw(const RawPrinterTarget& target, const QByteArray& bytes, RawDone done) override;
    bool openUrl(const QUrl& url) override {
        openedUrls.append(url);
        return browser;
    }

    QDateTime clock = QDateTime(QDate(2017, 3, 13), QTime(18, 33, 19));
    QString dRoot;
    QString cRoot;
    QStringList printers;
    QString defaultPrinter;
    QString printerOutput; // PDF file every opened printer writes to; none opens while empty

    // Raw jobs are recorded and answered with rawFailure on the next turn of the event loop,
    // unless rawPrinter is set: then it takes them (a real transport, for instance).
    struct RawJob {
        RawPrinterTarget target;
        QByteArray bytes;
    };
    QList<RawJob> rawJobs;
    QString rawFailure;
    std::function<void(const RawPrinterTarget&, const QByteArray&, RawDone)> rawPrinter;

    QList<bool> answers;       // next answers of askYesNo; Yes when empty
    QList<Answer> choices;     // next answers of askYesNoCancel; Yes when empty
    QStringList saveAnswers;   // next answers of saveFileName; cancel when empty
    QStringList openAnswers;   // next answers of openFileName; cancel when empty
    QStringList folderAnswers; // next answers of folderName; cancel when empty

    QStringList messages;  // every text shown: information, warnings and questions alike
    QStringList warnings;  // the texts of the warnings only
    QStringList questions; // the texts of the questions only
    int beeps = 0;
    QList<QUrl> openedUrls;
    bool browser = true;        // whether a browser takes the pages opened
    QStringList openedPrinters; // device names asked for, opened or not
};
