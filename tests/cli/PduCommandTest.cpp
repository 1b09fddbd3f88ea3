#include "support/CliRunner.h"

#include <gtest/gtest.h>

namespace {

TEST(CliHelpTest, EverySubcommandLaysOutItsHelpOneWay)
{
    for (const char* command : {"pdu", "info", "send-one", "import", "scan", "send", "preview"}) {
        SCOPED_TRACE(command);
        const CliRun run = runCli({command, "--help"});
        EXPECT_EQ(run.exitCode, 0);
        const QStringList lines = run.out.split(u'\n');
        ASSERT_GE(lines.size(), 4);
        // The usage line, the description, a blank line, then the options.
        EXPECT_TRUE(lines[0].startsWith(QString("Usage: quillon-cli %1").arg(command)))
            << lines[0].toStdString();
        EXPECT_FALSE(lines[1].isEmpty());
        EXPECT_TRUE(lines[2].isEmpty());
        EXPECT_EQ(lines[3], "Options:");
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
    // The usage and the arguments name the port the same way.
    const CliRun info = runCli({"info", "--help"});
    EXPECT_TRUE(info.out.contains("  COM<n> ")) << info.out.toStdString();
    EXPECT_FALSE(info.out.contains("PORT")) << info.out.toStdString();
}

TEST(PduCommandTest, PrintsTheTpduLengthAndPduOfEachPart)
{
    const struct
    {
        QStringList arguments;
        QByteArray out;
    } cases[] = {
        {{"pdu", "--to", "+46708251358", "hellohello"},
         "23 0011000B916407281553F800008F0AE8329BFD4697D9EC37\n"},
        {{"pdu", "--to", "+441234567890", "--smsc", "+919876543210", "--unicode", "--flash", "Hi"},
         "18 0791198967452301"
         "1100"
         "0C91442143658709"
         "00188F04"
         "00480069\n"},
        // Line breaks go as a single LF.
        {{"pdu", "--to", "12345", "a\r\nb"},
         "14 0011000581"
         "2143F5"
         "00008F03"
         "618518\n"},
        {{"pdu", "--to", "12345", QStringLiteral("a").repeated(161)},
         "151 00"
         "5100"
         "05812143F5"
         "00008F"
         "A0"
         "0608040001"
         "0201" +
             QByteArray("E170381C0E87C3").repeated(19) + "\n" +
             "26 00"
             "5100"
             "05812143F5"
             "00008F"
             "11"
             "0608040001"
             "0202"
             "E170381C0E87C361\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, QString::fromLatin1(c.out)) << c.arguments.join(' ').toStdString();
    }
}

TEST(PduCommandTest, RefusesBadInputWithExitCode2)
{
    const QStringList cases[] = {
        {"pdu", "hello"},
        {"pdu", "--to", "+44 1234", "hello"},
        {"pdu", "--to", "123456789012345678901", "hello"},
        {"pdu", "--to", "12345", "--smsc", "+9198x", "hello"},
        {"pdu", "--to", "12345"},
        {"pdu", "--to", "12345", "one", "two"},
        {"pdu", "--to", "12345", "--colour", "hello"},
        {"nosuchcommand"},
        {},
    };
    for (const QStringList& arguments : cases) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.trimmed().isEmpty()) << arguments.join(' ').toStdString();
    }
}

} // namespace

TEST(PduCommandTest, NationalLanguageTablesWhereTheySaveParts)
{
    const QString turkish = QString(100, u'\u0131');
    const CliRun ucs2 = runCli({"pdu", "--to", "+441234567890", "--unicode", turkish});
    EXPECT_EQ(ucs2.out.count(u'\n'), 2) << "two UCS2 parts";
    const CliRun national =
        runCli({"pdu", "--to", "+441234567890", "--unicode", "--national-languages", turkish});
    ASSERT_EQ(national.exitCode, 0) << national.err.toStdString();
    const QStringList lines = national.out.trimmed().split(u'\n');
    ASSERT_EQ(lines.size(), 1);
    // One message with a header (0x51), GSM coding, 105 septets, the Turkish locking shift.
    EXPECT_TRUE(lines[0].contains(QLatin1String("00008F6903250101"))) << lines[0].toStdString();

    // Hindi in its locking shift table: 5 + 90 septets in one message, not two in UCS2.
    const QString hindi = QStringLiteral("नमस्ते").repeated(15);
    const CliRun devanagari =
        runCli({"pdu", "--to", "+441234567890", "--unicode", "--national-languages", hindi});
    ASSERT_EQ(devanagari.exitCode, 0) << devanagari.err.toStdString();
    const QStringList hindiLines = devanagari.out.trimmed().split(u'\n');
    ASSERT_EQ(hindiLines.size(), 1);
    EXPECT_TRUE(hindiLines[0].contains(QLatin1String("00008F5F03250106")))
        << hindiLines[0].toStdString();
}
