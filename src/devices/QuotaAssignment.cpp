#include "devices/QuotaAssignment.h"

#include "base/Prompter.h"
#include "devices/DeviceRecords.h"
#include "devices/DeviceState.h"

#include <algorithm>
#include <limits>

namespace {

const char* const AutoType = "Auto";
const char* const ManualType = "Manual";

QString message()
{
    return QuotaAssignment::tr("Message");
}

} // namespace

QString QuotaShortfallQuestion(int total, qint64 assigned)
{
    return QuotaAssignment::tr("Currently assigned SMS Quota is lesser than the Total number of "
                               "Messages to be sent in your SMS list.") +
           QuotaAssignment::tr("\n\nThe Total number of SMS in list is %1\nBut only %2 messages "
                               "have been assigned to connected devices yet.")
               .arg(total)
               .arg(assigned) +
           QuotaAssignment::tr("\n%1 unassigned Messages in the SMS list will remain unsent.")
               .arg(total - assigned) +
           QuotaAssignment::tr("\n\nDo you want to continue?");
}

QuotaAssignment::QuotaAssignment(DeviceState& devices, Prompter& prompter)
    : m_devices(devices), m_prompter(prompter)
{}

bool QuotaAssignment::mayOpen(int recipientCount)
{
    if (recipientCount > 0)
        return true;
    m_prompter.inform(message(), tr("Phone numbers-Messages list is empty."));
    return false;
}

void QuotaAssignment::open(int recipientCount)
{
    m_total = recipientCount;
    m_rows.clear();
    const QString records = m_devices.DeviceRecordText();
    const bool haveRecords = !records.isEmpty() && m_devices.DeviceCount() != 0;
    for (const ConnectedDevice& device :
         ParseConnectedDeviceText(m_devices.ConnectedDeviceText())) {
        QuotaRow row{device.comPort, device.details, AutoType, AutoType, AutoType, true};
        const auto record = haveRecords ? FindDeviceRecord(records, device.comPort) : std::nullopt;
        if (record) {
            row.quotaType = record->isAuto() ? AutoType : ManualType;
            row.assignQuota =
                record->isAuto() ? QString(AutoType) : QString::number(record->quotaCount());
            row.last = row.quotaType;
            row.ticked = record->inUse();
        }
        m_rows.append(row);
    }
    m_savedRecordText = records;
    m_savedDeviceCount = m_devices.DeviceCount();
    m_devices.setDeviceRecordText({});
    m_devices.setDeviceCount(0);
}

int QuotaAssignment::quotaAssigned() const
{
    qint64 assigned = 0;
    for (const QuotaRow& row : m_rows)
        if (row.ticked && row.quotaType != u"Auto")
            assigned += row.assignQuota.toInt();
    // Each quota is at most the total, so only many devices together can pass the range.
    return int(std::min<qint64>(assigned, std::numeric_limits<int>::max()));
}

bool QuotaAssignment::allTicked() const
{
    return std::all_of(m_rows.begin(), m_rows.end(), [](const QuotaRow& r) { return r.ticked; });
}

void QuotaAssignment::changeQuotaType(int row, const QString& type)
{
    QuotaRow& r = m_rows[row];
    r.quotaType = type;
    if (type == r.last)
        return;
    const bool toAuto = type == u"Auto";
    r.assignQuota = toAuto ? QString(AutoType) : QStringLiteral("0");
    r.last = toAuto ? QString(AutoType) : QString(ManualType);
}

bool QuotaAssignment::setAssignQuota(int row, const QString& digits)
{
    QString kept;
    for (const QChar c : digits)
        if (IsQuotaKey(c))
            kept.append(c);
    // A count past the list could never be sent, and past the range of a count it would be
    // read back as another number.
    bool numeric = false;
    const qlonglong count = kept.toLongLong(&numeric);
    if (!kept.isEmpty() && (!numeric || count > m_total)) {
        m_prompter.inform(message(), tr("The quota of a device cannot be greater than the Total "
                                        "number of Messages (%1).")
                                         .arg(m_total));
        return false;
    }
    m_rows[row].assignQuota = kept;
    return true;
}

void QuotaAssignment::setTicked(int row, bool ticked)
{
    m_rows[row].ticked = ticked;
}

void QuotaAssignment::setAllTicked(bool ticked)
{
    for (QuotaRow& row : m_rows)
        row.ticked = ticked;
}

bool QuotaAssignment::reset()
{
    if (!m_prompter.confirm(tr("Confirm"),
                            tr("This option will clear the all assigned quota. Are you sure you "
                               "want to continue?"),
                            Prompter::Icon::Warning))
        return false;
    for (QuotaRow& row : m_rows)
        row.quotaType = row.assignQuota = row.last = AutoType;
    return true;
}

void QuotaAssignment::refuse()
{
    m_devices.setDeviceRecordText({});
    m_devices.setDeviceCount(0);
}

bool QuotaAssignment::accept()
{
    if (m_rows.isEmpty()) {
        refuse();
        m_prompter.inform(message(), tr("Please select a device."));
        return false;
    }
    QString text;
    bool anyTickedAuto = false;
    for (const QuotaRow& row : m_rows) {
        text += DeviceRecordLine({row.comPort, row.details, row.quotaType, row.assignQuota,
                                  row.ticked ? QStringLiteral("Y") : QStringLiteral("N")});
        anyTickedAuto = anyTickedAuto || (row.ticked && row.quotaType == u"Auto");
    }
    m_devices.setDeviceRecordText(text);
    const int assigned = quotaAssigned();
    if (m_total < assigned) {
        m_prompter.inform(message(), tr("Currently assigned SMS Quota should not be greater than "
                                        "the Total number of Messages to be sent in your SMS "
                                        "list."));
        refuse();
        return false;
    }
    if (!anyTickedAuto && assigned < m_total &&
        !m_prompter.confirmOkCancel(tr("Confirm"), QuotaShortfallQuestion(m_total, assigned))) {
        refuse();
        return false;
    }
    m_devices.setDeviceRecordText(text + u'\n');
    m_devices.setDeviceCount(int(m_rows.size()));
    m_devices.setQuotaTotalMessages(m_total);
    return true;
}

void QuotaAssignment::cancel()
{
    m_devices.setDeviceRecordText(m_savedRecordText);
    m_devices.setDeviceCount(m_savedDeviceCount);
}
