#include "sheets/CsvText.h"

#include <QStringDecoder>

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace CsvText {
namespace {

// How many records choose the separator.
constexpr int SampleRecords = 20;

// Splits the text from `at` into records until `limit` records are read; `at` ends where the
// reading stopped.
QList<QStringList> split(QStringView text, QChar separator, qsizetype& at, int limit) {
    QList<QStringList> records;
    QStringList fields;
    QString field;
    const auto endRecord = [&] {
        fields.append(field);
        field.clear();
        records.append(fields);
        fields.clear();
    };
    while (at < text.size() && records.size() < limit) {
        const QChar c = text[at++];
        if (c == u'"' && field.isEmpty()) {
            // Quoted: up to the quote that is not doubled; what follows it is kept as it is.
            while (at < text.size()) {
                const QChar inside = text[at++];
                if (inside != u'"') {
                    if (inside == u'\r' && at < text.size() && text[at] == u'\n')
                        continue; // a quoted line break is one "\n", however it was written
                    field += inside == u'\r' ? u'\n' : inside;
                } else if (at < text.size() && text[at] == u'"') {
                    field += u'"';
                    ++at;
                } else {
                    break;
                }
            }
        } else if (c == separator) {
            fields.append(field);
            field.clear();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && at < text.size() && text[at] == u'\n')
                ++at;
            endRecord();
        } else {
            field += c;
        }
    }
    if (at == text.size() && (!field.isEmpty() || !fields.isEmpty()))
        endRecord();
    return records;
}

// How well a separator splits the first records: how many have as many fields as the first,
// then how many fields that is. A separator that splits nothing scores nothing.
std::pair<int, qsizetype> score(QStringView text, QChar separator) {
    qsizetype at = 0;
    const QList<QStringList> sample = split(text, separator, at, SampleRecords);
    if (sample.isEmpty() || sample.first().size() < 2)
        return {0, 0};
    int even = 0;
    for (const QStringList& record : sample)
        even += record.size() == sample.first().size() ? 1 : 0;
    return {even, sample.first().size()};
}

} // namespace

QString decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringDecoder::Utf16, QStringDecoder::Flag::Default);
        return utf16(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder gb18030("GB18030");
    return gb18030(bytes);
}

SheetRows rows(const QString& text) {
    QStringView body(text);
    QChar separator = u',';
    if (body.startsWith(u"sep="_s) && body.size() > 4 &&
        (body.size() == 5 || body[5] == u'\n' || body[5] == u'\r')) {
        separator = body[4];
        body = body.sliced(std::min(body.size(), body.indexOf(u'\n') + 1));
    } else {
        std::pair<int, qsizetype> best = score(body, separator);
        for (const QChar candidate : {QChar(u';'), QChar(u'\t')}) {
            const std::pair<int, qsizetype> scored = score(body, candidate);
            if (scored > best) {
                best = scored;
                separator = candidate;
            }
        }
    }
    qsizetype at = 0;
    const QList<QStringList> records = split(body, separator, at, std::numeric_limits<int>::max());
    SheetRows rows;
    for (qsizetype i = 0; i < records.size(); ++i) {
        QStringList cells = records.at(i);
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        if (!cells.isEmpty())
            rows.append(SheetRow{int(i + 1), cells});
    }
    return rows;
}

} // namespace CsvText
