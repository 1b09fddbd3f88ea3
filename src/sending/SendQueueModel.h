#pragma once

#include <QAbstractTableModel>
#include <cstdint>

class DeliveryTracker;
class SendQueue;

// The send queue as the sending window's table shows it. It does not follow every cell write:
// refresh(), called on the window's 50 ms timer, announces the rows added since and, when
// anything changed, one change of the whole table, so a million rows being sent cost the view
// no more than the rows it shows.
class SendQueueModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // With a tracker (the run asked for delivery reports) a last column "Delivery" shows each
    // row's delivery state.
    explicit SendQueueModel(const SendQueue& queue, const DeliveryTracker* deliveries = nullptr,
                            QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void refresh();

private:
    const SendQueue& m_queue;
    const DeliveryTracker* m_deliveries;
    std::uint64_t m_deliveryVersion = 0;
    int m_rows = 0;
    std::uint64_t m_version = 0;
};
