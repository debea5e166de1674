#pragma once

#include <QString>

namespace LoginCheck {

// The shop password as written on the sticker: blanks around it and letter case don't count.
bool accepts(const QString& typed, const QString& stored);

// The factory-password hint shows only while the stored password is exactly the factory one.
bool showsFactoryHint(const QString& stored);

} // namespace LoginCheck
