#pragma once

#include "stores/InboxModel.h"
#include "stores/SentItemsLogic.h"
#include "widgets/CloseButtonDialog.h"

#include <memory>
#include <vector>

class Clock;
class InboxExport;
class InboxModemReader;
class InboxStore;
class Prompter;
class QBoxLayout;
class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;
class SentItemStore;

// The "Inbox" window: the received messages, newest first, with the last sent item to each
// sender beside it. Unread messages are bold until they are selected or marked with "Mark as
// Read", long ones still missing a part after the time-out italic. It reads the stores in a
// background job when first shown; "Read Messages" reads the modems first; "Export" writes the
// lines shown. Escape does not close it.
class CInbox : public CloseButtonDialog
{
    Q_OBJECT

public:
    // `prompter` replaces the message boxes (tests).
    CInbox(InboxStore& inbox, SentItemStore& sentItems, const Clock& clock,
           Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~CInbox() override;

    // Where "Send selected items to SMS Composer" hands sender and text (the main window), and
    // where "Read Messages" reads. Their commands do nothing until they are given.
    void setComposerHandler(SentItemsToComposer handler);
    void setReader(InboxModemReader* reader);
    void setExport(InboxExport* exporter);

    const InboxModel& model() const { return m_model; }
    QTableView* list() const { return m_list; }
    QCheckBox* dateFilter() const { return m_filter; }
    QDateEdit* fromDate() const { return m_from; }
    QDateEdit* toDate() const { return m_to; }
    QString totalText() const;
    bool isBusy() const;

public slots:
    void onSendToComposer();
    void onReadMessages();
    void onMarkRead();
    void onExport();
    void onClose() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Loaded;

    QPushButton* addButton(QBoxLayout* row, const QString& text, void (CInbox::*slot)());
    void startLoading(bool readModems);
    void refreshRows();
    void markRead(const std::vector<int>& rows);

    std::unique_ptr<Prompter> m_ownPrompter;
    Prompter& m_prompter;
    InboxStore& m_inbox;
    SentItemStore& m_sentItems;
    const Clock& m_clock;
    InboxModel m_model;
    std::shared_ptr<Loaded> m_loaded;
    InboxReadState m_read;
    SentItemsToComposer m_composer;
    InboxModemReader* m_reader = nullptr;
    InboxExport* m_export = nullptr;
    QTableView* m_list;
    QCheckBox* m_filter;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QLabel* m_total;
    QPushButton* m_composerButton = nullptr;
    QPushButton* m_readButton = nullptr;
    QPushButton* m_markButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    bool m_busy = false;
    bool m_shown = false;
};
