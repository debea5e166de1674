#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Every record of a grid's last load, in one of two layouts that read alike: one list of
// texts per column, or one line per record with every field followed by the separator.
// Hidden lists (such as product IDs) run beside the records in either layout.
class RecordStore {
public:
    enum class Layout { Columns, Lines };
    static constexpr QChar Separator = QChar(0x30A1);

    explicit RecordStore(int columnCount);

    void setColumns(QList<QStringList> columns, QList<QStringList> hidden = {});
    void setLines(QStringList lines, QList<QStringList> hidden = {});
    // Adds one record; in the line layout the line holds exactly the fields given.
    void append(const QStringList& fields, const QStringList& hidden = {});
    void removeAt(int record);
    // Empties the store and keeps its layout.
    void clear();

    Layout layout() const { return m_layout; }
    int columnCount() const { return m_columnCount; }
    int count() const;
    bool contains(int record) const { return record >= 0 && record < count(); }

    // The record's texts in column order. A line may give fewer than columnCount().
    QStringList fields(int record) const;
    // One field; empty when the record lacks it.
    QString text(int record, int column) const;
    QString hidden(int list, int record) const;
    int hiddenCount() const { return int(m_hidden.size()); }

    // Replaces the visible fields of a record; hidden lists keep their entries.
    void setFields(int record, const QStringList& texts);

    // Pieces found from the start of the line, stopping at the first column with no
    // separator left, so text after the last separator is no field.
    static QStringList split(const QString& line, int columnCount);
    static QString joined(const QStringList& fields);

private:
    int m_columnCount;
    Layout m_layout = Layout::Columns;
    QList<QStringList> m_columns;
    QStringList m_lines;
    QList<QStringList> m_hidden;
};
