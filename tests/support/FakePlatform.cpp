#include "support/FakePlatform.h"

#include <QPrinter>
#include <QTimer>

void FakePlatform::inform(QWidget*, const QString& text) {
    messages.append(text);
}

void FakePlatform::warn(QWidget*, const QString& text) {
    messages.append(text);
    warnings.append(text);
}

bool FakePlatform::askYesNo(QWidget*, const QString& text) {
    messages.append(text);
    questions.append(text);
    return answers.isEmpty() ? true : answers.takeFirst();
}

Platform::Answer FakePlatform::askYesNoCancel(QWidget*, const QString& text) {
    messages.append(text);
    questions.append(text);
    return choices.isEmpty() ? Answer::Yes : choices.takeFirst();
}

QString FakePlatform::saveFileName(QWidget*, const QString&, const QString&) {
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

QString FakePlatform::openFileName(QWidget*, const QString&, const QString&) {
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString FakePlatform::folderName(QWidget*, const QString&) {
    return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
}

std::unique_ptr<QPrinter> FakePlatform::openPrinter(const QString& deviceName) {
    openedPrinters.append(deviceName);
    if (printerOutput.isEmpty())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(printerOutput);
    return printer;
}

void FakePlatform::sendRaw(const RawPrinterTarget& target, const QByteArray& bytes, RawDone done) {
    rawJobs.append({target, bytes});
    if (rawPrinter) {
        rawPrinter(target, bytes, std::move(done));
        return;
    }
    QTimer::singleShot(0, [failure = rawFailure, done = std::move(done)] { done(failure); });
}
