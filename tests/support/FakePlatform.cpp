#include "support/FakePlatform.h"

#include <QPrinter>

void FakePlatform::inform(QWidget*, const QString& text) {
    messages.append(text);
}

bool FakePlatform::askYesNo(QWidget*, const QString& text) {
    messages.append(text);
    questions.append(text);
    return answers.isEmpty() ? true : answers.takeFirst();
}

QString FakePlatform::saveFileName(QWidget*, const QString&, const QString&) {
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
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
