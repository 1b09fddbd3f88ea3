#pragma once

#include "stores/SentItem.h"

#include <QAbstractTableModel>
#include <algorithm>
#include <vector>

// The records of the sent-items window, in file order, as the table the window shows:
// "Number", "Message", "Date", "Status" and "Delivery" (the state of its delivery reports,
// filled in once the delivery-report store was read; "" where none was asked for).
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
        DeliveryColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const std::vector<SentItem>& records() const { return m_records; }
    const SentItem& record(int row) const { return m_records[std::size_t(row)]; }

    // New records come without delivery texts.
    void setRecords(std::vector<SentItem> records);
    void clear() { setRecords({}); }

    // One text a record, in record order; empty when not known (yet). Ignored when the count
    // does not match the records (the list changed while the texts were computed).
    const std::vector<QString>& deliveries() const { return m_deliveries; }
    void setDeliveries(std::vector<QString> texts);
    bool anyDelivery() const;

    // The records left after taking out these rows (ascending, no repeats). Only reads, so a
    // background job may build it while the window waits.
    std::vector<SentItem> recordsWithout(const std::vector<int>& rows) const
    {
        return Without(m_records, rows);
    }
    std::vector<QString> deliveriesWithout(const std::vector<int>& rows) const
    {
        return Without(m_deliveries, rows);
    }
    template <class T>
    static std::vector<T> Without(const std::vector<T>& records, const std::vector<int>& rows)
    {
        std::vector<T> kept;
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

private:
    std::vector<SentItem> m_records;
    std::vector<QString> m_deliveries;
};
