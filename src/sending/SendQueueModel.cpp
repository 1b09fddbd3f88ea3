#include "sending/SendQueueModel.h"

#include "sending/SendQueue.h"

SendQueueModel::SendQueueModel(const SendQueue& queue, QObject* parent)
    : QAbstractTableModel(parent), m_queue(queue)
{}

int SendQueueModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int SendQueueModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : QueueColumnCount;
}

QVariant SendQueueModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows)
        return {};
    return m_queue.cell(index.row(), QueueColumn(index.column()));
}

QVariant SendQueueModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= QueueColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QueueColumnHeader(QueueColumn(section));
}

void SendQueueModel::refresh()
{
    const std::uint64_t version = m_queue.version();
    if (version == m_version)
        return;
    m_version = version;
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
        emit dataChanged(index(0, 0), index(m_rows - 1, QueueColumnCount - 1), {Qt::DisplayRole});
}
