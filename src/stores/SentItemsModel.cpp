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
    case DeliveryColumn:
        return std::size_t(index.row()) < m_deliveries.size() ? m_deliveries[index.row()]
                                                              : QString();
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
    case DeliveryColumn:
        return QCoreApplication::translate("SentItemsModel", "Delivery");
    }
    return {};
}

void SentItemsModel::setRecords(std::vector<SentItem> records)
{
    beginResetModel();
    m_records = std::move(records);
    m_deliveries.clear();
    endResetModel();
}

void SentItemsModel::setDeliveries(std::vector<QString> texts)
{
    if (texts.size() != m_records.size())
        return;
    m_deliveries = std::move(texts);
    if (!m_records.empty())
        emit dataChanged(index(0, DeliveryColumn), index(rowCount() - 1, DeliveryColumn));
}

bool SentItemsModel::anyDelivery() const
{
    return std::any_of(m_deliveries.begin(), m_deliveries.end(),
                       [](const QString& text) { return !text.isEmpty(); });
}
