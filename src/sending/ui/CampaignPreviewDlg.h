#pragma once

#include "sending/CampaignPreview.h"
#include "stores/PreviewChoiceStore.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RecipientList;

// The campaign preview window: the figures of the list as it would be sent, the price per part
// and "Don't show again", both kept in the data folder, and "Replace look-alike characters".
// As a step of Send it continues (accepted) or cancels the send; from the main window it only
// closes.
class CampaignPreviewDlg : public QDialog
{
    Q_OBJECT

public:
    CampaignPreviewDlg(RecipientList& list, PreviewSettings settings,
                       const PreviewChoiceStore& store, bool sendStep, QWidget* parent = nullptr);

    // The rows selected in the list: "Only the selected rows" then limits the replacement to
    // them.
    void setSelectedRows(QList<int> rows);

    const CampaignPreview& preview() const { return m_preview; }
    QString summaryText() const;
    QString replacementText() const;

private:
    void refresh();
    void onPriceEdited();
    void onDontShowAgain(bool ticked);
    void onReplace();
    void save();

    RecipientList& m_list;
    PreviewSettings m_settings;
    const PreviewChoiceStore& m_store;
    PreviewChoices m_choices;
    CampaignPreview m_preview;
    QLabel* m_summary = nullptr;
    QLineEdit* m_price = nullptr;
    QPushButton* m_replace = nullptr;
    QLabel* m_replaced = nullptr;
    QCheckBox* m_dontShow = nullptr;
    QCheckBox* m_selectedOnly = nullptr;
    QList<int> m_selected;
};
