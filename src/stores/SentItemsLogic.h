#pragma once

#include "base/FileError.h"
#include "stores/SentItemsModel.h"

#include <QCoreApplication>
#include <functional>
#include <optional>
#include <vector>

class Prompter;
class SentItemStore;
class SentItemsDeliveries;
struct DeliveryReadSummary;

// What the recipient list made of the sent items it was handed.
enum class ComposerInsertResult
{
    Cancelled,   // the user chose Cancel at the replace-or-append question
    ListGrew,    // at least one row was added
    NothingAdded // every number was refused
};

// Hands selected sent items, in list order, to the recipient list of the main window. The main
// window provides it: it asks its replace-or-append question, passes each number through its
// number check and inserts the rows it accepts.
using SentItemsToComposer = std::function<ComposerInsertResult(const std::vector<SentItem>&)>;

// The sent-items window without its widgets: the records it shows, the deletions the user
// makes, and writing them back to the log file when the window closes.
class SentItemsLogic
{
    Q_DECLARE_TR_FUNCTIONS(SentItemsLogic)

public:
    SentItemsLogic(SentItemStore& store, Prompter& prompter);

    // Where the "Delivery" column and "Read Delivery Reports" come from (the sending side);
    // without it the column stays empty and the command does nothing.
    void setDeliveries(SentItemsDeliveries* deliveries) { m_deliveries = deliveries; }
    bool hasDeliveries() const { return m_deliveries != nullptr; }

    SentItemsModel& model() { return m_model; }
    const SentItemsModel& model() const { return m_model; }

    // Loading: readStore() only reads the file (it may run off the UI thread); showRecords()
    // puts what it read into the list. An unreadable file leaves the list empty, silently.
    std::vector<SentItem> readStore() const;
    void showRecords(std::vector<SentItem> records);
    // The column's texts for these records (off the UI thread), then into the list.
    std::vector<QString> readDeliveries(const std::vector<SentItem>& records) const
    {
        return deliveryTextsFrom(m_deliveries, records);
    }
    // The same for a job that may outlive the window: it holds the source, not the logic.
    static std::vector<QString> deliveryTextsFrom(SentItemsDeliveries* deliveries,
                                                  const std::vector<SentItem>& records);
    SentItemsDeliveries* deliveries() const { return m_deliveries; }
    void showDeliveries(std::vector<QString> texts) { m_model.setDeliveries(std::move(texts)); }

    // "Read Delivery Reports": readReports() asks the modems (off the UI thread); the window
    // then shows the column again and reportReading() says what was read.
    DeliveryReadSummary readReports();
    void reportReading(const DeliveryReadSummary& summary);

    QString totalItemsText() const;
    static QString selectedItemsText(int count);
    // The details box: filled only while exactly one row is selected.
    QString detailsText(const std::vector<int>& selectedRows) const;

    // "Clear Selected": false, after saying why, when nothing is selected. The window then
    // builds recordsWithout() in a background job and hands the result to removeRows().
    bool checkClearSelected(const std::vector<int>& selectedRows);
    void removeRows(std::vector<SentItem> kept, std::vector<QString> keptDeliveries = {});

    // "Clear All": asks, and on Yes empties the list and the file at once. True when cleared.
    bool clearAll();

    // "Close": when rows were deleted, the file is rewritten from the list. writeBack() may run
    // off the UI thread; a failure is reported with reportWriteFailure() on the UI thread.
    bool isChanged() const { return m_changed; }
    std::optional<FileError> writeBack();
    void reportWriteFailure(const FileError& error);

    // "Send selected items to SMS Composer". True when the window is to clear its selection.
    bool sendToComposer(const std::vector<int>& selectedRows, const SentItemsToComposer& handler);

    // "Export": false, after saying so, when there is nothing to export.
    bool checkExport();

private:
    SentItemStore& m_store;
    Prompter& m_prompter;
    SentItemsDeliveries* m_deliveries = nullptr;
    SentItemsModel m_model;
    bool m_changed = false;
};
