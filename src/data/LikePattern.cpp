#include "data/LikePattern.h"

#include <algorithm>

namespace {

enum class Match { Yes, No, NotAfterWildcard };

// The character at index, stepping over it; 0 past the end.
char32_t next(QStringView text, qsizetype& index) {
    if (index >= text.size())
        return 0;
    const char16_t unit = text[index++].unicode();
    if (QChar::isHighSurrogate(unit) && index < text.size() &&
        QChar::isLowSurrogate(text[index].unicode()))
        return QChar::surrogateToUcs4(unit, text[index++].unicode());
    return unit;
}

// The engine's own walk: "_" takes one whole character, "%" tries every place its next
// character occurs. Giving up at the first "%" whose rest fits nowhere keeps runs of "%"
// from going exponential, and cannot lose a match.
Match compare(QStringView pattern, qsizetype p, QStringView text, qsizetype t) {
    char32_t c;
    while ((c = next(pattern, p)) != 0) {
        if (c == u'%') {
            while ((c = next(pattern, p)) == u'%' || c == u'_') {
                if (c == u'_' && next(text, t) == 0)
                    return Match::NotAfterWildcard;
            }
            if (c == 0)
                return Match::Yes;
            while (t < text.size()) {
                if (next(text, t) != c)
                    continue;
                const Match rest = compare(pattern, p, text, t);
                if (rest != Match::No)
                    return rest;
            }
            return Match::NotAfterWildcard;
        }
        const char32_t s = next(text, t);
        if (c != s && !(c == u'_' && s != 0))
            return Match::No;
    }
    return t >= text.size() ? Match::Yes : Match::No;
}

bool isWildcard(QChar c) {
    return c == u'%' || c == u'_';
}

bool isUpperAscii(QChar c) {
    return c >= u'A' && c <= u'Z';
}

} // namespace

LikePattern::LikePattern(QStringView pattern)
    : m_pattern(fold(pattern.toString())) {
    if (m_pattern.size() >= 2 && m_pattern.front() == u'%' && m_pattern.back() == u'%') {
        const QStringView inner = QStringView(m_pattern).sliced(1, m_pattern.size() - 2);
        m_contains = std::none_of(inner.begin(), inner.end(), isWildcard);
        if (m_contains)
            m_literal = inner.toString();
    }
}

QString LikePattern::fold(const QString& text) {
    const qsizetype end = text.indexOf(QChar(0));
    if (end < 0 && std::none_of(text.begin(), text.end(), isUpperAscii))
        return text;
    QString folded = end < 0 ? text : text.first(end);
    for (QChar& c : folded) {
        if (isUpperAscii(c))
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return folded;
}

bool LikePattern::matches(QStringView folded) const {
    if (m_contains)
        return folded.contains(m_literal);
    return compare(m_pattern, 0, folded, 0) == Match::Yes;
}
