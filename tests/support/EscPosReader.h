#pragma once

#include <QByteArray>
#include <QStringList>

// Reads what a receipt printer would make of ESC/POS bytes: one entry per printed line (the
// GB18030 text decoded) and one per command, in braces: "{cut partial}", "{drawer pin 2
// 50/500 ms}", "{centre}"... A command it does not know reads "{unknown ...}".
namespace EscPosReader {

QStringList read(const QByteArray& bytes);

// Columns a printed line takes: two for a character that is two bytes in GB18030.
int columns(const QString& line);

} // namespace EscPosReader
