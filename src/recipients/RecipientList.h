#pragma once

#include "recipients/NumberIndex.h"
#include "recipients/NumberRule.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <deque>
#include <vector>

// One row of the recipient list: the number and the text to send to it.
struct RecipientRow
{
    QString Number;
    QString Message;

    bool operator==(const RecipientRow&) const = default;
};

// The rows that leave the list in one removal, worked out ahead so that the expensive part can
// run off the UI thread while the list is not changed.
struct RecipientRemoval
{
    QList<int> rows;               // sorted, without repeats
    QList<QPair<int, int>> ranges; // the same rows as runs of first and last
    std::deque<RecipientRow> kept; // filled only when the rows are replaced whole
    int sourceCount = -1;
};

// The recipient list of the main window, as the model its table view shows directly: the
// columns "Number" and "Message", rows in display order. Rows are addressed by position; the
// number text is their only identity, kept in an index beside the rows for the duplicate test.
// Rows live in a deque, so inserting at the top and reading any row take constant time.
//
// Changed only on the UI thread. Const members may be called from a background job while the
// UI thread does nothing but read.
class RecipientList : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NumberColumn,
        MessageColumn,
        ColumnCount
    };

    explicit RecipientList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int count() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const RecipientRow& at(int row) const { return m_rows[size_t(row)]; }

    // Whether a row holds this number (whole text, letter case ignored), and how many do.
    bool containsNumber(const QString& number) const { return m_index.contains(number); }
    int numberCount(const QString& number) const { return m_index.count(number); }

    RecipientNumberCheck CheckRecipientNumber(const QString& text,
                                              const NumberCheckOptions& options) const;

    // Inserts rows so that the first stands at `position`, the next below it, and so on, with
    // one notification for the whole block.
    void insertRecipients(int position, std::vector<RecipientRow> rows);
    void insertRecipient(int position, RecipientRow row);
    void setRecipient(int row, RecipientRow recipient);
    // Gives these rows (any order, repeats allowed) the message.
    void setMessages(const QList<int>& rows, const QString& message);

    RecipientRemoval planRemoval(QList<int> rows) const;
    void applyRemoval(RecipientRemoval&& removal);
    void removeRecipients(const QList<int>& rows) { applyRemoval(planRemoval(rows)); }
    void clear();

private:
    std::deque<RecipientRow> m_rows;
    NumberIndex m_index;
};
