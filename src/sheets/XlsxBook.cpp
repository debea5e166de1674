#include "sheets/XlsxBook.h"

#include <QDir>
#include <QHash>
#include <QXmlStreamReader>

using namespace Qt::Literals::StringLiterals;

namespace {

// "_x0041_" in a written string stands for the character it codes ("_x005F_" for "_").
QString decoded(const QString& text) {
    if (!text.contains(u"_x"_s))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == u'_' && at + 6 < text.size() && text[at + 1] == u'x' &&
            text[at + 6] == u'_') {
            bool hex = false;
            const ushort code = QStringView(text).sliced(at + 2, 4).toUShort(&hex, 16);
            if (hex) {
                result += QChar(code);
                at += 6;
                continue;
            }
        }
        result += text[at];
    }
    return result;
}

// The attribute with this local name, whatever namespace prefix the writer gave it.
QStringView attribute(const QXmlStreamReader& reader, QStringView name) {
    for (const QXmlStreamAttribute& each : reader.attributes()) {
        if (each.name() == name)
            return each.value();
    }
    return {};
}

// The text of a string item (<si> or <is>, the reader at its start): its <t> and the <t> of its
// runs, without the phonetic guides (<rPh>) that East Asian writers add.
QString stringItem(QXmlStreamReader& reader) {
    QString text;
    int depth = 1;
    while (depth > 0 && !reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement())
            --depth;
        else if (!reader.isStartElement())
            continue;
        else if (reader.name() == u"t")
            text += reader.readElementText();
        else if (reader.name() == u"r")
            ++depth;
        else
            reader.skipCurrentElement();
    }
    return decoded(text);
}

QStringList sharedStrings(const QByteArray& xml) {
    QStringList strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"si")
            strings.append(stringItem(reader));
    }
    return strings;
}

QList<XlsxValue::Kind> styleKinds(const QByteArray& xml) {
    QHash<int, XlsxValue::Kind> custom;
    QList<XlsxValue::Kind> kinds;
    bool inCellStyles = false;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == u"cellXfs")
            inCellStyles = false;
        if (!reader.isStartElement())
            continue;
        if (reader.name() == u"numFmt") {
            custom.insert(attribute(reader, u"numFmtId").toInt(),
                          XlsxValue::kindOfFormat(attribute(reader, u"formatCode")));
        } else if (reader.name() == u"cellXfs") {
            inCellStyles = true;
        } else if (inCellStyles && reader.name() == u"xf") {
            const int id = attribute(reader, u"numFmtId").toInt();
            kinds.append(custom.value(id, XlsxValue::kindOfBuiltInFormat(id)));
        }
    }
    return kinds;
}

// Relationship targets by id, and by type for the parts found by type, resolved against the
// folder of the part they belong to.
struct Relations {
    QHash<QString, QString> byId;
    QHash<QString, QString> byType; // the last word of the type ("styles")
};

Relations relations(const std::optional<QByteArray>& xml, const QString& folder) {
    Relations found;
    if (!xml)
        return found;
    QXmlStreamReader reader(*xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != u"Relationship")
            continue;
        const QString target = attribute(reader, u"Target").toString();
        const QString part = QDir::cleanPath(target.startsWith(u'/') || folder.isEmpty()
                                                 ? target.mid(target.startsWith(u'/') ? 1 : 0)
                                                 : folder + u'/' + target);
        const QString type = attribute(reader, u"Type").toString();
        found.byId.insert(attribute(reader, u"Id").toString(), part);
        found.byType.insert(type.section(u'/', -1), part);
    }
    return found;
}

// "BC12" gives column 54 (counted from 0), or -1 when the reference has no letters.
int columnOf(QStringView reference) {
    int column = 0;
    qsizetype at = 0;
    for (; at < reference.size() && reference[at].isLetter(); ++at)
        column = column * 26 + (reference[at].toUpper().unicode() - u'A' + 1);
    return at == 0 ? -1 : column - 1;
}

} // namespace

XlsxBook::XlsxBook(ZipArchive archive)
    : m_archive(std::move(archive)) {}

