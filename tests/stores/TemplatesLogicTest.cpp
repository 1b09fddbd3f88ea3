#include "stores/TemplatesLogic.h"

#include "stores/DataFolder.h"
#include "stores/MessageComposer.h"
#include "stores/TemplateStore.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FakeComposer : public MessageComposer
{
public:
    QString text() const override { return content; }
    int selectionStart() const override { return start; }
    int selectionEnd() const override { return end; }
    void replaceText(const QString& text) override { content = text; }

    QString content;
    int start = 0;
    int end = 0;
};

class TemplatesLogicTest : public ::testing::Test
{
protected:
    void SetUp() override { data.EnsureDataFolder(); }

    // The window's list as the user sees it, newest first.
    QStringList rows() const
    {
        QStringList shown;
        for (int row = 0; row < logic.model().rowCount(); ++row)
            shown.append(logic.model().text(row));
        return shown;
    }
    void open(const QStringList& oldestFirst)
    {
        ASSERT_TRUE(store.SaveTemplates(oldestFirst));
        logic.show(logic.load());
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const auto& shown : prompter.shown())
            texts.append(shown.text);
        return texts;
    }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    TemplateStore store{data};
    ScriptedPrompter prompter;
    TemplatesLogic logic{store, prompter};
};

TEST_F(TemplatesLogicTest, LoadShowsNewestFirstAndSaveKeepsTheFileOldestFirst)
{
    open({"old", "middle", "new"});
    EXPECT_EQ(rows(), QStringList({"new", "middle", "old"}));
    EXPECT_EQ(logic.totalItemsText(), "Total Items : 3");
    logic.save();
    EXPECT_EQ(ReadBytes(data.templatesPath()), Utf16Bytes("old\nmiddle\nnew\n"));
}

TEST_F(TemplatesLogicTest, ClosingTheWindowRewritesNothingTheUserLeftAlone)
{
    const QByteArray stores[] = {Utf16Bytes("first\nno line end"), QByteArray("eight\nbit\n"),
                                 Utf16Bytes("same\nsame\n")};
    for (const QByteArray& bytes : stores) {
        WriteBytes(data.templatesPath(), bytes);
        TemplatesLogic window(store, prompter);
        window.show(window.load());
        EXPECT_EQ(window.model().rowCount(), 2 - int(bytes == stores[2]));
        window.save();
        EXPECT_EQ(ReadBytes(data.templatesPath()), bytes);
    }
    // A removal is the user's: the file then holds what the list holds.
    WriteBytes(data.templatesPath(), "eight\nbit\n");
    logic.show(logic.load());
    logic.removeRows({"eight"});
    logic.save();
    EXPECT_EQ(ReadBytes(data.templatesPath()), Utf16Bytes("eight\n"));
}

