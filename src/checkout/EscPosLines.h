#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>

// ESC/POS bytes for a 58 or 80 mm roll printer in its Chinese mode, written line by line in
// character columns: 32 on 58 mm paper, 48 on 80 mm.
class EscPosLines {
public:
    explicit EscPosLines(int paperWidth);

    int columns() const { return m_columns; }
    const QByteArray& bytes() const { return m_bytes; }

    // Resets the printer into its Chinese mode and prints the title, when there is one,
    // centred in double height.
    void begin(const QString& title);
    void line(const QByteArray& text = {});
    void centred(const QString& text);
    // The left part at the start of the line and the right one at its end; each on a line of
    // its own when they do not fit together.
    void spread(const QString& left, const QString& right);
    void rule();
    // Feeds the last line past the cutter and cuts partially.
    void cut();

    static QByteArray command(std::initializer_list<char> bytes);
    // The text right-aligned in the field, always at least one blank before it.
    static QByteArray rightAligned(const QString& text, int width);
    // The encoded text pushed to the end of the line.
    QByteArray atLineEnd(const QByteArray& encoded) const;

private:
    int m_columns;
    QByteArray m_bytes;
};
