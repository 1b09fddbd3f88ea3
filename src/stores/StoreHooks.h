#pragma once

#include "stores/SentItem.h"

#include <QStringList>
#include <vector>

class QWidget;

// What the templates window's "Import Templates" reads through: the workbook reader of the
// contact import provides it.
class TemplateImportSource
{
public:
    virtual ~TemplateImportSource() = default;

    // Asks for the workbook, its sheet and its columns (on the UI thread). False when the user
    // gave up or the file was refused; the source has then said why.
    virtual bool choose(QWidget* parent) = 0;
    // The texts of every cell of the chosen columns, column by column, row 1 to the last row of
    // the used range. Runs off the UI thread while the window waits.
    virtual QStringList readCells() = 0;
};

// "Export Templates": the exports provide it.
class TemplatesExport
{
public:
    virtual ~TemplatesExport() = default;
    virtual void exportTemplates(QWidget* parent, const QStringList& newestFirst) = 0;
};

// "Export" of the sent-items window: the exports provide it. While it runs, the window's Close,
// Clear Selected and Export do nothing. `deliveries` are the records' "Delivery" texts, in
// their order ("" for a record no report was asked for; empty when the window has none).
class SentItemsExport
{
public:
    virtual ~SentItemsExport() = default;
    virtual void exportSentItems(QWidget* parent, const std::vector<SentItem>& records,
                                 const std::vector<QString>& deliveries) = 0;
    virtual bool isRunning() const = 0;
};

// What reading the modems for delivery reports found.
struct DeliveryReadSummary
{
    int modems = 0;       // modems asked
    int reports = 0;      // reports taken from them
    QStringList failures; // "COM3: <why>" for each modem that could not be read
};

// The "Delivery" column of the sent-items window and its "Read Delivery Reports": the sending
// side provides them, from the delivery-report store and the confirmed modems. Both block for
// as long as the disk or the modems take: the window calls them off the UI thread.
class SentItemsDeliveries
{
public:
    virtual ~SentItemsDeliveries() = default;
    // The "Delivery" texts of the records, in their order: "" for a record no report was
    // asked for, else "Pending", "Delivered" or "Not delivered: <reason>".
    virtual std::vector<QString> deliveryTexts(const std::vector<SentItem>& records) = 0;
    // Takes the reports the confirmed modems hold into the delivery-report store.
    virtual DeliveryReadSummary readReports() = 0;
};

// What reading the modems for received messages found.
struct InboxReadSummary
{
    int modems = 0;       // modems asked
    int messages = 0;     // new parts stored
    QStringList failures; // "COM3: <why>" for each modem that could not be read
};

// "Read Messages" of the inbox window: the sending side provides it with the modems of the
// device choice list. Runs off the UI thread.
class InboxModemReader
{
public:
    virtual ~InboxModemReader() = default;
    virtual InboxReadSummary readMessages() = 0;
};

// "Export" of the inbox window: the exports provide it. `rows` are the window's lines as it
// shows them: Number, Message, Received, Modem, Last sent item.
class InboxExport
{
public:
    virtual ~InboxExport() = default;
    virtual void exportInbox(QWidget* parent, const QList<QStringList>& rows) = 0;
    virtual bool isRunning() const = 0;
};
