#include "catalogue/Pinyin.h"

#include "catalogue/PinyinTable.h"

namespace {

char initialOf(char16_t c) {
    if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z'))
        return char(c);
    if (c >= u'A' && c <= u'Z')
        return char(c - u'A' + 'a');
    if (c < 0x80)
        return '\0';
    return PinyinTable::letter(c);
}

} // namespace

QString PinyinInitial(QChar ch) {
    const char letter = initialOf(ch.unicode());
    return letter ? QString(QLatin1Char(letter)) : QString();
}

QString PinyinCode(QStringView text) {
    const qsizetype blank = text.indexOf(u' ');
    const QStringView coded = blank < 0 ? text : text.first(blank);
    QString code;
    code.reserve(coded.size());
    for (const QChar ch : coded) {
        if (const char letter = initialOf(ch.unicode()))
            code.append(QLatin1Char(letter));
    }
    return code;
}
