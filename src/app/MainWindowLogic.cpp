#include "app/MainWindowLogic.h"

#include "app/ExitSequence.h"
#include "app/MainWindowSession.h"
#include "app/ProgramFolder.h"
#include "app/QuillonApp.h"
#include "base/Prompter.h"
#include "exports/ExportServices.h"
#include "recipients/LoadFileMsg.h"
#include "sending/PreviewInputs.h"
#include "stores/DataFolder.h"
#include "stores/PreviewChoiceStore.h"

#include <QFileInfo>

namespace {

SendPreparation::Dependencies preparationDependencies(MainWindowSession& session,
                                                      const MainWindowLogic::Services& services,
                                                      Prompter& prompter,
                                                      std::function<void()> tickUnicode,
                                                      std::function<bool()> previewStep)
{
    return {session.runState(),
            session.runOptions(),
            session.devices(),
            session.recipients(),
            session.channels(),
            prompter,
            services.composerQuestion,
            [&session, &prompter] {
                LoadExclusionSet(session.exclusions(), session.runOptions().useExclusionRules,
                                 session.data(), prompter);
            },
            [&session] { return session.reloadSentTemplates(); },
            {},
            std::move(tickUnicode),
            std::move(previewStep)};
}

} // namespace

MainWindowLogic::MainWindowLogic(CQuillonApp& app, MainWindowSession& session, Services services)
    : m_app(app), m_session(session), m_services(services),
      m_recipientCommands(session.recipients(), services.prompter),
      m_preparation(preparationDependencies(
          session, services, services.prompter,
          [this] {
              MainWindowOptions ticked = m_options;
              ticked.unicode = true;
              setOptions(ticked);
          },
          [this] {
              if (!m_previewWindow || !PreviewChoiceStore(m_app.dataFolder()).load().showOnSend)
                  return true;
              return m_previewWindow->showPreview(true);
          }))
{
    PublishOptions(m_options, session.runOptions(), session.sendOptions());
    session.setOptOut(optOutSettingsOf(m_options));
}

void MainWindowLogic::initialise()
{
    m_app.dataFolder().EnsureDataFolder();
}

QString MainWindowLogic::resumeQuestionText(int rows, int withOutcome, int unknown)
{
    QString text = tr("The last sending run stopped before it finished: %1 of its %2 messages "
                      "have an outcome.")
                       .arg(withOutcome)
                       .arg(rows);
    if (unknown > 0)
        text += u' ' + tr("%n message(s) were being sent when it stopped; they are marked "
                          "\"Outcome unknown\".",
                          nullptr, unknown);
    return text + QStringLiteral("\n\n") + tr("Resume the campaign?");
}

QString MainWindowLogic::resendUnknownQuestionText(int unknown)
{
    return tr("%n message(s) may have reached their recipients before the program stopped. Send "
              "them again?\n\nNo keeps them marked \"Outcome unknown\" and sends only the rows "
              "that have no outcome yet.",
              nullptr, unknown);
}

bool MainWindowLogic::offerUnfinishedRun()
{
    const RunJournalContent& journal = m_session.journalAtStart().journal;
    if (!journal.isUnfinished())
        return false;
    int withOutcome = 0, unknown = 0;
    for (const JournalRowState& row : journal.rows) {
        withOutcome += row.status ? 1 : 0;
        unknown += row.outcomeUnknown() ? 1 : 0;
    }
    const QString question = resumeQuestionText(int(journal.rows.size()), withOutcome, unknown);
    if (m_services.prompter.confirm(tr("Confirm"), question, Prompter::Icon::Question)) {
        // Sending such a row again may deliver it twice: only on a second, explicit Yes.
        const bool resendUnknown =
            unknown > 0 &&
            m_services.prompter.confirm(tr("Confirm"), resendUnknownQuestionText(unknown),
                                        Prompter::Icon::Question);
        return m_session.resumeRun(resendUnknown);
    }
    FileError error;
    if (!m_session.setRunAside(&error))
        m_services.prompter.inform(tr("Message"), FileErrorText(error),
                                   Prompter::Icon::Information);
    return false;
}

std::vector<ProcessStatusRow> MainWindowLogic::lastRunRows()
{
    if (isBusy())
        return {};
    std::vector<ProcessStatusRow> rows = m_session.lastRunRows();
    if (rows.empty())
        m_services.prompter.inform(tr("Message"), tr("No sending run has been recorded yet."),
                                   Prompter::Icon::Information);
    return rows;
}

