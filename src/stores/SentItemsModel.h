#pragma once

#include "stores/SentItem.h"

#include <QAbstractTableModel>
#include <vector>

// The records of the sent-items window, in file order, as the table the window shows:
// "Number", "Message", "Date", "Status".
class SentItemsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NumberColumn,
        MessageColumn,
        DateColumn,
        StatusColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<SentItem>& records() const { return m_records; }
    const SentItem& record(int row) const { return m_records[std::size_t(row)]; }

    void setRecords(std::vector<SentItem> records);
    void clear() { setRecords({}); }

    // The records left after taking out these rows (ascending, no repeats). Only reads, so a
    // background job may build it while the window waits.
    std::vector<SentItem> recordsWithout(const std::vector<int>& rows) const
    {
        return Without(m_records, rows);
    }
    static std::vector<SentItem> Without(const std::vector<SentItem>& records,
                                         const std::vector<int>& rows);

private:
    std::vector<SentItem> m_records;
};
