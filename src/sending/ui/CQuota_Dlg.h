#pragma once

#include "devices/QuotaAssignment.h"

#include <QDialog>

class DeviceState;
class Prompter;
class QCheckBox;
class QLabel;
class QTableWidget;
class QTableWidgetItem;

// "Assign Quota": one row per confirmed device with its quota type ("Auto" or "Manual", a
// drop-down) and manual quota (digits only), the totals under the list, Reset, OK and Cancel,
// over QuotaAssignment. Closing the window is Cancel.
class CQuota_Dlg : public QDialog
{
    Q_OBJECT

public:
    enum Column
    {
        ComPortColumn,
        DetailsColumn,
        QuotaTypeColumn,
        AssignQuotaColumn,
        ColumnCount
    };

    CQuota_Dlg(DeviceState& devices, Prompter& prompter, int recipientCount,
               QWidget* parent = nullptr);

    QuotaAssignment& logic() { return m_logic; }
    QTableWidget* list() const { return m_list; }
    QCheckBox* allTicked() const { return m_all; }
    QString totalText() const;
    QString assignedText() const;
    QString availableText() const;

public slots:
    void accept() override;
    void reject() override;
    void onReset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void editCurrentCell();
    void fillRows();
    void refreshTotals();
    void onItemChanged(QTableWidgetItem* item);
    void onTypeChosen(int row, const QString& type);
    void onAllToggled(bool ticked);

    QuotaAssignment m_logic;
    QTableWidget* m_list;
    QCheckBox* m_all;
    QLabel* m_total;
    QLabel* m_assigned;
    QLabel* m_available;
    bool m_filling = false;
};
