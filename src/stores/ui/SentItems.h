#pragma once

#include "stores/SentItemsLogic.h"
#include "widgets/CloseButtonDialog.h"

#include <memory>
#include <vector>

class Prompter;
class QBoxLayout;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class SentItemStore;
class SentItemsDeliveries;
class SentItemsExport;

// The "Sent Items" window over SentItemsLogic. It loads the log in a background job when first
// shown and rewrites the file on Close when records were deleted. Escape does not close it.
class CSent_Items : public CloseButtonDialog
{
    Q_OBJECT

public:
    // `prompter` replaces the message boxes (tests).
    explicit CSent_Items(SentItemStore& store, Prompter* prompter = nullptr,
                         QWidget* parent = nullptr);
    ~CSent_Items() override;

    // Where "Send selected items to SMS Composer" hands the rows (the main window), and the
    // export provider. Their commands do nothing until they are given.
    void setComposerHandler(SentItemsToComposer handler);
    void setExport(SentItemsExport* exporter);
    // Where the "Delivery" column and "Read Delivery Reports" come from; set before the window
    // is shown.
    void setDeliveries(SentItemsDeliveries* deliveries);

    SentItemsLogic& logic() { return m_logic; }
    QTableView* list() const { return m_list; }
    QString totalItemsText() const;
    QString selectedItemsText() const;
    QString detailsText() const;
    QMenu* contextMenu() const { return m_menu; }
    bool isBusy() const;

public slots:
    void onClearSelected();
    void onClearAll();
    void onSendToComposer();
    void onExport();
    void onReadDeliveryReports();
    void onClose() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* addButton(QBoxLayout* row, const QString& text, void (CSent_Items::*slot)());
    std::vector<int> selectedRows() const;
    void startLoading();
    void refreshCounters();
    void onSelectionChanged();

    std::unique_ptr<Prompter> m_ownPrompter;
    SentItemStore& m_store;
    SentItemsLogic m_logic;
    SentItemsToComposer m_composer;
    SentItemsExport* m_export = nullptr;
    QTableView* m_list;
    QPlainTextEdit* m_details;
    QLabel* m_total;
    QLabel* m_selected;
    QMenu* m_menu;
    QPushButton* m_composerButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_reportsButton = nullptr;
    bool m_busy = false;
    bool m_loaded = false;
};
