#include "ui/OneLineInput.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QValidator>

namespace {

bool breaksLine(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        QString mended;
        mended.reserve(input.size());
        int mendedPosition = position;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (!breaksLine(input.at(i))) {
                mended.append(input.at(i));
                continue;
            }
            // A run of them ("\r\n", "\t\t") is one blank.
            if (i == 0 || !breaksLine(input.at(i - 1)))
                mended.append(u' ');
            else if (i < position)
                --mendedPosition;
        }
        input = mended;
        position = mendedPosition;
        return Acceptable;
    }
};

} // namespace

OneLineInput::OneLineInput(QObject* parent)
    : QObject(parent) {
    qApp->installEventFilter(this);
}

bool OneLineInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish) {
        if (auto* box = qobject_cast<QLineEdit*>(watched); box && !box->validator())
            box->setValidator(new OneLineValidator(box));
    }
    return QObject::eventFilter(watched, event);
}
