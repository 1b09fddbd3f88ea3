#include "stores/InboxModel.h"

int InboxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int InboxModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString InboxModel::receivedText(const QDateTime& time)
{
    return time.isValid() ? time.toLocalTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"))
                          : QString();
}

QVariant InboxModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const InboxRow& line = m_rows[std::size_t(index.row())];
    if (role == UnreadRole)
        return line.unread;
    if (role == IncompleteRole)
        return !line.message.complete();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case NumberColumn:
        return line.message.sender;
    case MessageColumn: {
        QString text = line.message.text;
        if (role == Qt::DisplayRole)
            text.replace(u'\n', u' ');
        return text;
    }
    case ReceivedColumn:
        return receivedText(line.message.receivedAt);
    case ModemColumn:
        return line.message.port;
    case RepliesToColumn:
        return line.repliesTo;
    default:
        return {};
    }
}

QVariant InboxModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NumberColumn:
        return tr("Number");
    case MessageColumn:
        return tr("Message");
    case ReceivedColumn:
        return tr("Received");
    case ModemColumn:
        return tr("Modem");
    case RepliesToColumn:
        return tr("Last sent item");
    default:
        return {};
    }
}

void InboxModel::setRows(std::vector<InboxRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void InboxModel::setUnread(int index, bool unread)
{
    if (index < 0 || index >= rowCount() || m_rows[std::size_t(index)].unread == unread)
        return;
    m_rows[std::size_t(index)].unread = unread;
    emit dataChanged(this->index(index, 0), this->index(index, ColumnCount - 1));
}
