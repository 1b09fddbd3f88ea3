#include "recipients/ui/ColumnCheckList.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

ColumnCheckList::ColumnCheckList(const QString& caption, QWidget* parent)
    : QWidget(parent), m_list(new QListWidget(this)),
      m_selectAll(new QCheckBox(tr("Select All"), this))
{
    m_list->setObjectName("columns");
    m_selectAll->setObjectName("selectAll");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(caption, this));
    layout->addWidget(m_list);
    layout->addWidget(m_selectAll);
    connect(m_list, &QListWidget::itemChanged, this, &ColumnCheckList::onItemChanged);
    connect(m_selectAll, &QCheckBox::toggled, this, &ColumnCheckList::onSelectAll);
}

void ColumnCheckList::setColumns(const QStringList& names)
{
    const QSignalBlocker blockList(m_list);
    const QSignalBlocker blockBox(m_selectAll);
    m_list->clear();
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    m_selectAll->setChecked(false);
}

int ColumnCheckList::count() const
{
    return m_list->count();
}

std::vector<bool> ColumnCheckList::ticked() const
{
    std::vector<bool> ticks;
    for (int i = 0; i < m_list->count(); ++i)
        ticks.push_back(m_list->item(i)->checkState() == Qt::Checked);
    return ticks;
}

void ColumnCheckList::setTicked(int column, bool ticked)
{
    if (QListWidgetItem* item = m_list->item(column))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void ColumnCheckList::onItemChanged(QListWidgetItem* item)
{
    const bool isTicked = item->checkState() == Qt::Checked;
    bool all = m_list->count() > 0;
    for (int i = 0; i < m_list->count(); ++i)
        all = all && m_list->item(i)->checkState() == Qt::Checked;
    {
        const QSignalBlocker block(m_selectAll);
        m_selectAll->setChecked(all);
    }
    emit tickChanged(m_list->row(item), isTicked);
}

void ColumnCheckList::onSelectAll(bool ticked)
{
    {
        const QSignalBlocker block(m_list);
        for (int i = 0; i < m_list->count(); ++i)
            m_list->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    emit allTicked(ticked);
}
