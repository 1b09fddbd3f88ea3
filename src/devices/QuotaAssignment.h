#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class DeviceState;
class Prompter;

// One row of the quota list.
struct QuotaRow
{
    QString comPort;
    QString details;
    QString quotaType;   // "Auto" or "Manual"
    QString assignQuota; // "Auto" or decimal digits
    QString last;        // the quota type before the current edit
    bool ticked = true;
};

// The quota dialog without its widgets: the rows, their edits and totals, and the rules of OK,
// Cancel and Reset over the device records. While it is open DeviceRecordText is empty; every
// way out leaves it rebuilt (OK) or as it was (Cancel).
class QuotaAssignment
{
    Q_DECLARE_TR_FUNCTIONS(QuotaAssignment)

public:
    QuotaAssignment(DeviceState& devices, Prompter& prompter);

    // "Phone numbers-Messages list is empty." when there are no recipients (false: the dialog
    // does not open).
    bool mayOpen(int recipientCount);
    // Fills the rows from ConnectedDeviceText and the existing records, then empties the
    // records until OK or Cancel.
    void open(int recipientCount);

    const QList<QuotaRow>& rows() const { return m_rows; }
    int totalMessages() const { return m_total; }
    int quotaAssigned() const;
    int availableQuota() const { return m_total - quotaAssigned(); }
    bool allTicked() const;

    // The drop-down of "Quota Type" closed with this value.
    void changeQuotaType(int row, const QString& type);
    // The in-place editor of "Assign Quota" ended; only decimal digits are taken. A quota above
    // the list's total is refused with a message and the cell keeps its value (false).
    bool setAssignQuota(int row, const QString& digits);
    void setTicked(int row, bool ticked);
    void setAllTicked(bool ticked);
    // Asks, then puts every row back on "Auto". True when it did.
    bool reset();

    // True when the dialog may close with OK (the records are rebuilt then).
    bool accept();
    // Restores the records taken at opening.
    void cancel();

    // Keys the "Assign Quota" editor takes.
    static bool IsQuotaKey(QChar key) { return key >= u'0' && key <= u'9'; }
    // The most digits the editor takes: those of the list's total.
    int maxQuotaDigits() const { return int(QString::number(m_total).size()); }

private:
    void refuse();

    DeviceState& m_devices;
    Prompter& m_prompter;
    QList<QuotaRow> m_rows;
    int m_total = 0;
    QString m_savedRecordText;
    int m_savedDeviceCount = 0;
};

// The question asked when no device is on "Auto" and the manual quotas do not cover the list.
QString QuotaShortfallQuestion(int total, qint64 assigned);
