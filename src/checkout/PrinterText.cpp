#include "checkout/PrinterText.h"

#include <unicode/ucnv.h>

#include <memory>

namespace PrinterText {
namespace {

constexpr char Unprintable = '?';

struct ConverterClose {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

bool isLeadByte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x81;
}

} // namespace

QByteArray encode(const QString& text) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UConverter, ConverterClose> gb18030(ucnv_open("GB18030", &status));
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        const char32_t code =
            pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        char bytes[8];
        int32_t length = 0;
        status = U_ZERO_ERROR;
        if (gb18030 && !QChar::isSurrogate(code))
            length = ucnv_fromUChars(gb18030.get(), bytes, sizeof bytes,
                                     reinterpret_cast<const UChar*>(text.constData() + i),
                                     int32_t(units), &status);
        // Four-byte sequences name characters the printers' fonts do not hold.
        const bool printable = U_SUCCESS(status) && ((length == 1 && code >= 0x20 && code < 0x7F) ||
                                                     (length == 2 && isLeadByte(bytes[0])));
        if (printable)
            out.append(bytes, length);
        else
            out.append(Unprintable);
        i += units;
    }
    return out;
}

QByteArray leading(const QByteArray& encoded, int columns) {
    qsizetype end = 0;
    while (end < encoded.size()) {
        const qsizetype next = end + (isLeadByte(encoded.at(end)) ? 2 : 1);
        if (next > columns)
            break;
        end = next;
    }
    return encoded.left(end);
}

} // namespace PrinterText
