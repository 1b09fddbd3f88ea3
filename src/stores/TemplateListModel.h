#pragma once

#include <QAbstractListModel>
#include <QSet>
#include <QStringList>
#include <vector>

// The templates window's list, newest first, in its one column "Template Message". Kept
// oldest first underneath (the file's order), so a template added at the top is an append,
// and with an index of the texts so the duplicate test does not scan the list.
class TemplateListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString text(int row) const { return m_oldestFirst[storageIndex(row)]; }
    bool contains(const QString& text) const { return m_texts.contains(text); }
    const QStringList& oldestFirst() const { return m_oldestFirst; }

    // Replaces every row; the texts must be distinct.
    void setOldestFirst(QStringList oldestFirst);
    void clear() { setOldestFirst({}); }
    // New templates go on top: the first of `texts` becomes row 0, the next row 1, and so on.
    void insertAtTop(const QStringList& texts);
    void setText(int row, const QString& text);

    // The templates left after taking out these rows (ascending, no repeats), oldest first.
    QStringList oldestFirstWithout(const std::vector<int>& rows) const
    {
        return Without(m_oldestFirst, rows);
    }
    static QStringList Without(const QStringList& oldestFirst, const std::vector<int>& rows);

private:
    qsizetype storageIndex(int row) const { return m_oldestFirst.size() - 1 - row; }

    QStringList m_oldestFirst;
    QSet<QString> m_texts;
};
