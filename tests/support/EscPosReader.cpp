#include "support/EscPosReader.h"

#include <unicode/ucnv.h>

using namespace Qt::Literals::StringLiterals;

namespace EscPosReader {
namespace {

QString decode(const QByteArray& bytes) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* gb18030 = ucnv_open("GB18030", &status);
    QString text(bytes.size(), QChar());
    const int32_t length =
        ucnv_toUChars(gb18030, reinterpret_cast<UChar*>(text.data()), int32_t(text.size()),
                      bytes.constData(), int32_t(bytes.size()), &status);
    ucnv_close(gb18030);
    return U_SUCCESS(status) ? text.left(length) : u"{undecodable}"_s;
}

QByteArray gb18030(const QString& text) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open("GB18030", &status);
    QByteArray bytes(text.size() * 4, '\0');
    const int32_t length = ucnv_fromUChars(converter, bytes.data(), int32_t(bytes.size()),
                                           reinterpret_cast<const UChar*>(text.constData()),
                                           int32_t(text.size()), &status);
    ucnv_close(converter);
    return bytes.left(length);
}

} // namespace

QStringList read(const QByteArray& bytes) {
    QStringList out;
    QByteArray text;
    const auto at = [&](qsizetype i) { return i < bytes.size() ? quint8(bytes.at(i)) : -1; };
    for (qsizetype i = 0; i < bytes.size();) {
        const int byte = at(i);
        const int a = at(i + 1);
        const int b = at(i + 2);
        QString event;
        qsizetype length = 1;
        if (byte == 0x0A) {
            out.append(decode(text));
            text.clear();
        } else if (byte == 0x1B && a == '@') {
            event = u"init"_s, length = 2;
        } else if (byte == 0x1C && a == '&') {
            event = u"chinese"_s, length = 2;
        } else if (byte == 0x1B && a == 'a') {
            event = b == 1 ? u"centre"_s : b == 0 ? u"left"_s : u"align "_s + QString::number(b);
            length = 3;
        } else if (byte == 0x1D && a == '!') {
            event = b == 0   ? u"normal size"_s
                    : b == 1 ? u"double height"_s
                             : u"size "_s + QString::number(b);
            length = 3;
        } else if (byte == 0x1B && a == 'd') {
            event = u"feed "_s + QString::number(b), length = 3;
        } else if (byte == 0x1D && a == 'V' && (b == 0 || b == 1)) {
            event = b == 1 ? u"cut partial"_s : u"cut full"_s, length = 3;
        } else if (byte == 0x1B && a == 'p') {
            event = u"drawer pin "_s + QString::number(b == 0 ? 2 : 5) + u' ' +
                    QString::number(at(i + 3) * 2) + u'/' + QString::number(at(i + 4) * 2) +
                    u" ms"_s;
            length = 5;
        } else if (byte < 0x20 || byte == 0x7F) {
            event = u"unknown "_s + QString::number(byte, 16) + u' ' + QString::number(a, 16);
        } else {
            text.append(char(byte));
        }
        if (!event.isEmpty())
            out.append(u'{' + event + u'}');
        i += length;
    }
    if (!text.isEmpty())
        out.append(decode(text) + u"{no line end}"_s);
    return out;
}

int columns(const QString& line) {
    return int(gb18030(line).size());
}

} // namespace EscPosReader
