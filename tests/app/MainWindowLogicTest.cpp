#include "app/MainWindowLogic.h"

#include "app/ExitSequence.h"
#include "app/MainWindowSession.h"
#include "app/QuillonApp.h"
#include "base/Clock.h"
#include "exports/ExportServices.h"
#include "stores/PreviewChoiceStore.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

class EndedProcesses : public ProcessTable
{
public:
    QList<qint64> processesNamed(const QString&) const override { return {}; }
    void forceEnd(qint64) override {}
};

class RecordingOpener : public FileOpener
{
public:
    bool openWithDefault(const QString& path) override
    {
        opened.append(path);
        return works;
    }
    bool openWithChooser(const QString&) override { return false; }
    bool hasDefaultFor(const QString& path) override { return !path.endsWith(noViewerSuffix); }

    QStringList opened;
    bool works = true;
    QString noViewerSuffix = QStringLiteral("\n"); // types no installed application takes
};

class ComposerAnswer : public ComposerChangeQuestion
{
public:
    Answer ask() override { return answer; }
    Answer answer = Answer::Cancel;
};

class MainWindowLogicTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    CQuillonApp app{{dir.filePath("quillon"), "", ""}, Clock::system()};
    MainWindowSession session{app.dataFolder(), app.clock(), PortMap(dir.filePath("ports"))};
    ScriptedPrompter prompter;
    EndedProcesses processes;
    RecordingOpener opener;
    ComposerAnswer question;
    MainWindowLogic logic{app, session, {prompter, processes, &opener, question}};

    MainWindowOptions everythingOn() const
    {
        MainWindowOptions o;
        o.messageType = "Notification";
        o.unicode = o.skipDuplicates = o.delayedDelivery = o.retriesOn = true;
        o.useExclusionRules = o.saveSentItems = o.saveToTemplates = o.clearAfterSending = true;
        o.quotaManagement = o.fastSending = o.deliveryReports = true;
        o.pauseEvery = "50";
        o.pauseFor = " 1  Hour";
        o.retryCount = "3";
        return o;
    }
};

