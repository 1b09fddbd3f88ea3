#pragma once

#include <QString>
#include <array>

// The cells of one row being sent, in column order. A row's state is nothing but these texts.
enum QueueColumn
{
    NumberColumn,
    MessageColumn,
    UsePortColumn,
    UseStatusColumn,
    CurrentStatusColumn,
    StatusColumn,
    RetryColumn,
    SentItemColumn,
    QueueColumnCount
};

struct QueueRow
{
    std::array<QString, QueueColumnCount> cells;

    QString& operator[](QueueColumn column) { return cells[column]; }
    const QString& operator[](QueueColumn column) const { return cells[column]; }

    bool operator==(const QueueRow&) const = default;
};

// Column captions and the widths the sending window gives them; "Status" and "Retry" depend on
// whether retries are on.
QString QueueColumnHeader(QueueColumn column);
int QueueColumnWidth(QueueColumn column, bool retriesOn);
