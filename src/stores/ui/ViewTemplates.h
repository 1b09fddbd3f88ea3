#pragma once

#include "stores/TemplatesLogic.h"
#include "widgets/CloseButtonDialog.h"

#include <memory>
#include <vector>

class MessageComposer;
class Prompter;
class QBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class TemplateImportSource;
class TemplateStore;
class TemplatesExport;

// The "Templates" window over TemplatesLogic. It loads the templates file in a background job
// when first shown and writes the list back when closed. Escape does not close it.
class CViewTemplates : public CloseButtonDialog
{
    Q_OBJECT

public:
    // `composer` receives "Use Template"; `prompter` replaces the message boxes (tests).
    CViewTemplates(TemplateStore& store, MessageComposer* composer, Prompter* prompter = nullptr,
                   QWidget* parent = nullptr);
    ~CViewTemplates() override;

    // The import and export providers; their buttons stay disabled until they are given.
    void setImportSource(TemplateImportSource* source);
    void setExport(TemplatesExport* exporter);

    TemplatesLogic& logic() { return m_logic; }
    QTableView* list() const { return m_list; }
    QString totalItemsText() const;
    bool isBusy() const { return m_busy; }

public slots:
    void onAddNew();
    void onUpdate();
    void onClearSelected();
    void onClearAll();
    void onUseTemplate();
    void onImport();
    void onExport();
    void onClose() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(QBoxLayout* column, const QString& text, void (CViewTemplates::*slot)());
    std::vector<int> selectedRows() const;
    void startLoading();
    void refreshTotal();
    void selectFirstRow();

    std::unique_ptr<Prompter> m_ownPrompter;
    TemplateStore& m_store;
    TemplatesLogic m_logic;
    MessageComposer* m_composer;
    TemplateImportSource* m_import = nullptr;
    TemplatesExport* m_export = nullptr;
    QTableView* m_list;
    QLabel* m_total;
    QPushButton* m_useButton = nullptr;
    QPushButton* m_importButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    bool m_busy = false;
    bool m_loaded = false;
};
