#include "stores/StdioFileEx.h"

#include "support/FileBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

class StdioFileExTest : public ::testing::Test
{
protected:
    QString path(const QString& name = QStringLiteral("file.korv")) const
    {
        return dir.filePath(name);
    }

    QStringList readAll(const QString& file, int codePage = CodePage::System)
    {
        CStdioFileEx f;
        EXPECT_TRUE(f.Open(file, CStdioFileEx::typeText));
        f.SetCodePage(codePage);
        QStringList lines;
        QString line;
        while (f.ReadString(line))
            lines.append(line);
        return lines;
    }

    QTemporaryDir dir;
};

struct ReadCase
{
    const char* name;
    QByteArray bytes;
    QStringList lines;
    int codePage = CodePage::System;
};

TEST_F(StdioFileExTest, ReadsLinesOfEveryEncodingAndLineEnd)
{
    const QString accented = QString::fromUtf8("Café €");
    const ReadCase cases[] = {
        {"utf16 crlf", Utf16Bytes("one\r\ntwo\r\n"), {"one", "two"}},
        {"utf16 lf", Utf16Bytes("one\ntwo\n"), {"one", "two"}},
        {"utf16 lone cr", Utf16Bytes("one\r"), {"one"}},
        {"utf16 no final end", Utf16Bytes("one\ntwo"), {"one", "two"}},
        {"utf16 mark only", Utf16Bytes(""), {}},
        {"8-bit crlf", "one\r\ntwo\r\n", {"one", "two"}},
        {"8-bit lf", "one\ntwo", {"one", "two"}},
        {"8-bit cr", "one\r", {"one"}},
        {"8-bit 1252 accents", "Caf\xE9 \x80\n", {accented}},
        {"8-bit utf-8", "Caf\xC3\xA9 \xE2\x82\xAC\n", {accented}, CodePage::Utf8},
        // A big-endian or UTF-8 mark is not ours: the file is 8-bit and the mark is text.
        {"utf16 big-endian",
         QByteArray("\xFE\xFF\0a\n", 5),
         {QString::fromUtf8("þÿ") + QChar(0) + "a"}},
        {"utf-8 with mark", "\xEF\xBB\xBFone\n", {QString::fromUtf8("ï»¿one")}},
        {"empty", "", {}},
    };
    for (const ReadCase& c : cases) {
        WriteBytes(path(), c.bytes);
        EXPECT_EQ(readAll(path(), c.codePage), c.lines) << c.name;
    }
}

TEST_F(StdioFileExTest, LongEightBitLinesComeInPiecesOf4095Bytes)
{
    WriteBytes(path(), QByteArray(5000, 'a') + "\n" + QByteArray(4095, 'b') + "\r\nc\n");
    const QStringList lines = readAll(path());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].size(), 4095);
    EXPECT_EQ(lines[1].size(), 905);
    EXPECT_EQ(lines[2], QString(4095, 'b')); // its own line end does not make an empty line
    EXPECT_EQ(lines[3], "c");
}

TEST_F(StdioFileExTest, EmptyTextInNewUtf16FileIsJustTheMark)
{
    CStdioFileEx f;
    ASSERT_TRUE(f.Open(path(), 0x25001));
    f.WriteString(QString());
    f.Close();
    EXPECT_EQ(ReadBytes(path()), QByteArray("\xFF\xFE"));
}

TEST_F(StdioFileExTest, AppendingKeepsOneMark)
{
    for (const char* text : {"first\n", "second\n"}) {
        CStdioFileEx f;
        ASSERT_TRUE(f.Open(path(), 0x27001));
        f.SeekToEnd();
        f.WriteString(QString::fromLatin1(text));
    }
    EXPECT_EQ(ReadBytes(path()), Utf16Bytes("first\nsecond\n"));
}

TEST_F(StdioFileExTest, EightBitWritesUseTheCodePageAndHashForTheRest)
{
    CStdioFileEx f;
    ASSERT_TRUE(f.Open(path(), 0x7001));
    f.WriteString(QString::fromUtf8("é€中😀\r\n"));
    f.Close();
    EXPECT_EQ(ReadBytes(path()), QByteArray("\xE9\x80##\r\n"));

    ASSERT_TRUE(f.Open(path("utf8.txt"), 0x7001));
    f.SetCodePage(CodePage::Utf8);
    f.WriteString(QString::fromUtf8("é中"));
    f.Close();
    EXPECT_EQ(ReadBytes(path("utf8.txt")), QByteArray("\xC3\xA9\xE4\xB8\xAD"));
}

TEST_F(StdioFileExTest, FailedOpenReportsCreationOrAccess)
{
    CStdioFileEx f;
    FileError error;
    EXPECT_FALSE(f.Open(path("missing.korv"), CStdioFileEx::typeText, &error));
    EXPECT_EQ(error.errorNumber, ENOENT);
    EXPECT_FALSE(error.creating);
    EXPECT_FALSE(f.Open(path("no/such/folder.korv"), 0x25001, &error));
    EXPECT_TRUE(error.creating);
    EXPECT_TRUE(error.description().startsWith("Failure creating file."));
}

class StoreRewriteTest : public StdioFileExTest
{
protected:
    void SetUp() override { WriteBytes(path(), Utf16Bytes("old\n")); }
    QStringList folderEntries() const { return QDir(dir.path()).entryList(QDir::Files); }
};

TEST_F(StoreRewriteTest, NewContentReplacesOldOnlyOnClose)
{
    CStdioFileEx f;
    ASSERT_TRUE(f.Open(path(), 0x25001));
    f.WriteString(QStringLiteral("new\n"));
    EXPECT_EQ(ReadBytes(path()), Utf16Bytes("old\n"));
    f.Close();
    EXPECT_EQ(ReadBytes(path()), Utf16Bytes("new\n"));
    EXPECT_EQ(folderEntries(), QStringList{"file.korv"});
}

TEST_F(StoreRewriteTest, NoRecordsLeaveAnEmptyFile)
{
    CStdioFileEx f;
    ASSERT_TRUE(f.Open(path(), 0x25001));
    f.Close();
    EXPECT_EQ(ReadBytes(path()), QByteArray());
}

TEST_F(StoreRewriteTest, AnErrorHalfWayKeepsTheOldStore)
{
    try {
        CStdioFileEx f;
        ASSERT_TRUE(f.Open(path(), 0x25001));
        f.WriteString(QStringLiteral("half"));
        throw std::runtime_error("the program fails before the store is complete");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ReadBytes(path()), Utf16Bytes("old\n"));
    EXPECT_EQ(folderEntries(), QStringList{"file.korv"});
}

TEST_F(StoreRewriteTest, AFullDiskKeepsTheOldStoreAndRaises)
{
    // A file-size limit makes the write fail as a full disk would.
    struct sigaction ignore
    {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);

    bool raised = false;
    {
        CStdioFileEx f;
        EXPECT_TRUE(f.Open(path(), 0x25001));
        try {
            f.WriteString(QString(200, 'x'));
        } catch (const FileException& e) {
            raised = e.errorNumber() == EFBIG;
        }
        f.Close();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &previous, nullptr);

    EXPECT_TRUE(raised);
    EXPECT_EQ(ReadBytes(path()), Utf16Bytes("old\n"));
    EXPECT_EQ(folderEntries(), QStringList{"file.korv"});
}

} // namespace