bool MainWindowLogic::isBusy() const
{
    return m_app.busyFlag().isBusy() || m_session.runState().RunOpen.load() == 1 ||
           m_preparation.preparing();
}

bool MainWindowLogic::setOptions(const MainWindowOptions& options)
{
    const bool exclusionsTicked = options.useExclusionRules && !m_options.useExclusionRules;
    m_options = options;
    PublishOptions(m_options, m_session.runOptions(), m_session.sendOptions());
    m_session.setOptOut(optOutSettingsOf(m_options));
    return exclusionsTicked;
}

NumberCheckOptions MainWindowLogic::numberCheckOptions() const
{
    return {m_options.skipDuplicates, m_options.useExclusionRules, &m_session.exclusions()};
}

SendInputs MainWindowLogic::sendInputs(const QString& numberBox, const QString& composer) const
{
    return {numberBox,
            composer,
            m_options.pauseEvery,
            m_options.pauseFor,
            m_options.delayedDelivery,
            m_options.retriesOn,
            m_options.retryCount,
            m_options.unicode,
            m_options.nationalLanguages};
}

PreviewSettings MainWindowLogic::previewSettings()
{
    PreviewSettings settings;
    settings.unicode = m_options.unicode;
    settings.nationalLanguages = m_options.nationalLanguages;
    settings.pacing = previewPacingOf(m_options.fastSending, m_options.delayedDelivery,
                                      m_options.pauseEvery, m_options.pauseFor);
    settings.modems = previewModemsOf(m_session.devices(), m_options.quotaManagement);
    return settings;
}

bool MainWindowLogic::reset()
{
    if (isBusy() || !m_recipientCommands.Reset())
        return false;
    setOptions(m_options.afterReset());
    return true;
}

bool MainWindowLogic::requestExit()
{
    if (isBusy())
        return false;
    if (!m_services.prompter.confirm(tr("Confirm"),
                                     tr("Do you want to exit from KORV Quillon Software?")))
        return false;
    RunExitSequence(m_app.programFolder(), m_services.processes);
    return true;
}

QString MainWindowLogic::helpFilePath() const
{
    return m_app.programFolder() + QStringLiteral("/KORVQuillon.chm");
}

QString MainWindowLogic::userGuidePath() const
{
    return UserGuidePathOf(m_app.programFolder());
}

bool MainWindowLogic::openHelp()
{
    if (isBusy())
        return false;
    const QString path = helpFilePath();
    const bool helpFilePresent = QFileInfo(path).isFile();
    if (helpFilePresent && m_services.opener && m_services.opener->hasDefaultFor(path) &&
        openFile(path))
        return true;
    // Linux desktops seldom have a CHM viewer: the HTML guide shipped with the program serves.
    const QString guide = userGuidePath();
    if (QFileInfo(guide).isFile() && openFile(guide))
        return true;
    if (!helpFilePresent) {
        m_services.prompter.inform(tr("Message"),
                                   tr("The help file \"%1\" was not found.").arg(path));
        return false;
    }
    m_services.prompter.inform(
        tr("Message"),
        tr("The help file \"%1\" could not be opened: no application for it is installed.")
            .arg(path));
    return false;
}

bool MainWindowLogic::openFile(const QString& path) const
{
    return m_services.opener && m_services.opener->openWithDefault(path);
}

bool MainWindowLogic::canOpenQuota()
{
    if (!m_session.recipients().isEmpty())
        return true;
    m_services.prompter.inform(tr("Message"), tr("Phone numbers-Messages list is empty."));
    return false;
}

ComposerInsertResult MainWindowLogic::insertSentItems(const std::vector<SentItem>& items)
{
    RecipientList& list = m_session.recipients();
    if (CLoad_File_Msg::Ask(list, m_services.prompter) == CLoad_File_Msg::Choice::Cancel)
        return ComposerInsertResult::Cancelled;
    const int before = list.count();
    const NumberCheckOptions checks = numberCheckOptions();
    for (const SentItem& item : items) {
        RecipientNumberCheck check = list.CheckRecipientNumber(item.number, checks);
        if (check.accepted())
            list.insertRecipient(0, {std::move(check.number), item.message});
    }
    return list.count() > before ? ComposerInsertResult::ListGrew
                                 : ComposerInsertResult::NothingAdded;
}
