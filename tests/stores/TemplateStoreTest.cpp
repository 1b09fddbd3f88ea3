#include "stores/TemplateStore.h"

#include "stores/DataFolder.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

namespace {

class TemplateStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { data.EnsureDataFolder(); }

    QStringList load()
    {
        QStringList templates;
        EXPECT_TRUE(store.LoadTemplates(templates));
        return templates;
    }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    TemplateStore store{data};
};

TEST_F(TemplateStoreTest, TwoLineTemplateIsOneLineOnDiskAndSurvivesSaveAndLoad)
{
    const QString twoLines = QStringLiteral("Dear parent,\nschool opens Monday");
    ASSERT_TRUE(store.AppendTemplate("first"));
    ASSERT_TRUE(store.AppendTemplate(twoLines));
    EXPECT_EQ(ReadBytes(data.templatesPath()),
              Utf16Bytes("first\nDear parent,|AP*|DX/school opens Monday\n"));
    ASSERT_EQ(load(), QStringList({"first", twoLines}));
    ASSERT_TRUE(store.SaveTemplates(load()));
    EXPECT_EQ(load(), QStringList({"first", twoLines}));
}

TEST_F(TemplateStoreTest, ReadingFollowsTheLineRules)
{
    const struct
    {
        const char* name;
        QByteArray bytes;
        QStringList templates;
    } cases[] = {
        {"repeats shown once, case counts, the line after a repeat intact",
         Utf16Bytes("Hello\nhello\nHello\nNext one\n"),
         {"Hello", "hello", "Next one"}},
        {"a last template without LF counts", Utf16Bytes("kept\nlast"), {"kept", "last"}},
        {"8-bit text in the system code page", "caf\xE9\r\nna\xEFve", {"caf\u00E9", "na\u00EFve"}},
        {"blank lines skipped, blanks around a text kept",
         Utf16Bytes(" \n\t\n  padded  \n"),
         {"  padded  "}},
        {"a CR before LF stays part of the template", Utf16Bytes("dos\r\n"), {"dos\r"}},
        {"a token alone is a line break", Utf16Bytes("|AP*|DX/\n"), {"\n"}},
        {"marks anywhere are left out", Utf16Bytes("a\n") + Utf16Bytes("b\uFEFFc\n"), {"a", "bc"}},
        {"no mark is still UTF-16", Utf16Bytes("x\n", false), {"x"}},
        {"an odd last byte is no character", Utf16Bytes("x\n") + "y", {"x"}},
        {"8-bit text is read by its lines", QByteArray("one\ntwo\n"), {"one", "two"}},
        {"empty file", QByteArray(), {}},
        {"a line of megabytes",
         Utf16Bytes(QString(1'000'000, 'x') + "\n"),
         {QString(1'000'000, 'x')}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(data.templatesPath(), c.bytes);
        EXPECT_EQ(load(), c.templates);
        EXPECT_EQ(ReadBytes(data.templatesPath()), c.bytes);
    }
}

TEST_F(TemplateStoreTest, AnAppendToAn8BitStoreRewritesItWholeInUtf16)
{
    WriteBytes(data.templatesPath(), "caf\xE9\r\nlast");
    ASSERT_TRUE(store.AppendTemplate(QString::fromUtf8("new ł")));
    EXPECT_EQ(ReadBytes(data.templatesPath()),
              Utf16Bytes(QString::fromUtf8("café\nlast\nnew ł\n")));
    EXPECT_EQ(load(), (QStringList{QString::fromUtf8("café"), "last", QString::fromUtf8("new ł")}));
}

TEST_F(TemplateStoreTest, SavingNothingLeavesTheMarkAndAFailedOpenIsSilent)
{
    ASSERT_TRUE(store.AppendTemplate("something"));
    ASSERT_TRUE(store.SaveTemplates({}));
    EXPECT_EQ(ReadBytes(data.templatesPath()), QByteArray("\xFF\xFE"));

    QTemporaryDir other;
    WriteBytes(other.filePath("QUILLON_DATA"), "a file where the data folder should be");
    const DataFolder broken(other.path());
    TemplateStore unusable(broken);
    EXPECT_FALSE(unusable.SaveTemplates({"x"}));
    FileError error;
    QStringList templates;
    EXPECT_FALSE(unusable.LoadTemplates(templates, &error));
    EXPECT_FALSE(unusable.AppendTemplate("x", &error));
    EXPECT_FALSE(unusable.TemplateStored("x"));
}

TEST_F(TemplateStoreTest, TemplateStoredComparesWholeTextsAndReads8BitInTheCodePage)
{
    ASSERT_TRUE(store.AppendTemplate("Two\nlines"));
    EXPECT_TRUE(store.TemplateStored("Two\nlines"));
    EXPECT_FALSE(store.TemplateStored("two\nlines"));
    EXPECT_FALSE(store.TemplateStored("Two"));

    WriteBytes(data.templatesPath(), QByteArray("Caf\xE9 open\r\n"));
    EXPECT_TRUE(store.TemplateStored(QStringLiteral("Caf\u00E9 open"), CodePage::Windows1252));
    EXPECT_FALSE(store.TemplateStored(QStringLiteral("Caf\u00E9 open"), CodePage::Utf8));
}

TEST_F(TemplateStoreTest, WorkersAddingTheSameTextsStoreEachOnce)
{
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t) {
        workers.emplace_back([this] {
            for (int i = 0; i < 40; ++i)
                store.AddIfNotStored(QStringLiteral("text %1").arg(i));
        });
    }
    for (auto& worker : workers)
        worker.join();
    const QByteArray bytes = ReadBytes(data.templatesPath());
    EXPECT_EQ(load().size(), 40);
    EXPECT_EQ(bytes.count(Utf16Bytes("\n", false)), 40);
    EXPECT_EQ(store.AddIfNotStored("text 3"), TemplateStore::AddResult::AlreadyStored);
}

} // namespace
