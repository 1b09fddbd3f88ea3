#pragma once

#include "app/ForwardingPrompter.h"
#include "app/MainWindowLogic.h"
#include "app/MainWindowSession.h"
#include "app/WaitTimers.h"
#include "app/ui/MainWindowHooks.h"
#include "exports/ui/DesktopFileOpener.h"
#include "exports/ui/ExportCommands.h"
#include "outbox/OutboxProgress.h"
#include "sending/ui/SendLauncher.h"
#include "stores/ui/PlainTextComposer.h"
#include "widgets/MessageBoxPrompter.h"

#include <QDialog>
#include <map>
#include <memory>

class CQuillonApp;
class CSend_Msg_Info;
class CSpecialEdit;
class DevicePanel;
class MessageEdit;
class OptionsPanel;
class ProcessTable;
class QLabel;
class QPushButton;
class QTimer;
class RecipientTableView;
class WaitPopup;

// The main window of the program: the recipient list, the composer, the sending options and
// the devices, and one control per command, each handed to the part that owns it. Escape never
// closes it; closing asks first. A thin view over MainWindowLogic.
class CKORV_QuillonDlg : public QDialog, public RunHost, public CampaignPreviewWindow
{
    Q_OBJECT

public:
    CKORV_QuillonDlg(CQuillonApp& app, ProcessTable& processes, QWidget* parent = nullptr);
    ~CKORV_QuillonDlg() override;

    // Replaces the message boxes of the window and of the windows it opens (tests answer with
    // scripted replies).
    void setPrompter(Prompter& prompter);
    Prompter& prompter() { return m_prompter; }
    void setHooks(MainWindowHooks hooks) { m_hooks = std::move(hooks); }
    // Where the help file is opened (tests).
    void setFileOpener(FileOpener& opener);

    CQuillonApp& app() { return m_app; }
    MainWindowSession& session() { return m_session; }
    MainWindowLogic& logic() { return *m_logic; }

    RecipientTableView* recipientView() const { return m_list; }
    CSpecialEdit* numberBox() const { return m_number; }
    MessageEdit* composer() const { return m_composer; }
    OptionsPanel* optionsPanel() const { return m_options; }
    DevicePanel* devicePanel() const { return m_devices; }
    ExportCommands& exports() { return m_exports; }
    QString totalNumbersText() const;
    // Shows a count while a long operation fills the list (the list's own count follows after).
    void showTotalNumbersText(const QString& text);
    QString characterCountText() const;
    // The warning beside the counter; empty while it is hidden.
    QString characterWarningText() const;
    QString waitText() const;

    // The timers of long list operations; each is killed by the operation that started it.
    void startWaitTimer(WaitTimer timer);
    void killWaitTimer(WaitTimer timer);
    bool waitTimerActive(WaitTimer timer) const;

    void clearMainWindowFields() override;

public slots:
    void onAdd();
    void onLoadContacts();
    void onAddManually();
    void onDynamicExcel();
    void onUpdateSelected();
    void onEditRow();
    void onApplyMessage();
    void onClearSelected();
    void onClearAll();
    void onExport();
    void onModemWizard();
    void onDeviceSettings();
    void onQuota();
    void onExclusionWizard();
    void onViewTemplates();
    void onSend();
    void onSharedOutbox();
    void onPreview();
    void onSentItems();
    void onLastRun();
    void offerUnfinishedRun();
    void onInbox();
    void onReset();
    void onExit();
    void onHelp();
    void onAbout();
    // What a wait timer does at each tick.
    void onWaitTimer(WaitTimer timer);
    void reject() override;

    // The campaign preview window over the list and the options in force.
    bool showPreview(bool sendStep) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    QWidget* buildRecipientArea();
    QWidget* buildComposerArea();
    QLayout* buildCharacterWarning(QWidget* box);
    QLayout* buildCommandRow();
    QPushButton* commandButton(const char* name, const QString& text, const char* icon,
                               int fallback, void (CKORV_QuillonDlg::*slot)(),
                               const QString& tip = {});
    void connectControls();
    void onOptionsChanged();
    void refreshTotal();
    void refreshCharacters();
    void focusAfterRefusal();
    Prompter* dialogPrompter();

    CQuillonApp& m_app;
    ProcessTable& m_processes;
    MessageBoxPrompter m_boxes;
    ForwardingPrompter m_prompter;
    bool m_scripted = false;
    MainWindowSession m_session;
    DesktopFileOpener m_desktopOpener;
    CSend_Msg_Info* m_composerQuestion;
    std::unique_ptr<MainWindowLogic> m_logic;
    ExportCommands m_exports;
    std::unique_ptr<SendLauncher> m_launcher;
    MainWindowHooks m_hooks;

    RecipientTableView* m_list = nullptr;
    CSpecialEdit* m_number = nullptr;
    MessageEdit* m_composer = nullptr;
    std::unique_ptr<PlainTextComposer> m_composerAccess;
    QLabel* m_total = nullptr;
    QLabel* m_characters = nullptr;
    QLabel* m_parts = nullptr;
    QLabel* m_warningIcon = nullptr;
    QLabel* m_characterWarning = nullptr;
    OptionsPanel* m_options = nullptr;
    DevicePanel* m_devices = nullptr;

    std::map<WaitTimer, QTimer*> m_timers;
    std::unique_ptr<WaitPopup> m_waitPopup;
    // The Shared Outbox window's counting, kept here so that closing that window never waits.
    std::unique_ptr<OutboxProgress> m_outboxProgress;
    bool m_exitConfirmed = false;
};
