#include "recipients/ui/RecipientTableView.h"

#include "widgets/ListColumns.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

RecipientTableView::RecipientTableView(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { emit editRequested(); });
}

void RecipientTableView::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    setColumnWidth(0, NumberColumnWidth(*this));
    FillWithColumn(*horizontalHeader(), 1);
}

QList<int> RecipientTableView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int RecipientTableView::selectionMark() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void RecipientTableView::selectOnly(int row)
{
    clearSelection();
    if (row >= 0 && model() && row < model()->rowCount())
        selectRow(row);
}

void RecipientTableView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!selectedRows().isEmpty())
            emit editRequested();
        return;
    case Qt::Key_Delete:
        emit clearSelectedRequested();
        return;
    default:
        QTableView::keyPressEvent(event);
    }
}
