#include "stores/TemplateListModel.h"

#include <QCoreApplication>

int TemplateListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_oldestFirst.size());
}

QVariant TemplateListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return text(index.row());
}

QVariant TemplateListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section != 0)
        return {};
    return QCoreApplication::translate("TemplateListModel", "Template Message");
}

void TemplateListModel::setOldestFirst(QStringList oldestFirst)
{
    beginResetModel();
    m_oldestFirst = std::move(oldestFirst);
    m_texts = QSet<QString>(m_oldestFirst.cbegin(), m_oldestFirst.cend());
    endResetModel();
}

void TemplateListModel::insertAtTop(const QStringList& texts)
{
    if (texts.isEmpty())
        return;
    beginInsertRows({}, 0, int(texts.size()) - 1);
    m_oldestFirst.reserve(m_oldestFirst.size() + texts.size());
    for (auto it = texts.crbegin(); it != texts.crend(); ++it) {
        m_oldestFirst.append(*it);
        m_texts.insert(*it);
    }
    endInsertRows();
}

void TemplateListModel::setText(int row, const QString& text)
{
    QString& stored = m_oldestFirst[storageIndex(row)];
    m_texts.remove(stored);
    stored = text;
    m_texts.insert(text);
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed);
}

QStringList TemplateListModel::Without(const QStringList& oldestFirst, const std::vector<int>& rows)
{
    // Row r is stored at size-1-r, so the rows to skip come in descending storage order.
    const qsizetype last = oldestFirst.size() - 1;
    QStringList kept;
    kept.reserve(oldestFirst.size());
    auto skip = rows.crbegin();
    for (qsizetype i = 0; i <= last; ++i) {
        if (skip != rows.crend() && last - *skip == i) {
            ++skip;
            continue;
        }
        kept.append(oldestFirst[i]);
    }
    return kept;
}
