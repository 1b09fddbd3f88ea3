#include "stores/SentItemsModel.h"

#include <QCoreApplication>

int SentItemsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int SentItemsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SentItemsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const SentItem& item = record(index.row());
    switch (index.column()) {
    case NumberColumn:
        return item.number;
    case MessageColumn:
        return item.message;
    case DateColumn:
        return item.date;
    case StatusColumn:
        return item.status;
    }
    return {};
}

QVariant SentItemsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NumberColumn:
        return QCoreApplication::translate("SentItemsModel", "Number");
    case MessageColumn:
        return QCoreApplication::translate("SentItemsModel", "Message");
    case DateColumn:
        return QCoreApplication::translate("SentItemsModel", "Date");
    case StatusColumn:
        return QCoreApplication::translate("SentItemsModel", "Status");
    }
    return {};
}

void SentItemsModel::setRecords(std::vector<SentItem> records)
{
    beginResetModel();
    m_records = std::move(records);
    endResetModel();
}

std::vector<SentItem> SentItemsModel::Without(const std::vector<SentItem>& records,
                                              const std::vector<int>& rows)
{
    std::vector<SentItem> kept;
    kept.reserve(records.size() - std::min(rows.size(), records.size()));
    auto skip = rows.begin();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (skip != rows.end() && std::size_t(*skip) == i) {
            ++skip;
            continue;
        }
        kept.push_back(records[i]);
    }
    return kept;
}
