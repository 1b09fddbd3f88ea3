#include "stores/DataFolder.h"
#include "stores/PreviewChoiceStore.h"
#include "support/CliRunner.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Three rows: one GSM part, two UCS2 parts only for the curly quotes, one Chinese part.
QString writeRows(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("rows.txt"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("+447700900001\tHello there\n"
                              "+447700900002\t\u201CQuoted\u201D %1\n"
                              "+447700900003\t\u4E2D\u6587\n")
                   .arg(QStringLiteral("x").repeated(90))
                   .toUtf8());
    return path;
}

} // namespace

TEST(PreviewCommandTest, PrintsTheFiguresAndTheSavingOfTheReplacement)
{
    QTemporaryDir home;
    const QString rows = writeRows(home);
    const CliVariables variables{{"QUILLON_HOME", home.path()}};
    // The price kept by the preview window counts when none is given.
    const DataFolder folder(home.path());
    ASSERT_TRUE(PreviewChoiceStore(folder).save({0.1, true}));

    const CliRun run = runCli({"preview", "--file", rows, "--unicode", "--text-mode", "--modems",
                               "2", "--pause-every", "1", "--pause-for", "10 Seconds"},
                              variables);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              QStringLiteral("Rows: 3\n"
                             "SMS parts: 4 (GSM 7-bit: 1, UCS2: 3)\n"
                             "Rows by parts: 2 with 1 parts, 1 with 2 parts\n"
                             "Modem 1: 2 rows, 2 parts\n"
                             "Modem 2: 1 rows, 2 parts\n"
                             "Estimated time: 32 s (2 pauses)\n"
                             "Estimated cost: 0.40 (0.1 per part)\n"
                             "UCS2 because of a few characters: 1 rows (2): \u201C \u201D\n"
                             "\"Replace look-alike characters\" saves 1 parts\n"));

    const CliRun replaced = runCli({"preview", "--file", rows, "--unicode", "--text-mode",
                                    "--replace-lookalikes", "--price", "0.05"},
                                   variables);
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err.toStdString();
    EXPECT_TRUE(replaced.out.startsWith(
        QStringLiteral("Replaced look-alike characters in 1 rows: 1 parts fewer\n"
                       "Rows: 3\nSMS parts: 3 (GSM 7-bit: 2, UCS2: 1)\n")))
        << replaced.out.toStdString();
    EXPECT_TRUE(replaced.out.contains(QStringLiteral("Estimated cost: 0.15 (0.05 per part)\n")));
    EXPECT_FALSE(replaced.out.contains(QStringLiteral("because of a few characters")));
}

TEST(PreviewCommandTest, RefusesBadOptions)
{
    QTemporaryDir home;
    const QString rows = writeRows(home);
    for (const QStringList& arguments :
         {QStringList{"preview"}, QStringList{"preview", "--file", rows, "--price", "-1"},
          QStringList{"preview", "--file", rows, "--modems", "0"},
          QStringList{"preview", "--file", rows, "--pause-every", "3"}}) {
        const CliRun run = runCli(arguments, {{"QUILLON_HOME", home.path()}});
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    const CliRun missing =
        runCli({"preview", "--file", home.filePath("none.txt")}, {{"QUILLON_HOME", home.path()}});
    EXPECT_EQ(missing.exitCode, 1);
}