TEST_F(TemplatesLogicTest, AddRefusesBlankAndExactDuplicatesOnly)
{
    open({"Hello"});
    const struct
    {
        QString text;
        bool taken;
        QString message;
    } cases[] = {
        {"", false, "Please type template message."},
        {" \n\t", false, "Please type template message."},
        {"Hello", false, "Entered template already exists."},
        {"hello", true, ""},
        {"Hello ", true, ""},
        {" ", false, "Please type template message."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const auto before = prompter.shown().size();
        EXPECT_EQ(logic.addTemplate(c.text), c.taken);
        EXPECT_EQ(messages().mid(before),
                  c.message.isEmpty() ? QStringList() : QStringList(c.message));
    }
    EXPECT_EQ(rows(), QStringList({"Hello ", "hello", "Hello"}));
    // Additions reach the file at once, at its end.
    EXPECT_EQ(ReadBytes(data.templatesPath()), Utf16Bytes("Hello\nhello\nHello \n"));
}

TEST_F(TemplatesLogicTest, UpdateChecksSelectionAndAcceptsTheTemplatesOwnText)
{
    const struct
    {
        std::vector<int> selected;
        QString message;
    } refusals[] = {
        {{}, "Please select a template message from the template list to continue."},
        {{0, 1}, "Please select only one record to update."},
    };
    EXPECT_FALSE(logic.rowToUpdate({0}));
    EXPECT_EQ(messages(), QStringList("Template list is empty."));
    open({"a", "b", "c"});
    for (const auto& c : refusals) {
        EXPECT_FALSE(logic.rowToUpdate(c.selected));
        EXPECT_EQ(messages().last(), c.message);
    }
    ASSERT_EQ(logic.rowToUpdate({1}), 1);
    EXPECT_TRUE(logic.updateTemplate(1, "b"));
    EXPECT_FALSE(logic.updateTemplate(1, "c"));
    EXPECT_EQ(messages().last(), "Entered template already exists.");
    EXPECT_TRUE(logic.updateTemplate(1, "B"));
    EXPECT_TRUE(logic.addTemplate("b")); // the old text is free again
    EXPECT_EQ(rows(), QStringList({"b", "c", "B", "a"}));
    logic.save();
    EXPECT_EQ(ReadBytes(data.templatesPath()), Utf16Bytes("a\nB\nc\nb\n"));
}

TEST_F(TemplatesLogicTest, ClearSelectedKeepsTheOthersInOrder)
{
    EXPECT_FALSE(logic.checkClearSelected({0}));
    open({"1", "2", "3", "4", "5"});
    EXPECT_FALSE(logic.checkClearSelected({}));
    EXPECT_EQ(
        messages(),
        QStringList({"Template list is empty.",
                     "Please select at least one record from the template list to continue."}));
    const std::vector<int> selected{1, 3};
    ASSERT_TRUE(logic.checkClearSelected(selected));
    logic.removeRows(logic.model().oldestFirstWithout(selected));
    EXPECT_EQ(rows(), QStringList({"5", "3", "1"}));
    EXPECT_FALSE(logic.model().contains("4"));
    EXPECT_EQ(ReadBytes(data.templatesPath()), Utf16Bytes("1\n2\n3\n4\n5\n")); // until closing
    logic.save();
    EXPECT_EQ(ReadBytes(data.templatesPath()), Utf16Bytes("1\n3\n5\n"));
}

TEST_F(TemplatesLogicTest, ClearAllAsksAndLeavesOnlyTheMark)
{
    open({"a", "b"});
    prompter.answer(false).answer(true);
    EXPECT_FALSE(logic.clearAll());
    EXPECT_EQ(rows().size(), 2);
    EXPECT_TRUE(logic.clearAll());
    EXPECT_EQ(rows().size(), 0);
    EXPECT_EQ(ReadBytes(data.templatesPath()), QByteArray("\xFF\xFE"));
    EXPECT_EQ(prompter.shown().first().caption, "Message");
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(TemplatesLogicTest, UseTemplateReplacesTheComposerSelectionWithinTheLimit)
{
    FakeComposer composer;
    logic.useTemplate({0}, composer);
    EXPECT_EQ(messages().last(), "Template list is empty.");
    open({QString(1000, 'T'), "tpl"});
    const struct
    {
        std::vector<int> selected;
        QString message;
    } refusals[] = {
        {{0, 1}, "Please select only one record to use template."},
        {{}, "Please select a template message to continue."},
    };
    for (const auto& c : refusals) {
        logic.useTemplate(c.selected, composer);
        EXPECT_EQ(messages().last(), c.message);
    }

    composer.content = "Hello world";
    composer.start = 6;
    composer.end = 11;
    logic.useTemplate({0}, composer);
    EXPECT_EQ(composer.content, "Hello tpl");
    EXPECT_EQ(messages().last(),
              "Selected template message has been moved to Message Composer window of Software.");

    const QString eightHundred(800, 'c');
    composer.content = eightHundred;
    composer.start = composer.end = 800;
    prompter.answer(false).answer(true);
    logic.useTemplate({1}, composer);
    EXPECT_EQ(composer.content, eightHundred);
    EXPECT_TRUE(prompter.shown().last().question);
    logic.useTemplate({1}, composer);
    EXPECT_EQ(composer.content, eightHundred + QString(800, 'T'));
    EXPECT_TRUE(prompter.shown()[prompter.shown().size() - 2].text.startsWith(
        "Maximum characters limit is 1600.\n\nPress \u2018Yes\u2019"));
}

TEST_F(TemplatesLogicTest, ImportAddsNewCellsOnTopInCellOrder)
{
    open({"kept"});
    EXPECT_EQ(logic.addImported({"", "one", "kept", "two", "one", "Kept"}), 3);
    EXPECT_EQ(rows(), QStringList({"one", "two", "Kept", "kept"}));
    EXPECT_EQ(ReadBytes(data.templatesPath()), Utf16Bytes("kept\none\ntwo\nKept\n"));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(logic.addImported({"one", ""}), 0);
    EXPECT_EQ(messages().last(),
              "Either file is corrupted or selected file contains invalid characters.\n\nOR\n\n"
              "Templates are skipped because of duplicate template already exits in the "
              "templates list.");
}

TEST_F(TemplatesLogicTest, AnUnopenableFileIsReportedAndTheListStaysEmpty)
{
    QTemporaryDir other;
    WriteBytes(other.filePath("QUILLON_DATA"), "in the way");
    const DataFolder broken(other.path());
    TemplateStore unusable(broken);
    TemplatesLogic brokenLogic(unusable, prompter);
    brokenLogic.show(brokenLogic.load());
    EXPECT_EQ(brokenLogic.model().rowCount(), 0);
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown()[0].caption, "Message");
    EXPECT_TRUE(prompter.shown()[0].text.startsWith("Error in file accessing."));
    EXPECT_TRUE(brokenLogic.addTemplate("new"));
    EXPECT_EQ(prompter.shown().size(), 2);
    brokenLogic.save(); // silent
    EXPECT_EQ(prompter.shown().size(), 2);
}

} // namespace
