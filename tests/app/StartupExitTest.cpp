#include "app/ExitSequence.h"
#include "app/ProgramFolder.h"
#include "app/QuillonApp.h"
#include "app/Translations.h"
#include "base/Clock.h"
#include "support/FileBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class FakeProcessTable : public ProcessTable
{
public:
    QList<qint64> processesNamed(const QString& name) const override
    {
        return name == "adb.exe" ? adb : QList<qint64>{};
    }
    void forceEnd(qint64 pid) override { ended.append(pid); }

    QList<qint64> adb;
    QList<qint64> ended;
};

TEST(ProgramFolderTest, IsThePathUpToTheLastSeparator)
{
    EXPECT_EQ(ProgramFolderOf("/opt/quillon/bin/quillon"), "/opt/quillon/bin");
    EXPECT_EQ(ProgramFolderOf("/quillon"), "");
    EXPECT_EQ(ProgramFolderOf("quillon"), "/");
    EXPECT_EQ(DataFolder(ProgramFolderOf("quillon")).templatesPath(),
              "//QUILLON_DATA/Templates.korv");
}

TEST(ProgramFolderTest, BaseDirectoryFallsBackWhenTheProgramFolderCannotHoldData)
{
    QTemporaryDir dir;
    const QString user = dir.filePath("user/Quillon");
    EXPECT_EQ(ChooseBaseDirectory(dir.path(), "", user), dir.path());
    EXPECT_EQ(ChooseBaseDirectory(dir.path(), "/elsewhere", user), "/elsewhere");
    EXPECT_EQ(ChooseBaseDirectory(dir.filePath("gone"), "", user), user);
    EXPECT_TRUE(QDir(user).exists());
}

// An installed copy (bin/ beside share/ with the desktop entry) keeps its data per user even
// where the prefix is writable; a bin/ folder without the entry is a plain program folder.
TEST(ProgramFolderTest, InstalledProgramKeepsItsDataInTheUserFolder)
{
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath("bin");
    QDir(prefix.path()).mkpath("share/applications");
    const QString bin = prefix.filePath("bin");
    const QString user = prefix.filePath("user/Quillon");
    EXPECT_EQ(InstallPrefixOf(bin), "");
    EXPECT_EQ(ChooseBaseDirectory(bin, "", user), bin);

    QFile entry(prefix.filePath("share/applications/org.quillon.Quillon.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.close();
    EXPECT_EQ(InstallPrefixOf(bin), prefix.path());
    EXPECT_EQ(InstallPrefixOf(prefix.path()), "");
    EXPECT_EQ(ChooseBaseDirectory(bin, "", user), user);
    EXPECT_EQ(ChooseBaseDirectory(bin, "/elsewhere", user), "/elsewhere");
    EXPECT_EQ(UserGuidePathOf(bin), prefix.filePath("share/doc/quillon/guide/index.html"));
    EXPECT_EQ(TranslationsFolderOf(bin), prefix.filePath("share/quillon/translations"));
    EXPECT_EQ(TranslationsFolderOf(prefix.path()), prefix.filePath("translations"));
}

class StartupExitTest : public ::testing::Test
{
protected:
    CQuillonApp start() { return CQuillonApp({dir.filePath("quillon"), "", ""}, Clock::system()); }

    QTemporaryDir dir;
    FakeProcessTable processes;
};

TEST_F(StartupExitTest, SecondStartFindsTheDataInPlaceAndChangesNothing)
{
    CQuillonApp first = start();
    EXPECT_EQ(first.programFolder(), dir.path());
    WriteBytes(first.dataFolder().templatesPath(), Utf16Bytes("kept\n"));
    CQuillonApp second = start();
    EXPECT_EQ(ReadBytes(second.dataFolder().templatesPath()), Utf16Bytes("kept\n"));
    EXPECT_EQ(ReadBytes(second.dataFolder().sentItemPath()), QByteArray("\xFF\xFE"));
}

TEST_F(StartupExitTest, StartUpIgnoresTheFileSizeSignal)
{
    // Left at its default, SIGXFSZ ends the program in the middle of a write past a file-size
    // limit; ignored, the write fails and is reported.
    struct sigaction previous
    {};
    struct sigaction byDefault
    {};
    byDefault.sa_handler = SIG_DFL;
    sigaction(SIGXFSZ, &byDefault, &previous);
    CQuillonApp app = start();
    struct sigaction now
    {};
    sigaction(SIGXFSZ, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_IGN);
    sigaction(SIGXFSZ, &previous, nullptr);
}

TEST_F(StartupExitTest, ExitDeletesOnlyTheScratchFilesThatExistAndEndsAdb)
{
    WriteBytes(dir.filePath("message.txt"), "x");
    WriteBytes(dir.filePath("build.prop"), "x");
    WriteBytes(dir.filePath("notes.txt"), "x");
    RunExitSequence(dir.path(), processes);
    EXPECT_TRUE(processes.ended.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"notes.txt"});

    processes.adb = {41, 42};
    RunExitSequence(dir.path(), processes);
    EXPECT_EQ(processes.ended, (QList<qint64>{41, 42}));
}

TEST(SystemProcessTableTest, FindsProcessesByExactName)
{
    SystemProcessTable table;
    EXPECT_TRUE(table.processesNamed("adb.exe").isEmpty());
    const QString self = QString::fromUtf8(ReadBytes("/proc/self/comm")).trimmed();
    EXPECT_TRUE(table.processesNamed(self).contains(QCoreApplication::applicationPid()));
}

} // namespace
