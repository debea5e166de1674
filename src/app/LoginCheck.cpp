#include "app/LoginCheck.h"

using namespace Qt::Literals::StringLiterals;

namespace LoginCheck {

bool accepts(const QString& typed, const QString& stored) {
    return typed.trimmed().toLower() == stored.trimmed().toLower();
}

bool showsFactoryHint(const QString& stored) {
    return stored == u"739"_s;
}

} // namespace LoginCheck
