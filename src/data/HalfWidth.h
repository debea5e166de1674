#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// A Chinese input method in full-width mode types U+FF01..U+FF5E for the printable ASCII
// characters and U+3000 for the blank; numbers and dates read them as their ASCII forms.
inline QChar halfWidth(QChar c) {
    if (c == u'\u3000')
        return u' ';
    return c >= u'\uFF01' && c <= u'\uFF5E' ? QChar(c.unicode() - 0xFEE0) : c;
}

inline QString halfWidth(QStringView text) {
    QString narrowed(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        narrowed[i] = halfWidth(text[i]);
    return narrowed;
}
