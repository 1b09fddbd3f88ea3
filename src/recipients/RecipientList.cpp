#include "recipients/RecipientList.h"

#include <algorithm>

namespace {

// Past this many separate runs a removal resets the view instead of notifying run by run:
// each notification costs the view time in proportion to the whole list.
constexpr int kMaxRemovalNotifications = 32;

QList<QPair<int, int>> runsOf(const QList<int>& sortedRows)
{
    QList<QPair<int, int>> runs;
    for (const int row : sortedRows) {
        if (!runs.isEmpty() && runs.last().second + 1 == row)
            runs.last().second = row;
        else
            runs.append({row, row});
    }
    return runs;
}

} // namespace

RecipientList::RecipientList(QObject* parent) : QAbstractTableModel(parent) {}

int RecipientList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int RecipientList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecipientList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count() ||
        (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const RecipientRow& row = at(index.row());
    return index.column() == NumberColumn ? row.Number : row.Message;
}

QVariant RecipientList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == NumberColumn ? tr("Number") : tr("Message");
}

RecipientNumberCheck RecipientList::CheckRecipientNumber(const QString& text,
                                                         const NumberCheckOptions& options) const
{
    return ::CheckRecipientNumber(text, options,
                                  [this](const QString& number) { return containsNumber(number); });
}

void RecipientList::insertRecipients(int position, std::vector<RecipientRow> rows)
{
    if (rows.empty())
        return;
    position = std::clamp(position, 0, count());
    beginInsertRows(QModelIndex(), position, position + int(rows.size()) - 1);
    for (const RecipientRow& row : rows)
        m_index.add(row.Number);
    m_rows.insert(m_rows.begin() + position, std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
}

void RecipientList::insertRecipient(int position, RecipientRow row)
{
    std::vector<RecipientRow> one;
    one.push_back(std::move(row));
    insertRecipients(position, std::move(one));
}

void RecipientList::setRecipient(int row, RecipientRow recipient)
{
    if (row < 0 || row >= count())
        return;
    RecipientRow& stored = m_rows[size_t(row)];
    m_index.remove(stored.Number);
    m_index.add(recipient.Number);
    stored = std::move(recipient);
    emit dataChanged(index(row, NumberColumn), index(row, MessageColumn));
}

void RecipientList::setMessages(const QList<int>& rows, const QString& message)
{
    int first = count();
    int last = -1;
    for (const int row : rows) {
        if (row < 0 || row >= count())
            continue;
        m_rows[size_t(row)].Message = message;
        first = std::min(first, row);
        last = std::max(last, row);
    }
    if (last >= 0)
        emit dataChanged(index(first, MessageColumn), index(last, MessageColumn));
}

RecipientRemoval RecipientList::planRemoval(QList<int> rows) const
{
    RecipientRemoval removal;
    removal.sourceCount = count();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int row) { return row < 0 || row >= count(); });
    removal.ranges = runsOf(rows);
    removal.rows = std::move(rows);
    if (removal.ranges.size() > kMaxRemovalNotifications) {
        qsizetype next = 0;
        for (int row = 0; row < count(); ++row) {
            if (next < removal.rows.size() && removal.rows[next] == row)
                ++next;
            else
                removal.kept.push_back(at(row));
        }
    }
    return removal;
}

void RecipientList::applyRemoval(RecipientRemoval&& removal)
{
    if (removal.sourceCount != count())
        removal = planRemoval(removal.rows); // the list changed since the plan was made
    if (removal.rows.isEmpty())
        return;
    if (removal.rows.size() == count()) {
        clear();
        return;
    }
    for (const int row : removal.rows)
        m_index.remove(at(row).Number);
    if (removal.ranges.size() > kMaxRemovalNotifications) {
        beginResetModel();
        m_rows = std::move(removal.kept);
        endResetModel();
        return;
    }
    for (auto run = removal.ranges.crbegin(); run != removal.ranges.crend(); ++run) {
        beginRemoveRows(QModelIndex(), run->first, run->second);
        m_rows.erase(m_rows.begin() + run->first, m_rows.begin() + run->second + 1);
        endRemoveRows();
    }
}

void RecipientList::clear()
{
    beginResetModel();
    m_rows.clear();
    m_index.clear();
    endResetModel();
}
