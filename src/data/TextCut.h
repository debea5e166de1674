#pragma once

#include <QString>

namespace TextCut {

// The first count characters of a text. Counted as the database counts a text's length, in
// characters rather than UTF-16 units, so a rare character is never cut in half.
QString leading(const QString& text, qsizetype count);

} // namespace TextCut
