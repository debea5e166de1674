#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

// What a record grid shows: a screen's typed rows, formatted one record at a time. The grid keeps
// no copy; it asks again whenever it fills a row.
class GridModel {
public:
    virtual ~GridModel() = default;

    virtual int count() const = 0;
    // The texts of one record, in column order.
    virtual QStringList texts(int record) const = 0;
    // The user changed a text-entry cell of a shown record; read-only lists take no edits.
    virtual void edit(int record, int column, const QString& text);
};

// Typed rows that only show: each is formatted by the screen's one function.
template <typename Row> class GridList : public GridModel {
public:
    using Format = std::function<QStringList(const Row&)>;

    explicit GridList(Format format)
        : m_format(std::move(format)) {}

    int count() const override { return int(rows.size()); }
    QStringList texts(int record) const override { return m_format(rows.at(record)); }

    // The screen replaces them before it loads the grid.
    QList<Row> rows;

private:
    Format m_format;
};
