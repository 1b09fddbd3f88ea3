#pragma once

#include <QList>
#include <QTableView>

// The table that shows a RecipientList: "Number" and "Message" columns, grid lines, whole rows
// selected, fixed row heights so that a list of a million rows scrolls smoothly. Enter or a
// double-click asks for the row editor, Delete for Clear Selected; Ctrl+A selects every row.
class RecipientTableView : public QTableView
{
    Q_OBJECT

public:
    explicit RecipientTableView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    // Selected rows in ascending order, read from the selection ranges (cheap for Ctrl+A).
    QList<int> selectedRows() const;
    // The row the selection was last made from, -1 when none.
    int selectionMark() const;
    // Selects just this row (nothing for -1).
    void selectOnly(int row);

signals:
    void editRequested();
    void clearSelectedRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
