#include "checkout/EscPosLines.h"

#include "checkout/PrinterText.h"

#include <algorithm>

namespace {

constexpr char Esc = 0x1B;
constexpr char Fs = 0x1C;
constexpr char Gs = 0x1D;
constexpr char Lf = 0x0A;
constexpr char FeedLinesBeforeCut = 4; // the cutter sits above the print head

} // namespace

EscPosLines::EscPosLines(int paperWidth)
    : m_columns(paperWidth == 58 ? 32 : 48) {}

QByteArray EscPosLines::command(std::initializer_list<char> bytes) {
    return QByteArray(std::data(bytes), qsizetype(bytes.size()));
}

QByteArray EscPosLines::rightAligned(const QString& text, int width) {
    const QByteArray encoded = PrinterText::encode(text);
    return QByteArray(std::max(1, width - PrinterText::columns(encoded)), ' ') + encoded;
}

QByteArray EscPosLines::atLineEnd(const QByteArray& encoded) const {
    return QByteArray(std::max(0, m_columns - PrinterText::columns(encoded)), ' ') + encoded;
}

void EscPosLines::begin(const QString& title) {
    m_bytes += command({Esc, '@', Fs, '&'});
    if (title.isEmpty())
        return;
    m_bytes += command({Esc, 'a', 1, Gs, '!', 0x01}); // centred, double height
    line(PrinterText::encode(title));
    m_bytes += command({Gs, '!', 0x00, Esc, 'a', 0});
}

void EscPosLines::line(const QByteArray& text) {
    m_bytes += text;
    m_bytes += Lf;
}

void EscPosLines::centred(const QString& text) {
    m_bytes += command({Esc, 'a', 1});
    line(PrinterText::encode(text));
    m_bytes += command({Esc, 'a', 0});
}

void EscPosLines::spread(const QString& left, const QString& right) {
    const QByteArray leftText = PrinterText::encode(left);
    const QByteArray rightText = PrinterText::encode(right);
    const int room = m_columns - PrinterText::columns(leftText);
    if (PrinterText::columns(rightText) < room) {
        line(leftText + QByteArray(room - PrinterText::columns(rightText), ' ') + rightText);
        return;
    }
    line(leftText);
    line(atLineEnd(rightText));
}

void EscPosLines::rule() {
    line(QByteArray(m_columns, '-'));
}

void EscPosLines::cut() {
    m_bytes += command({Esc, 'd', FeedLinesBeforeCut, Gs, 'V', 1});
}
