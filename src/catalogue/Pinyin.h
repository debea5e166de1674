#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The pinyin code of a product name: the initials of its Chinese characters, ASCII letters
// lower-cased and digits kept, up to the first ASCII blank. Everything else yields nothing.
QString PinyinInitial(QChar ch);
QString PinyinCode(QStringView text);
