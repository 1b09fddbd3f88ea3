#include "sending/SendQueueModel.h"

#include "sending/DeliveryTracker.h"
#include "sending/SendQueue.h"

#include <QCoreApplication>

SendQueueModel::SendQueueModel(const SendQueue& queue, const DeliveryTracker* deliveries,
                               QObject* parent)
    : QAbstractTableModel(parent), m_queue(queue), m_deliveries(deliveries)
{}

int SendQueueModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int SendQueueModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : QueueColumnCount + (m_deliveries ? 1 : 0);
}

QVariant SendQueueModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows)
        return {};
    if (index.column() == QueueColumnCount) {
        const auto delivery = m_deliveries->rowDelivery(index.row());
        return delivery ? deliveryText(*delivery) : QString();
    }
    return m_queue.cell(index.row(), QueueColumn(index.column()));
}

QVariant SendQueueModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == QueueColumnCount)
        return QCoreApplication::translate("SendQueueModel", "Delivery");
    return QueueColumnHeader(QueueColumn(section));
}

void SendQueueModel::refresh()
{
    const std::uint64_t version = m_queue.version();
    const std::uint64_t deliveryVersion = m_deliveries ? m_deliveries->version() : 0;
    if (version == m_version && deliveryVersion == m_deliveryVersion)
        return;
    m_version = version;
    m_deliveryVersion = deliveryVersion;
    const int rows = m_queue.rowCount();
    if (rows < m_rows) {
        beginResetModel();
        m_rows = rows;
        endResetModel();
        return;
    }
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1), {Qt::DisplayRole});
}
