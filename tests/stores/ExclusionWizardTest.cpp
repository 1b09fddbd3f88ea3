#include "stores/ExclusionWizard.h"

#include "stores/DataFolder.h"
#include "stores/ExclusionSet.h"
#include "stores/PhoneNumberText.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kAreYouSure = "Are you sure you want to continue?";
const QString kUnsavedNumbers = "You have made changes in exclusion number list that have not "
                                "been saved yet.\n\nDo you want to save the Changes?";
const QString kUnsavedInUse = "You have made changes in 'Exclude when sending SMS' list that "
                              "have not been saved yet.\n\nDo you want to save the Changes?";

class ExclusionWizardTest : public ::testing::Test
{
protected:
    ExclusionWizardTest() : data(dir.path()) { data.EnsureDataFolder(); }

    // The index, the in-use file and the number files, as a user left them.
    void givenLists(const QStringList& available, const QStringList& inUse,
                    const QList<std::pair<QString, QString>>& numbers = {})
    {
        WriteBytes(data.exListIndexPath(), Utf16Bytes(lines(available)));
        WriteBytes(data.appExclusionPath(), Utf16Bytes(lines(inUse)));
        for (const auto& [name, text] : numbers)
            WriteBytes(data.exclusionListPath(name), Utf16Bytes(text));
    }

    static QString lines(const QStringList& records)
    {
        return records.isEmpty() ? QString() : records.join('\n') + '\n';
    }

    ExclusionWizard& open()
    {
        ExclusionWizardServices services;
        services.stripSeparators = StripNumberSeparators;
        services.isInvalidNumber = IsInvalidNumber;
        services.reloadExclusionSet = [this] {
            ++reloads;
            LoadExclusionSet(set, true, data, prompter);
        };
        wizard.emplace(data, prompter, std::move(services));
        wizard->start();
        return *wizard;
    }

    QByteArray stored(const QString& path) const { return ReadBytes(path); }

    QTemporaryDir dir;
    DataFolder data;
    ScriptedPrompter prompter;
    ExclusionSet set;
    int reloads = 0;
    std::optional<ExclusionWizard> wizard;
};

