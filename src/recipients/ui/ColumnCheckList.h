#pragma once

#include <QWidget>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

// A list of column names with a tick each and "Select All" under it: ticking "Select All" ticks
// every column and clearing it clears every one; changing one column leaves "Select All" ticked
// exactly when all columns are.
class ColumnCheckList : public QWidget
{
    Q_OBJECT

public:
    explicit ColumnCheckList(const QString& caption, QWidget* parent = nullptr);

    void setColumns(const QStringList& names);
    int count() const;
    std::vector<bool> ticked() const;
    void setTicked(int column, bool ticked);

    QListWidget* list() const { return m_list; }
    QCheckBox* selectAllBox() const { return m_selectAll; }

signals:
    void tickChanged(int column, bool ticked);
    void allTicked(bool ticked);

private:
    void onItemChanged(QListWidgetItem* item);
    void onSelectAll(bool ticked);

    QListWidget* m_list;
    QCheckBox* m_selectAll;
};