std::optional<XlsxBook> XlsxBook::open(const QByteArray& bytes) {
    std::optional<ZipArchive> archive = ZipArchive::open(bytes);
    if (!archive)
        return std::nullopt;
    XlsxBook book(std::move(*archive));
    if (!book.readWorkbook())
        return std::nullopt;
    return book;
}

bool XlsxBook::readWorkbook() {
    const QString workbookPart = relations(m_archive.member(u"_rels/.rels"_s), QString())
                                     .byType.value(u"officeDocument"_s, u"xl/workbook.xml"_s);
    const std::optional<QByteArray> workbook = m_archive.member(workbookPart);
    if (!workbook)
        return false;
    const QString folder = workbookPart.section(u'/', 0, -2);
    const Relations parts = relations(
        m_archive.member(folder + u"/_rels/"_s + workbookPart.section(u'/', -1) + u".rels"_s),
        folder);
    QXmlStreamReader reader(*workbook);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == u"workbookPr") {
            const QStringView from1904 = attribute(reader, u"date1904");
            m_from1904 = from1904 == u"1" || from1904 == u"true";
        } else if (reader.name() == u"sheet") {
            const QString id = attribute(reader, u"id").toString();
            m_sheets.append(
                {attribute(reader, u"name").toString(),
                 parts.byId.value(id, folder + u"/worksheets/sheet"_s +
                                          QString::number(m_sheets.size() + 1) + u".xml"_s)});
        }
    }
    if (reader.hasError() || m_sheets.isEmpty())
        return false;
    if (const auto strings = m_archive.member(
            parts.byType.value(u"sharedStrings"_s, folder + u"/sharedStrings.xml"_s)))
        m_strings = sharedStrings(*strings);
    if (const auto styles =
            m_archive.member(parts.byType.value(u"styles"_s, folder + u"/styles.xml"_s)))
        m_styleKinds = styleKinds(*styles);
    return true;
}

QStringList XlsxBook::sheetNames() const {
    QStringList names;
    for (const Sheet& sheet : m_sheets)
        names.append(sheet.name);
    return names;
}

QString XlsxBook::cellText(QStringView type, QStringView style, const QString& value) const {
    if (type == u"s")
        return m_strings.value(value.toInt());
    if (type == u"b")
        return value.trimmed() == u"1"_s ? u"TRUE"_s : u"FALSE"_s;
    if (type == u"str" || type == u"e" || type == u"inlineStr")
        return decoded(value);
    if (type == u"d") // an ISO 8601 date, as some writers store one
        return value.endsWith(u"T00:00:00"_s) ? value.left(value.size() - 9)
                                              : QString(value).replace(u'T', u' ');
    return XlsxValue::text(value, m_styleKinds.value(style.toInt(), XlsxValue::Kind::Number),
                           m_from1904);
}

std::optional<SheetRows> XlsxBook::rows(int sheet) const {
    if (sheet < 0 || sheet >= m_sheets.size())
        return std::nullopt;
    const std::optional<QByteArray> xml = m_archive.member(m_sheets.at(sheet).part);
    if (!xml)
        return std::nullopt;
    SheetRows rows;
    QXmlStreamReader reader(*xml);
    int rowNumber = 0;
    int column = -1;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == u"row") {
            const int stated = attribute(reader, u"r").toInt();
            rowNumber = stated > 0 ? stated : rowNumber + 1;
            column = -1;
        } else if (reader.name() == u"c") {
            const int stated = columnOf(attribute(reader, u"r"));
            column = stated >= 0 ? stated : column + 1;
            const QString type = attribute(reader, u"t").toString();
            const QString style = attribute(reader, u"s").toString();
            QString value;
            while (reader.readNextStartElement()) {
                if (reader.name() == u"v")
                    value = reader.readElementText();
                else if (reader.name() == u"is")
                    value = stringItem(reader);
                else
                    reader.skipCurrentElement(); // the formula: its result is in <v>
            }
            if (value.isEmpty())
                continue;
            const QString text = cellText(type, style, value);
            if (text.isEmpty())
                continue;
            if (rows.isEmpty() || rows.last().number != rowNumber)
                rows.append(SheetRow{rowNumber, {}});
            QStringList& cells = rows.last().cells;
            while (cells.size() < column)
                cells.append(QString());
            if (cells.size() == column)
                cells.append(text);
            else
                cells[column] = text;
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return rows;
}