TEST_F(ExclusionWizardTest, NewListNamesAreTestedInOrder)
{
    givenLists({"Staff"}, {});
    struct Case
    {
        QString name;
        QString refusal; // empty: accepted
    };
    const Case cases[] = {
        {"", "Please enter exclusion list name."},
        {"   ", "Please enter exclusion list name."},
        {"a/b", "Please enter a valid name."},
        {"opt:out", "Please enter a valid name."},
        {"COM3", "Please enter a valid name."},
        {"nul", "Please enter a valid name."},
        {QString::fromUtf8("Café"), "Please enter a valid name."},
        {"ExListIndex", "Please enter the another name."},
        {"STAFF", "Entered exclusion list name already exists."},
        {" staff ", "Entered exclusion list name already exists."},
        {"exlistindex", ""},
        {" Customers ", ""},
        {QString::fromUtf8("客户"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        ScriptedPrompter fresh;
        std::swap(prompter, fresh);
        ExclusionWizard& w = open();
        w.addNew();
        EXPECT_EQ(w.next(c.name, QString()), c.refusal.isEmpty());
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(prompter.shown().isEmpty());
            EXPECT_EQ(w.page(), ExclusionWizard::Page::Numbers);
            EXPECT_EQ(w.listName(), c.name.trimmed());
        } else {
            EXPECT_EQ(prompter.texts(), QStringList{c.refusal});
            EXPECT_EQ(w.page(), ExclusionWizard::Page::NewList);
        }
    }
}

TEST_F(ExclusionWizardTest, SavingANewListAppendsToALeftoverNumberFile)
{
    givenLists({"Staff"}, {"Staff"}, {{"Staff", "0100\n"}, {"Optout", "0900\n"}});
    ExclusionWizard& w = open();
    w.addNew();
    ASSERT_TRUE(w.next("Optout", QString()));
    ASSERT_TRUE(w.addNumber("0200"));
    ASSERT_TRUE(w.addNumber(" +0300 "));
    EXPECT_EQ(w.numbers(), (QStringList{"+0300", "0200"}));
    prompter.answer(true);

    EXPECT_TRUE(w.saveList());

    EXPECT_EQ(prompter.texts(), QStringList{kAreYouSure});
    EXPECT_EQ(stored(data.exclusionListPath("Optout")), Utf16Bytes("0900\n+0300\n0200\n"));
    EXPECT_EQ(stored(data.exListIndexPath()), Utf16Bytes("Staff\nOptout\n"));
    EXPECT_EQ(w.availableLists(), (QStringList{"Staff", "Optout"}));
    EXPECT_EQ(w.page(), ExclusionWizard::Page::Lists);
    EXPECT_TRUE(w.numbers().isEmpty());
    EXPECT_FALSE(w.numbersChanged());
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(set.IsExcluded("0100"));
}

TEST_F(ExclusionWizardTest, SavingANewListOverALeftoverFileKeepsEveryNumberApart)
{
    const struct
    {
        const char* name;
        QByteArray leftover;
        QByteArray index;
        QStringList excluded;
    } cases[] = {
        {"UTF-16 without a final line end",
         Utf16Bytes("997\n998"),
         Utf16Bytes("Staff"),
         {"997", "998", "222"}},
        {"8-bit text", "996\r\n997\n998", "Staff\n", {"996", "997", "998", "222"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        givenLists({}, {"Optout"});
        WriteBytes(data.exListIndexPath(), c.index);
        WriteBytes(data.exclusionListPath("Optout"), c.leftover);
        ExclusionWizard& w = open();
        w.addNew();
        ASSERT_TRUE(w.next("Optout", QString()));
        ASSERT_TRUE(w.addNumber("222"));
        prompter.answer(true);
        EXPECT_TRUE(w.saveList());

        EXPECT_EQ(stored(data.exclusionListPath("Optout")),
                  Utf16Bytes(c.excluded.join('\n') + '\n'));
        EXPECT_EQ(stored(data.exListIndexPath()), Utf16Bytes("Staff\nOptout\n"));
        for (const QString& number : c.excluded)
            EXPECT_TRUE(set.IsExcluded(number)) << number.toStdString();
    }
}

TEST_F(ExclusionWizardTest, SavingAnExistingListRewritesItAndRefusesAnEmptyList)
{
    givenLists({"Staff"}, {}, {{"Staff", "0100\n0200\n"}});
    ExclusionWizard& w = open();
    ASSERT_TRUE(w.updateList({0}));
    EXPECT_EQ(w.numbers(), (QStringList{"0100", "0200"}));
    ASSERT_TRUE(w.removeNumbers({0, 1}));
    EXPECT_FALSE(w.saveList());
    EXPECT_EQ(prompter.texts(), QStringList{"Exclusion number list is empty."});

    ASSERT_TRUE(w.addNumber("0300"));
    prompter.answer(false).answer(true);
    EXPECT_FALSE(w.saveList());
    EXPECT_EQ(stored(data.exclusionListPath("Staff")), Utf16Bytes("0100\n0200\n"));
    EXPECT_TRUE(w.saveList());
    EXPECT_EQ(stored(data.exclusionListPath("Staff")), Utf16Bytes("0300\n"));
    EXPECT_EQ(stored(data.exListIndexPath()), Utf16Bytes("Staff\n"));
}

TEST_F(ExclusionWizardTest, FirstPageRefusalsLeaveTheListsAlone)
{
    struct Case
    {
        const char* what;
        QStringList available;
        QStringList inUse;
        std::function<void(ExclusionWizard&)> operation;
        QString message;
    };
    const QStringList ab{"A", "B"};
    const Case cases[] = {
        {"add from empty", {}, {}, [](auto& w) { w.addToInUse({0}); }, "Available list is empty."},
        {"add all from empty",
         {},
         {},
         [](auto& w) { w.addAllToInUse(); },
         "Available list is empty."},
        {"add nothing selected",
         ab,
         {},
         [](auto& w) { w.addToInUse({}); },
         "Please select a record from the available list to continue."},
        {"add one in use",
         ab,
         {"a"},
         [](auto& w) { w.addToInUse({0}); },
         "Selected list is already in use."},
        {"add all in use",
         ab,
         {"B", "A"},
         [](auto& w) { w.addAllToInUse(); },
         "All available lists are already in use."},
        {"remove from empty",
         ab,
         {},
         [](auto& w) { w.removeFromInUse({0}); },
         "'Exclude when sending SMS' list is empty."},
        {"remove all from empty",
         ab,
         {},
         [](auto& w) { w.removeAllFromInUse(); },
         "'Exclude when sending SMS' list is empty."},
        {"remove nothing selected",
         ab,
         {"A"},
         [](auto& w) { w.removeFromInUse({}); },
         "Please select a record from 'Exclude when sending SMS' list to continue."},
        {"update from empty",
         {},
         {},
         [](auto& w) { w.updateList({0}); },
         "Available list is empty."},
        {"update two",
         ab,
         {},
         [](auto& w) {
             w.updateList({0, 1});
         },
         "Please select only one record to update."},
        {"delete nothing selected",
         ab,
         {},
         [](auto& w) { w.deleteLists({}); },
         "Please select a record from the available list to continue."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        givenLists(c.available, c.inUse);
        ScriptedPrompter fresh;
        std::swap(prompter, fresh);
        ExclusionWizard& w = open();
        c.operation(w);
        EXPECT_EQ(prompter.texts(), QStringList{c.message});
        EXPECT_EQ(w.inUseLists(), c.inUse);
        EXPECT_FALSE(w.inUseChanged());
        EXPECT_EQ(w.page(), ExclusionWizard::Page::Lists);
    }
}

TEST_F(ExclusionWizardTest, InUseChoiceIsSavedOnlyOnYesAndReloadsTheSet)
{
    givenLists({"A", "B", "C"}, {"C"}, {{"A", "0100\n"}, {"B", "0200\n"}, {"C", "0300\n"}});
    ExclusionWizard& w = open();
    w.addToInUse({0, 2});
    EXPECT_EQ(w.inUseLists(), (QStringList{"C", "A"}));
    w.addAllToInUse();
    w.removeFromInUse({0});
    EXPECT_EQ(w.inUseLists(), (QStringList{"A", "B"}));
    EXPECT_TRUE(w.inUseChanged());

    prompter.answer(false).answer(true);
    EXPECT_FALSE(w.saveInUse());
    EXPECT_EQ(stored(data.appExclusionPath()), Utf16Bytes("C\n"));
    EXPECT_EQ(reloads, 0);
    EXPECT_TRUE(w.saveInUse());
    EXPECT_EQ(prompter.texts(), (QStringList{kAreYouSure, kAreYouSure}));
    EXPECT_EQ(stored(data.appExclusionPath()), Utf16Bytes("A\nB\n"));
    EXPECT_FALSE(w.inUseChanged());
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(set.IsExcluded("0200"));
    EXPECT_FALSE(set.IsExcluded("0300"));
}

TEST_F(ExclusionWizardTest, NumberEntryChecks)
{
    givenLists({}, {});
    ExclusionWizard& w = open();
    w.addNew();
    ASSERT_TRUE(w.next("Staff", QString()));
    ASSERT_TRUE(w.addNumber("0700"));
    struct Case
    {
        QString entry;
        QString message;
    };
    const Case cases[] = {
        {"", "Please enter a valid phone number."},
        {"  ", "Please enter a valid phone number."},
        {"07+00", "Please enter a valid phone number."},
        {"123456789012345678901", "Please enter a valid phone number."},
        {"07 00", "Please enter a valid phone number."},
        {" 0700 ", "Entered number already exists."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.toStdString());
        ScriptedPrompter fresh;
        std::swap(prompter, fresh);
        EXPECT_FALSE(w.addNumber(c.entry));
        EXPECT_EQ(prompter.texts(), QStringList{c.message});
    }
    EXPECT_EQ(w.numbers(), QStringList{"0700"});
    EXPECT_TRUE(w.addNumber("+"));
    EXPECT_EQ(w.numbers(), (QStringList{"+", "0700"}));
}

TEST_F(ExclusionWizardTest, UpdatingAndRemovingNumbers)
{
    givenLists({"Staff"}, {}, {{"Staff", "0100\n0200\n0300\n"}});
    ExclusionWizard& w = open();
    ASSERT_TRUE(w.updateList({0}));
    EXPECT_FALSE(w.numberToUpdate({}));
    EXPECT_EQ(w.numberToUpdate({2, 1}), 1);

    EXPECT_TRUE(w.updateNumber(1, "0200"));
    EXPECT_FALSE(w.numbersChanged());
    EXPECT_FALSE(w.updateNumber(1, "0100"));
    EXPECT_FALSE(w.updateNumber(1, "02+00"));
    EXPECT_TRUE(w.updateNumber(1, " 0200 "));
    EXPECT_TRUE(w.updateNumber(1, "0250"));
    EXPECT_EQ(prompter.texts(), (QStringList{"Entered number already exists.",
                                             "Please enter a valid phone number."}));
    EXPECT_EQ(w.numbers(), (QStringList{"0100", "0250", "0300"}));

    ScriptedPrompter fresh;
    std::swap(prompter, fresh);
    EXPECT_FALSE(w.removeNumbers({}));
    EXPECT_TRUE(w.removeNumbers({2, 0}));
    EXPECT_EQ(w.numbers(), QStringList{"0250"});
    EXPECT_TRUE(w.removeNumbers({0}));
    EXPECT_FALSE(w.removeNumbers({0}));
    EXPECT_EQ(prompter.texts(),
              (QStringList{"Please select at least one record from the exclusion number list "
                           "to continue.",
                           "Exclusion number list is empty."}));
}

TEST_F(ExclusionWizardTest, ClosingWithUnsavedNumbersAnsweredNoSkipsTheInUseQuestion)
{
    givenLists({"A"}, {});
    ExclusionWizard& w = open();
    w.addAllToInUse();
    w.addNew();
    ASSERT_TRUE(w.next("Staff", QString()));
    ASSERT_TRUE(w.addNumber("0700"));
    prompter.answer(false);

    EXPECT_TRUE(w.close());

    EXPECT_EQ(prompter.texts(), QStringList{kUnsavedNumbers});
    EXPECT_EQ(stored(data.exListIndexPath()), Utf16Bytes("A\n"));
    EXPECT_EQ(stored(data.appExclusionPath()), Utf16Bytes(""));
    EXPECT_FALSE(QFile::exists(data.exclusionListPath("Staff")));
}

TEST_F(ExclusionWizardTest, ClosingWithYesSavesTheNumbersThenAsksAboutTheInUseLists)
{
    givenLists({"A"}, {});
    ExclusionWizard& w = open();
    w.addAllToInUse();
    w.addNew();
    ASSERT_TRUE(w.next("Staff", QString()));
    ASSERT_TRUE(w.addNumber("0700"));
    prompter.answer(true).answer(true).answer(true);

    EXPECT_TRUE(w.close());

    EXPECT_EQ(prompter.texts(), (QStringList{kUnsavedNumbers, kAreYouSure, kUnsavedInUse}));
    EXPECT_EQ(stored(data.exclusionListPath("Staff")), Utf16Bytes("0700\n"));
    EXPECT_EQ(stored(data.exListIndexPath()), Utf16Bytes("A\nStaff\n"));
    EXPECT_EQ(stored(data.appExclusionPath()), Utf16Bytes("A\n"));
}

TEST_F(ExclusionWizardTest, ClosingStaysOpenWhenTheAnsweredSaveFails)
{
    givenLists({"Staff"}, {}, {{"Staff", "0100\n"}});
    ExclusionWizard& w = open();
    ASSERT_TRUE(w.updateList({0}));
    ASSERT_TRUE(w.removeNumbers({0}));
    prompter.answer(true);

    EXPECT_FALSE(w.close());
    EXPECT_EQ(prompter.texts(), (QStringList{kUnsavedNumbers, "Exclusion number list is empty."}));
    EXPECT_EQ(w.page(), ExclusionWizard::Page::Numbers);
}

TEST_F(ExclusionWizardTest, GoingBackWithUnsavedNumbers)
{
    givenLists({}, {});
    ExclusionWizard& w = open();
    w.addNew();
    ASSERT_TRUE(w.next("Staff", QString()));
    ASSERT_TRUE(w.addNumber("0700"));
    prompter.answer(false).answer(true).answer(true);

    EXPECT_FALSE(w.back());
    EXPECT_EQ(w.page(), ExclusionWizard::Page::Numbers);
    EXPECT_TRUE(w.back());
    EXPECT_EQ(prompter.texts(), (QStringList{kUnsavedNumbers, kUnsavedNumbers, kAreYouSure}));
    EXPECT_EQ(w.page(), ExclusionWizard::Page::Lists);
    EXPECT_EQ(w.availableLists(), QStringList{"Staff"});
    EXPECT_EQ(stored(data.exclusionListPath("Staff")), Utf16Bytes("0700\n"));
}

TEST_F(ExclusionWizardTest, RenamingMovesTheFileAndRewritesBothNameFiles)
{
    givenLists({"Staff", "Optout"}, {"Optout", "Staff"},
               {{"Staff", "0100\n"}, {"Optout", "0200\n"}, {"Old", "0300\n"}});
    ExclusionWizard& w = open();
    ASSERT_TRUE(w.updateList({0}));

    prompter.answer(true).answer(true);
    EXPECT_FALSE(w.renameList("optout"));
    EXPECT_FALSE(w.renameList("Old")); // a file of that name is there already
    EXPECT_TRUE(w.renameList(" Team "));
    ASSERT_EQ(prompter.texts().size(), 4);
    EXPECT_EQ(prompter.texts()[0], "Entered exclusion list name already exists.");
    EXPECT_TRUE(prompter.texts()[2].startsWith("Error in file accessing."));

    EXPECT_EQ(w.listName(), "Team");
    EXPECT_EQ(stored(data.exclusionListPath("Team")), Utf16Bytes("0100\n"));
    EXPECT_FALSE(QFile::exists(data.exclusionListPath("Staff")));
    EXPECT_EQ(stored(data.exclusionListPath("Old")), Utf16Bytes("0300\n"));
    EXPECT_EQ(stored(data.exListIndexPath()), Utf16Bytes("Team\nOptout\n"));
    EXPECT_EQ(stored(data.appExclusionPath()), Utf16Bytes("Optout\nTeam\n"));
    EXPECT_EQ(reloads, 0);
}

TEST_F(ExclusionWizardTest, RenamingAListWhoseFileIsGone)
{
    givenLists({"Staff"}, {}, {{"Staff", "0100\n"}});
    ExclusionWizard& w = open();
    ASSERT_TRUE(w.updateList({0}));
    QFile::remove(data.exclusionListPath("Staff"));
    prompter.answer(true);

    EXPECT_FALSE(w.renameList("Team"));
    EXPECT_EQ(prompter.texts(), (QStringList{kAreYouSure, "Error in file accessing."}));
    EXPECT_EQ(w.availableLists(), QStringList{"Staff"});
}

TEST_F(ExclusionWizardTest, DeletingListsRemovesFilesAndEntriesAndReloads)
{
    givenLists({"A", "B", "C"}, {"C", "A"}, {{"A", "0100\n"}, {"B", "0200\n"}, {"C", "0300\n"}});
    ExclusionWizard& w = open();
    prompter.answer(false).answer(true);

    EXPECT_FALSE(w.deleteLists({0, 2}));
    EXPECT_EQ(w.availableLists().size(), 3);
    EXPECT_TRUE(w.deleteLists({2, 0}));

    EXPECT_EQ(prompter.texts(),
              QStringList(2, "Are you sure you want to delete the selected available list?"));
    EXPECT_EQ(w.availableLists(), QStringList{"B"});
    EXPECT_TRUE(w.inUseLists().isEmpty());
    EXPECT_FALSE(QFile::exists(data.exclusionListPath("A")));
    EXPECT_FALSE(QFile::exists(data.exclusionListPath("C")));
    EXPECT_EQ(stored(data.exListIndexPath()), Utf16Bytes("B\n"));
    EXPECT_TRUE(stored(data.appExclusionPath()).isEmpty());
    EXPECT_EQ(reloads, 1);
}

TEST_F(ExclusionWizardTest, AStoreThatCannotBeReadIsReportedAndLeftEmpty)
{
    givenLists({"Staff"}, {"Staff"});
    QFile::remove(data.appExclusionPath());
    QDir().mkpath(data.appExclusionPath()); // a folder where the file should be
    ExclusionWizard& w = open();
    EXPECT_EQ(w.availableLists(), QStringList{"Staff"});
    EXPECT_TRUE(w.inUseLists().isEmpty());
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts()[0].startsWith("Error in file accessing."));

    prompter.answer(true);
    w.addAllToInUse();
    EXPECT_FALSE(w.saveInUse());
    EXPECT_TRUE(w.inUseChanged());
    EXPECT_EQ(reloads, 0);
}

} // namespace
