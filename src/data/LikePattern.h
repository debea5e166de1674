#pragma once

#include <QString>
#include <QStringView>

// The engine's LIKE, for matching in memory what a statement would match: "%" any run of
// characters, "_" exactly one character, ASCII letters alike in either case and every other
// character only itself. Texts are compared in folded form (see fold).
class LikePattern {
public:
    explicit LikePattern(QStringView pattern);

    // The text as LIKE compares it: ASCII letters in lower case, cut at a NUL as the engine
    // reads it. Fold each text once and match the folded form as often as needed; a text
    // that folds to itself is shared, not copied.
    static QString fold(const QString& text);

    bool matches(QStringView folded) const;
    // The text between the "%"s of a "%text%" pattern without other wildcards; empty
    // otherwise (and for "%%", which every text matches).
    QStringView containedText() const {
        return m_contains ? QStringView(m_literal) : QStringView();
    }

private:
    QString m_pattern;
    // Set when the pattern is "%", a literal, "%": then a plain substring search decides.
    bool m_contains = false;
    QString m_literal;
};
