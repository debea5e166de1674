#include "ui/grid/RecordStore.h"

RecordStore::RecordStore(int columnCount)
    : m_columnCount(columnCount)
    , m_columns(columnCount) {}

void RecordStore::setColumns(QList<QStringList> columns, QList<QStringList> hidden) {
    columns.resize(m_columnCount);
    const qsizetype records = columns.first().size();
    // Resizing a list shared with the caller would copy it even when the size is right.
    for (QStringList& column : columns) {
        if (column.size() != records)
            column.resize(records);
    }
    m_layout = Layout::Columns;
    m_columns = std::move(columns);
    m_lines.clear();
    m_hidden = std::move(hidden);
}

void RecordStore::setLines(QStringList lines, QList<QStringList> hidden) {
    m_layout = Layout::Lines;
    m_lines = std::move(lines);
    m_columns = QList<QStringList>(m_columnCount);
    m_hidden = std::move(hidden);
}

void RecordStore::append(const QStringList& fields, const QStringList& hidden) {
    const int record = count();
    if (m_layout == Layout::Lines) {
        m_lines.append(joined(fields));
    } else {
        for (int column = 0; column < m_columnCount; ++column)
            m_columns[column].append(fields.value(column));
    }
    if (m_hidden.size() < hidden.size())
        m_hidden.resize(hidden.size());
    for (int list = 0; list < m_hidden.size(); ++list) {
        m_hidden[list].resize(record);
        m_hidden[list].append(hidden.value(list));
    }
}

void RecordStore::removeAt(int record) {
    if (!contains(record))
        return;
    if (m_layout == Layout::Lines)
        m_lines.removeAt(record);
    for (QStringList& column : m_columns) {
        if (record < column.size())
            column.removeAt(record);
    }
    for (QStringList& list : m_hidden) {
        if (record < list.size())
            list.removeAt(record);
    }
}

void RecordStore::clear() {
    m_lines.clear();
    m_columns = QList<QStringList>(m_columnCount);
    m_hidden.clear();
}

int RecordStore::count() const {
    if (m_layout == Layout::Lines)
        return int(m_lines.size());
    return m_columns.isEmpty() ? 0 : int(m_columns.first().size());
}

QStringList RecordStore::fields(int record) const {
    if (!contains(record))
        return {};
    if (m_layout == Layout::Lines)
        return split(m_lines.at(record), m_columnCount);
    QStringList texts;
    texts.reserve(m_columnCount);
    for (const QStringList& column : m_columns)
        texts.append(column.value(record));
    return texts;
}

QString RecordStore::text(int record, int column) const {
    if (!contains(record) || column < 0 || column >= m_columnCount)
        return {};
    if (m_layout == Layout::Lines)
        return split(m_lines.at(record), column + 1).value(column);
    return m_columns.at(column).value(record);
}

QString RecordStore::hidden(int list, int record) const {
    return m_hidden.value(list).value(record);
}

void RecordStore::setFields(int record, const QStringList& texts) {
    if (!contains(record))
        return;
    if (m_layout == Layout::Lines) {
        m_lines[record] = joined(texts);
        return;
    }
    for (int column = 0; column < m_columnCount; ++column)
        m_columns[column][record] = texts.value(column);
}

QStringList RecordStore::split(const QString& line, int columnCount) {
    QStringList pieces;
    qsizetype from = 0;
    while (pieces.size() < columnCount) {
        const qsizetype at = line.indexOf(Separator, from);
        if (at < 0)
            break;
        pieces.append(line.mid(from, at - from));
        from = at + 1;
    }
    return pieces;
}

QString RecordStore::joined(const QStringList& fields) {
    QString line;
    for (const QString& field : fields)
        line += field + Separator;
    return line;
}
