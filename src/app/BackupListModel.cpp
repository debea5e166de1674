#include "app/BackupListModel.h"

#include "data/DateText.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

QString sizeText(qint64 bytes) {
    return QLocale(QLocale::Chinese, QLocale::China)
        .formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString stateText(const std::optional<CopyFacts>& facts) {
    if (!facts)
        return u"正在检查…"_s;
    switch (facts->state) {
    case CopyFacts::State::Good:
        return u"完好"_s;
    case CopyFacts::State::Damaged:
        return u"已损坏，不能恢复"_s;
    case CopyFacts::State::Newer:
        return u"较新版本，不能恢复"_s;
    case CopyFacts::State::Unreadable:
        return u"无法读取"_s;
    }
    return QString();
}

} // namespace

void BackupListModel::setCopies(const QList<BackupCopy>& copies) {
    beginResetModel();
    m_rows.clear();
    for (const BackupCopy& copy : copies)
        m_rows.append(Row{copy, std::nullopt});
    endResetModel();
}

void BackupListModel::setFacts(const QString& path, const CopyFacts& facts) {
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].copy.path == path) {
            m_rows[i].facts = facts;
            Q_EMIT dataChanged(index(int(i), 0), index(int(i), ColumnCount - 1));
        }
    }
}

int BackupListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BackupListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BackupListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Row& row = m_rows.at(index.row());
    if (role == Qt::ToolTipRole)
        return index.column() == State && row.facts ? row.facts->problem : row.copy.path;
    if (role != Qt::DisplayRole)
        return {};
    const bool known = row.facts && row.facts->state == CopyFacts::State::Good;
    switch (index.column()) {
    case Place:
        return row.copy.place;
    case Written:
        return row.copy.written.toString(u"yyyy-MM-dd HH:mm"_s);
    case Size:
        return sizeText(row.copy.size);
    case Sales:
        return known ? QString::number(row.facts->sales) : QString();
    case NewestSale:
        return known && row.facts->newestSaleDate
                   ? DateText::format(*row.facts->newestSaleDate) + u"  "_s + row.facts->newestSale
                   : QString();
    case State:
        return stateText(row.facts);
    }
    return {};
}

QVariant BackupListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QString Captions[ColumnCount] = {u"备份"_s,     u"备份时间"_s, u"大小"_s,
                                                  u"销售笔数"_s, u"最新销售"_s, u"检查结果"_s};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return Captions[section];
}
