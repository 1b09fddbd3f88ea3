#pragma once

#include "app/MainWindowOptions.h"
#include "exports/ProcessStatusExport.h"
#include "recipients/NumberRule.h"
#include "recipients/RecipientCommands.h"
#include "sending/CampaignPreview.h"
#include "sending/SendPreparation.h"
#include "stores/SentItemsLogic.h"

#include <QCoreApplication>
#include <vector>

class CQuillonApp;
class FileOpener;
class MainWindowSession;
class ProcessTable;
class Prompter;

// Shows the campaign preview window; as a step of Send, true when sending is to go on.
class CampaignPreviewWindow
{
public:
    virtual ~CampaignPreviewWindow() = default;
    virtual bool showPreview(bool sendStep) = 0;
};

// What the main window does, without its widgets: the options and what reads them, the busy
// rule, Reset, Exit, Help and the hand-over of sent items to the recipient list.
class MainWindowLogic
{
    Q_DECLARE_TR_FUNCTIONS(MainWindowLogic)

public:
    struct Services
    {
        Prompter& prompter;
        ProcessTable& processes;
        FileOpener* opener;                       // opens the help file
        ComposerChangeQuestion& composerQuestion; // asked by Send
    };

    MainWindowLogic(CQuillonApp& app, MainWindowSession& session, Services services);

    // Called when the window opens.
    void initialise();

    // A long operation owns the window: an import or a send being prepared or running.
    bool isBusy() const;

    const MainWindowOptions& options() const { return m_options; }
    // Takes the controls' state and publishes it to the readers. True when "Use Exclusion
    // Rules" has just been ticked, so the exclusion set is to be loaded now.
    bool setOptions(const MainWindowOptions& options);

    // What the number check reads at the moment a number is tested.
    NumberCheckOptions numberCheckOptions() const;
    SendInputs sendInputs(const QString& numberBox, const QString& composer) const;

    RecipientCommands& recipientCommands() { return m_recipientCommands; }
    SendPreparation& sendPreparation() { return m_preparation; }

    // "Reset": nothing while busy; asks, and on Yes empties the list and turns every option
    // off. True when the caller is to empty its boxes and refresh its controls.
    bool reset();

    // The Exit command and closing the window: nothing while busy; otherwise asks, and on Yes
    // runs the exit sequence. True when the program is to end.
    bool requestExit();

    bool canOpenSentItems() const { return !isBusy(); }

    // "Help": nothing while busy; opens the help file with the desktop's default handler, or
    // says why it cannot. True when it was handed to the desktop.
    bool openHelp();
    QString helpFilePath() const;
    QString userGuidePath() const;
    void setFileOpener(FileOpener& opener) { m_services.opener = &opener; }

    // What the preview counts with: the chosen modems and the options in force now.
    PreviewSettings previewSettings();
    // Send shows the preview through window unless "Don't show again" was chosen; null: never.
    void setPreviewWindow(CampaignPreviewWindow* window) { m_previewWindow = window; }

    // "Click here Quota Management" before its dialog: false, after saying so, for an empty
    // list.
    bool canOpenQuota();

    // "Send selected items to SMS Composer" of the sent-items window.
    ComposerInsertResult insertSentItems(const std::vector<SentItem>& items);

    // At start-up, when the last run stopped before its end (a crash, a power cut): one
    // question, whether to resume it. Yes puts its rows into the list, and Send takes the run
    // up; No sets it aside (its journal stays for "Last Run"). True when the list was
    // replaced.
    bool offerUnfinishedRun();
    static QString resumeQuestionText(int rows, int withOutcome, int unknown);
    static QString resendUnknownQuestionText(int unknown);

    // "Last Run": the rows of the last run for the status export; nothing while busy, and
    // nothing, after saying so, when no run was recorded.
    std::vector<ProcessStatusRow> lastRunRows();

private:
    bool openFile(const QString& path) const;
    CQuillonApp& m_app;
    MainWindowSession& m_session;
    Services m_services;
    MainWindowOptions m_options;
    RecipientCommands m_recipientCommands;
    CampaignPreviewWindow* m_previewWindow = nullptr;
    SendPreparation m_preparation;
};
