#include "reports/SheetReader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

using namespace Qt::Literals::StringLiterals;

namespace SheetReader {
namespace {

QByteArray member(const QString& path, const QString& name) {
    QProcess unzip;
    unzip.start(u"unzip"_s, {u"-p"_s, path, name});
    unzip.waitForFinished();
    return unzip.readAllStandardOutput();
}

// "_x0041_" stands for "A", as a spreadsheet program reads it.
QString decoded(QString text) {
    static const QRegularExpression code(u"_x([0-9A-Fa-f]{4})_"_s);
    for (auto match = code.match(text); match.hasMatch();
         match = code.match(text, match.capturedStart() + 1))
        text.replace(match.capturedStart(), match.capturedLength(),
                     QChar(match.captured(1).toUShort(nullptr, 16)));
    return text;
}

QStringList sharedStrings(const QByteArray& xml) {
    QStringList strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"si")
            strings << QString();
        else if (reader.isStartElement() && reader.name() == u"t" && !strings.isEmpty())
            strings.last() += decoded(reader.readElementText());
    }
    return strings;
}

// Number format codes by style index: built-in 0 is General, 14 the short date.
QStringList formatsByStyle(const QByteArray& xml) {
    QMap<int, QString> codes{{0, QString()}, {2, u"0.00"_s}};
    QStringList styles;
    bool inCellStyles = false;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == u"cellXfs")
            inCellStyles = false;
        if (!reader.isStartElement())
            continue;
        const auto attributes = reader.attributes();
        if (reader.name() == u"numFmt")
            codes[attributes.value(u"numFmtId"_s).toInt()] =
                attributes.value(u"formatCode"_s).toString();
        else if (reader.name() == u"cellXfs")
            inCellStyles = true;
        else if (inCellStyles && reader.name() == u"xf")
            styles << codes.value(attributes.value(u"numFmtId"_s).toInt(), u"?"_s);
    }
    return styles;
}

} // namespace

QMap<QString, Cell> read(const QString& path) {
    const QStringList strings = sharedStrings(member(path, u"xl/sharedStrings.xml"_s));
    const QStringList formats = formatsByStyle(member(path, u"xl/styles.xml"_s));
    QMap<QString, Cell> cells;
    QXmlStreamReader reader(member(path, u"xl/worksheets/sheet1.xml"_s));
    QString reference;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == u"c") {
            reference = reader.attributes().value(u"r"_s).toString();
            Cell& cell = cells[reference];
            cell.text = reader.attributes().value(u"t"_s) == u"s";
            cell.format = formats.value(reader.attributes().value(u"s"_s).toInt());
        } else if (reader.name() == u"v") {
            Cell& cell = cells[reference];
            const QString value = reader.readElementText();
            cell.value = cell.text ? strings.value(value.toInt()) : value;
        }
    }
    return cells;
}

} // namespace SheetReader