TEST(MainWindowOptionsTest, ListsHoldTheOfferedEntriesInOrder)
{
    EXPECT_EQ(MessageTypeChoices(), (QStringList{"Notification", "Standard SMS"}));
    EXPECT_EQ(PauseEveryChoices(),
              (QStringList{"1", "2", "3", "4", "5", "10", "15", "20", "25", "50", "75", "100",
                           "150", "200", "250", "300", "400", "500", "1000"}));
    EXPECT_EQ(
        PauseForChoices(),
        (QStringList{" 5  Seconds", "10 Seconds",  "15 Seconds",  "20 Seconds",  "25 Seconds",
                     "30 Seconds",  "35 Seconds",  "40 Seconds",  "45 Seconds",  "50 Seconds",
                     "55 Seconds",  " 1  Minute",  " 2  Minutes", " 3  Minutes", " 4  Minutes",
                     " 5  Minutes", " 6  Minutes", " 7  Minutes", " 8  Minutes", " 9  Minutes",
                     "10 Minutes",  "20 Minutes",  "30 Minutes",  "40 Minutes",  "50 Minutes",
                     " 1  Hour",    " 2  Hours",   " 4  Hours",   " 5  Hours",   " 8  Hours",
                     "10 Hours",    "12 Hours"}));
    EXPECT_EQ(RetryCountChoices(),
              (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
}

TEST_F(MainWindowLogicTest, OptionsReachWhatTheSendingSideAndTheNumberCheckRead)
{
    EXPECT_FALSE(session.sendOptions().flash());
    EXPECT_EQ(logic.options().messageType, "Standard SMS");

    EXPECT_TRUE(logic.setOptions(everythingOn()));
    const RunOptions& run = session.runOptions();
    EXPECT_TRUE(session.sendOptions().flash());
    EXPECT_TRUE(session.sendOptions().unicode());
    EXPECT_TRUE(session.sendOptions().fast());
    EXPECT_TRUE(session.sendOptions().deliveryReports());
    for (const std::atomic<bool>* flag :
         {&run.skipDuplicates, &run.useExclusionRules, &run.delayedDelivery, &run.retriesOn,
          &run.saveSentItems, &run.saveToTemplates, &run.clearAfterSending, &run.quotaManagement})
        EXPECT_TRUE(flag->load());
    const NumberCheckOptions checks = logic.numberCheckOptions();
    EXPECT_TRUE(checks.skipDuplicateNumbers);
    EXPECT_TRUE(checks.useExclusionRules);
    EXPECT_EQ(checks.exclusionSet, &session.exclusions());

    const SendInputs inputs = logic.sendInputs("123", "Hello");
    EXPECT_EQ(inputs.numberBox, "123");
    EXPECT_EQ(inputs.composer, "Hello");
    EXPECT_EQ(inputs.pauseEvery, "50");
    EXPECT_EQ(inputs.pauseFor, " 1  Hour");
    EXPECT_TRUE(inputs.delayedDelivery);
    EXPECT_TRUE(inputs.retriesOn);
    EXPECT_EQ(inputs.retryCount, "3");

    // Only the tick itself asks for the exclusion set to be loaded.
    EXPECT_FALSE(logic.setOptions(everythingOn()));
}

TEST_F(MainWindowLogicTest, SendingRowsAsUnicodeTicksTheOption)
{
    session.recipients().insertRecipient(0, {"+447700900001", "Dear Mr García"});
    session.devices().setChoiceList({{"COM3 - Modem", 3}}, 0);
    question.answer = ComposerChangeQuestion::Answer::ContinueAnyway;
    prompter.choice(0); // "Send as Unicode"
    EXPECT_FALSE(logic.sendInputs("", "x").unicode);
    EXPECT_TRUE(logic.sendPreparation().send(logic.sendInputs("", "x")).has_value());
    EXPECT_TRUE(logic.options().unicode);
    EXPECT_TRUE(session.sendOptions().unicode());
    EXPECT_TRUE(logic.sendInputs("", "x").unicode);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(MainWindowLogicTest, ResetOfAnEmptyListStillAsksAndTurnsEveryOptionOff)
{
    logic.setOptions(everythingOn());
    prompter.answer(false).answer(true);
    EXPECT_FALSE(logic.reset());
    EXPECT_EQ(logic.options(), everythingOn());

    EXPECT_TRUE(logic.reset());
    EXPECT_EQ(prompter.texts(), QStringList(2, "Are you sure you want to continue to reset?"));
    MainWindowOptions expected;
    expected.quotaManagement = true;
    EXPECT_EQ(logic.options(), expected);
    EXPECT_FALSE(session.sendOptions().flash());
    EXPECT_FALSE(session.sendOptions().deliveryReports());
    EXPECT_FALSE(session.runOptions().retriesOn);
}

TEST_F(MainWindowLogicTest, WhileBusyResetSentItemsHelpAndExitDoNothing)
{
    WriteBytes(logic.helpFilePath(), "chm");
    const std::vector<std::function<void()>> makeBusy = {
        [&] { app.busyFlag().setBusy(true); },
        [&] { session.runState().RunOpen = 1; },
    };
    for (const auto& busy : makeBusy) {
        busy();
        EXPECT_TRUE(logic.isBusy());
        EXPECT_FALSE(logic.reset());
        EXPECT_FALSE(logic.canOpenSentItems());
        EXPECT_FALSE(logic.openHelp());
        EXPECT_FALSE(logic.requestExit());
        app.busyFlag().setBusy(false);
        session.runState().RunOpen = 0;
    }
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(logic.canOpenSentItems());
}

TEST_F(MainWindowLogicTest, ExitAsksAndOnYesDeletesTheScratchFiles)
{
    WriteBytes(dir.filePath("korvsms.txt"), "x");
    prompter.answer(false).answer(true);
    EXPECT_FALSE(logic.requestExit());
    EXPECT_TRUE(QFile::exists(dir.filePath("korvsms.txt")));
    EXPECT_TRUE(logic.requestExit());
    EXPECT_FALSE(QFile::exists(dir.filePath("korvsms.txt")));
    ASSERT_EQ(prompter.shown().size(), 2);
    EXPECT_EQ(prompter.shown()[0].caption, "Confirm");
    EXPECT_EQ(prompter.shown()[0].text, "Do you want to exit from KORV Quillon Software?");
}

TEST_F(MainWindowLogicTest, HelpOpensTheFileOfTheProgramFolderOrSaysWhyNot)
{
    EXPECT_EQ(logic.helpFilePath(), dir.filePath("KORVQuillon.chm"));
    EXPECT_FALSE(logic.openHelp());
    EXPECT_TRUE(opener.opened.isEmpty());
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown()[0].caption, "Message");
    EXPECT_TRUE(prompter.shown()[0].text.contains(logic.helpFilePath()));

    WriteBytes(logic.helpFilePath(), "chm");
    EXPECT_TRUE(logic.openHelp());
    EXPECT_EQ(opener.opened, QStringList{logic.helpFilePath()});
    EXPECT_EQ(prompter.shown().size(), 1);

    opener.works = false;
    EXPECT_FALSE(logic.openHelp());
    EXPECT_EQ(prompter.shown().size(), 2);
}

// Without the CHM file or a viewer for it, Help opens the HTML guide beside the program; only
// when that is missing too does it say why not.
TEST_F(MainWindowLogicTest, HelpFallsBackToTheHtmlGuideWhenTheHelpFileCannotBeOpened)
{
    EXPECT_EQ(logic.userGuidePath(), dir.filePath("doc/guide/index.html"));
    QDir(dir.path()).mkpath("doc/guide");
    WriteBytes(logic.userGuidePath(), "<html>");
    EXPECT_TRUE(logic.openHelp());
    EXPECT_EQ(opener.opened, QStringList{logic.userGuidePath()});

    opener.opened.clear();
    opener.noViewerSuffix = QStringLiteral(".chm");
    WriteBytes(logic.helpFilePath(), "chm");
    EXPECT_TRUE(logic.openHelp());
    EXPECT_EQ(opener.opened, QStringList{logic.userGuidePath()});
    EXPECT_TRUE(prompter.shown().isEmpty());

    QFile::remove(logic.userGuidePath());
    EXPECT_FALSE(logic.openHelp());
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_TRUE(prompter.shown()[0].text.contains("could not be opened"));
}

TEST_F(MainWindowLogicTest, QuotaManagementNeedsRows)
{
    EXPECT_FALSE(logic.canOpenQuota());
    EXPECT_EQ(prompter.texts(), QStringList{"Phone numbers-Messages list is empty."});
    session.recipients().insertRecipient(0, {"12345", "Hi"});
    EXPECT_TRUE(logic.canOpenQuota());
}

TEST_F(MainWindowLogicTest, SentItemsComeInThroughTheNumberCheck)
{
    RecipientList& list = session.recipients();
    const std::vector<SentItem> items = {
        {"111111", "a", "", ""}, {"222222", "b", "", ""}, {"111111", "c", "", ""}};
    MainWindowOptions skip;
    skip.skipDuplicates = true;
    logic.setOptions(skip);

    EXPECT_EQ(logic.insertSentItems(items), ComposerInsertResult::ListGrew);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(0), (RecipientRow{"222222", "b"}));
    EXPECT_EQ(list.at(1), (RecipientRow{"111111", "a"}));
    EXPECT_TRUE(prompter.shown().isEmpty()); // an empty list is not asked about

    prompter.answer(Prompter::Answer::Cancel).answer(Prompter::Answer::No);
    EXPECT_EQ(logic.insertSentItems(items), ComposerInsertResult::Cancelled);
    EXPECT_EQ(logic.insertSentItems(items), ComposerInsertResult::NothingAdded);
    EXPECT_EQ(list.count(), 2);
}

} // namespace

