#pragma once

#include <QByteArray>
#include <QString>

// Text as a Chinese receipt printer reads it in its Chinese mode: GB18030 limited to one- and
// two-byte characters. One byte prints one column, a two-byte character two.
namespace PrinterText {

// Characters the printer cannot print, control characters among them (they would be read
// as commands), become "?".
QByteArray encode(const QString& text);

// Columns the encoded text takes on paper.
inline int columns(const QByteArray& encoded) {
    return int(encoded.size());
}

// The longest start of the encoded text that fits the columns, never half a character.
QByteArray leading(const QByteArray& encoded, int columns);

} // namespace PrinterText
