#pragma once

#include "app/MainWindowOptions.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The sending options of the main window. The pause and retry lists are enabled only while
// their option is ticked.
class OptionsPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit OptionsPanel(QWidget* parent = nullptr);

    // The controls' state; quotaManagement is not among them and stays false.
    MainWindowOptions options() const;
    // Shows the options without emitting changed().
    void showOptions(const MainWindowOptions& options);

    QComboBox* messageType() const { return m_messageType; }
    QCheckBox* unicode() const { return m_unicode; }
    QCheckBox* nationalLanguages() const { return m_national; }
    QCheckBox* skipDuplicates() const { return m_skipDuplicates; }
    QCheckBox* delayedDelivery() const { return m_delayed; }
    QComboBox* pauseEvery() const { return m_pauseEvery; }
    QComboBox* pauseFor() const { return m_pauseFor; }
    QCheckBox* retries() const { return m_retries; }
    QComboBox* retryCount() const { return m_retryCount; }
    QCheckBox* exclusionRules() const { return m_exclusion; }
    QCheckBox* saveSentItems() const { return m_saveSent; }
    QCheckBox* saveToTemplates() const { return m_saveTemplates; }
    QCheckBox* clearAfterSending() const { return m_clearAfter; }
    QCheckBox* fastSending() const { return m_fast; }
    QCheckBox* deliveryReports() const { return m_deliveryReports; }
    QCheckBox* optOut() const { return m_optOut; }
    QLineEdit* optOutKeywords() const { return m_optOutKeywords; }
    QLineEdit* optOutList() const { return m_optOutList; }

signals:
    void changed();

private:
    QCheckBox* addCheck(const QString& text, const QString& tip);
    void onChanged();
    void enableLists();
    void showOptOutTexts(const MainWindowOptions& options);

    QComboBox* m_messageType;
    QCheckBox* m_unicode;
    QCheckBox* m_national;
    QCheckBox* m_skipDuplicates;
    QCheckBox* m_delayed;
    QComboBox* m_pauseEvery;
    QComboBox* m_pauseFor;
    QCheckBox* m_retries;
    QComboBox* m_retryCount;
    QCheckBox* m_exclusion;
    QCheckBox* m_saveSent;
    QCheckBox* m_saveTemplates;
    QCheckBox* m_clearAfter;
    QCheckBox* m_fast;
    QCheckBox* m_deliveryReports;
    QCheckBox* m_optOut;
    QLineEdit* m_optOutKeywords;
    QLineEdit* m_optOutList;
    bool m_showing = false;
};