namespace {

class CountingPreview : public CampaignPreviewWindow
{
public:
    bool showPreview(bool sendStep) override
    {
        shown.push_back(sendStep);
        return answer;
    }
    std::vector<bool> shown;
    bool answer = true;
};

} // namespace

TEST_F(MainWindowLogicTest, SendShowsThePreviewUntilDontShowAgain)
{
    session.recipients().insertRecipient(0, {"+447700900001", "x"});
    session.devices().setChoiceList({{"COM3 - Modem", 3}}, 0);
    session.devices().setDeviceModeList({2});
    question.answer = ComposerChangeQuestion::Answer::ContinueAnyway;
    CountingPreview preview;
    logic.setPreviewWindow(&preview);

    preview.answer = false;
    EXPECT_FALSE(logic.sendPreparation().send(logic.sendInputs("", "x")).has_value());
    EXPECT_EQ(preview.shown, std::vector<bool>{true});

    ASSERT_TRUE(PreviewChoiceStore(app.dataFolder()).save({0.02, false}));
    EXPECT_TRUE(logic.sendPreparation().send(logic.sendInputs("", "x")).has_value());
    EXPECT_EQ(preview.shown.size(), 1u) << "\"Don't show again\" skips it";

    const PreviewSettings settings = logic.previewSettings();
    ASSERT_EQ(settings.modems.size(), 1);
    EXPECT_EQ(settings.modems.front().label, "COM3 - Modem");
    EXPECT_EQ(settings.modems.front().messageMode, 2);
    EXPECT_EQ(settings.modems.front().quota, -1);
}
