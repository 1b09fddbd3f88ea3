#pragma once

#include "stores/InboxView.h"

#include <QAbstractTableModel>
#include <vector>

// The lines of the inbox window as the table shows them: "Number", "Message", "Received",
// "Modem" and "Last sent item". Whether a line is unread or incomplete comes as roles of their
// own, for the window to show.
class InboxModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NumberColumn,
        MessageColumn,
        ReceivedColumn,
        ModemColumn,
        RepliesToColumn,
        ColumnCount
    };

    enum Role
    {
        UnreadRole = Qt::UserRole + 1,
        IncompleteRole,
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setRows(std::vector<InboxRow> rows);
    void setUnread(int index, bool unread);
    const std::vector<InboxRow>& rows() const { return m_rows; }
    const InboxRow& row(int index) const { return m_rows[std::size_t(index)]; }

    // "dd/MM/yyyy hh:mm:ss" in local time.
    static QString receivedText(const QDateTime& time);

private:
    std::vector<InboxRow> m_rows;
};
