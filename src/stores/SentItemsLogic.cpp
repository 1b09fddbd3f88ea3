#include "stores/SentItemsLogic.h"

#include "base/Prompter.h"
#include "stores/DataFolder.h"
#include "stores/SentItemStore.h"
#include "stores/StoreHooks.h"

namespace {

QString caption()
{
    return QCoreApplication::translate("SentItemsLogic", "Message");
}

} // namespace

SentItemsLogic::SentItemsLogic(SentItemStore& store, Prompter& prompter)
    : m_store(store), m_prompter(prompter)
{}

std::vector<SentItem> SentItemsLogic::readStore() const
{
    std::vector<SentItem> records;
    m_store.Load(records);
    return records;
}

void SentItemsLogic::showRecords(std::vector<SentItem> records)
{
    m_model.setRecords(std::move(records));
}

std::vector<QString> SentItemsLogic::deliveryTextsFrom(SentItemsDeliveries* deliveries,
                                                       const std::vector<SentItem>& records)
{
    return deliveries ? deliveries->deliveryTexts(records) : std::vector<QString>{};
}

DeliveryReadSummary SentItemsLogic::readReports()
{
    return m_deliveries ? m_deliveries->readReports() : DeliveryReadSummary{};
}

void SentItemsLogic::reportReading(const DeliveryReadSummary& summary)
{
    if (summary.modems == 0) {
        m_prompter.inform(caption(), tr("No device is confirmed. Confirm the devices in Device "
                                        "Settings to read their delivery reports."));
        return;
    }
    QString text =
        tr("Delivery reports read: %1 from %2 device(s).").arg(summary.reports).arg(summary.modems);
    if (!summary.failures.isEmpty())
        text += QStringLiteral("\n\n") + tr("Not read:") + u'\n' + summary.failures.join(u'\n');
    m_prompter.inform(caption(), text,
                      summary.failures.isEmpty() ? Prompter::Icon::Information
                                                 : Prompter::Icon::Warning);
}

QString SentItemsLogic::totalItemsText() const
{
    return tr("Total Items : ") + QString::number(m_model.rowCount());
}

QString SentItemsLogic::selectedItemsText(int count)
{
    return tr("Selected Items : ") + QString::number(count);
}

QString SentItemsLogic::detailsText(const std::vector<int>& selectedRows) const
{
    if (selectedRows.size() != 1)
        return {};
    const int row = selectedRows.front();
    const SentItem& item = m_model.record(row);
    QString text = tr("Number") + "\t:  " + item.number + "\r\n\r\n" + tr("Message") +
                   "\t:  " + item.message + "\r\n\r\n" + tr("Date") + "\t:  " + item.date +
                   "\r\n\r\n" + tr("Status") + "\t:  " + item.status;
    const QString delivery =
        m_model.data(m_model.index(row, SentItemsModel::DeliveryColumn), Qt::DisplayRole)
            .toString();
    if (!delivery.isEmpty())
        text += "\r\n\r\n" + tr("Delivery") + "\t:  " + delivery;
    return text;
}

bool SentItemsLogic::checkClearSelected(const std::vector<int>& selectedRows)
{
    if (!selectedRows.empty())
        return true;
    m_prompter.inform(
        caption(), tr("Please select at least one record from the sent items list to continue."));
    return false;
}

void SentItemsLogic::removeRows(std::vector<SentItem> kept, std::vector<QString> keptDeliveries)
{
    m_model.setRecords(std::move(kept));
    m_model.setDeliveries(std::move(keptDeliveries));
    m_changed = true;
}

bool SentItemsLogic::clearAll()
{
    if (m_model.rowCount() == 0) {
        m_prompter.inform(caption(), tr("Sent items list is empty."));
        return false;
    }
    if (!m_prompter.confirm(tr("Confirm"),
                            tr("This option will clear the entire list contents. Are you sure "
                               "you want to continue clearing the entire list?"),
                            Prompter::Icon::Warning))
        return false;
    m_changed = true;
    m_model.clear();
    if (const auto failure = writeBack())
        reportWriteFailure(*failure);
    return true;
}

std::optional<FileError> SentItemsLogic::writeBack()
{
    FileError error;
    if (m_store.WriteBack(m_model.records(), &error))
        return std::nullopt;
    return error;
}

void SentItemsLogic::reportWriteFailure(const FileError& error)
{
    m_prompter.inform(caption(), FileErrorText(error));
}

bool SentItemsLogic::sendToComposer(const std::vector<int>& selectedRows,
                                    const SentItemsToComposer& handler)
{
    if (selectedRows.empty() || m_model.record(selectedRows.front()).number.isEmpty()) {
        m_prompter.inform(
            caption(),
            tr("Please select at least one record from the sent items list to continue."));
        return false;
    }
    if (!handler)
        return false;
    std::vector<SentItem> chosen;
    chosen.reserve(selectedRows.size());
    for (const int row : selectedRows)
        chosen.push_back(m_model.record(row));
    const ComposerInsertResult result = handler(chosen);
    if (result == ComposerInsertResult::Cancelled)
        return false;
    if (result == ComposerInsertResult::ListGrew)
        m_prompter.inform(caption(),
                          tr("Selected sent items inserted in SMS Composer successfully."));
    else
        m_prompter.inform(caption(),
                          tr("Either file is corrupted or selected file contains invalid "
                             "characters.\n\nOR\n\nRecipient number is skipped because of using "
                             "'Skip Duplicate Numbers' or 'Exclusion List' option."));
    return true;
}

bool SentItemsLogic::checkExport()
{
    if (m_model.rowCount() > 0)
        return true;
    m_prompter.inform(caption(), tr("Sent items list is empty."));
    return false;
}
