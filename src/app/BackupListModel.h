#pragma once

#include "shopfile/BackupCopy.h"
#include "shopfile/CopyFacts.h"

#include <QAbstractTableModel>
#include <QList>

#include <optional>

// The backup copies as the list shows them: each copy's file at once, what it holds once its
// check has come back.
class BackupListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Place, Written, Size, Sales, NewestSale, State, ColumnCount };

    struct Row {
        BackupCopy copy;
        std::optional<CopyFacts> facts; // none while the check is under way
    };

    using QAbstractTableModel::QAbstractTableModel;

    void setCopies(const QList<BackupCopy>& copies);
    void setFacts(const QString& path, const CopyFacts& facts);
    const Row& row(int index) const { return m_rows.at(index); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<Row> m_rows;
};
