#include "data/TextCut.h"

namespace TextCut {

QString leading(const QString& text, qsizetype count) {
    qsizetype end = 0;
    for (qsizetype n = 0; n < count && end < text.size(); ++n)
        end += text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    return text.left(end);
}

} // namespace TextCut
