#include "support/FakePlatform.h"

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
