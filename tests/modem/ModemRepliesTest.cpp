#include "modem/CSMSException.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/ModemCommands.h"
#include "modem/SubmissionStatus.h"

#include <gtest/gtest.h>

namespace {

TEST(ModemRepliesTest, MessageModeOfCmgfReply)
{
    const struct
    {
        const char* response;
        const char* mode;
    } cases[] = {
        {"AT+CMGF?\r\r\n+CMGF: 0\r\n\r\nOK\r\n", "0"},
        {"\r\n+CMGF: 1\r\n\r\nOK\r\n", "1"},
        {"\r\n+CMGF: (0,1)\r\n\r\nOK\r\n", "2"},
        {"AT+CMGF?\r\r\nOK\r\n", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageModeOfReply(c.response), c.mode) << c.response;
}

TEST(ModemRepliesTest, CharsetOfCscsReply)
{
    EXPECT_EQ(charsetOfReply("AT+CSCS?\r\r\n+CSCS: \"ucs2\"\r\n\r\nOK\r\n"), "UCS2");
    EXPECT_EQ(charsetOfReply("AT+CSCS?\r\r\nERROR\r\n"), "");
}

TEST(ModemRepliesTest, DetailValueIsTheRestOfTheLabelledLine)
{
    const QString details = "COM Port :COM7\nCom Port Details :QSIM-900 Modem at COM7\n"
                            "Default SMSC No. : +447785016005 \nSignal Quality :High (20)";
    const struct
    {
        const char* label;
        const char* value;
    } cases[] = {
        {"Default SMSC No. :", "+447785016005"},
        {"COM Port :", "COM7"},
        {"Operator Code :", ""},
        // The last line has no line break after it.
        {"Signal Quality :", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetDetailValue(details, c.label), c.value) << c.label;
    EXPECT_EQ(GetDetailValue("Model :X||Revision :R1\n", "Model :"), "X");
}

TEST(ModemRepliesTest, StatusTextAsTheWorkerWritesIt)
{
    const struct
    {
        CSMSException error;
        const char* status;
    } cases[] = {
        {ModemErrorFrom("+CMS ERROR: 38"), "Error : +CMS ERROR: 38"},
        {ModemErrorFrom("+CME ERROR: 100 unknown"), "Error : +CME ERROR: 100"},
        {ModemErrorFrom("ERROR"), "Error : +CMS ERROR: 500"},
        {NoResponseError("AT+CMGS=23"), "Error : +CMS ERROR: 500"},
        {CSMSException(CSMSException::SystemErrorBase | 5, {}), "Error : +CMS ERROR: 500"},
        {CSMSException(CSMSException::SystemErrorBase, {}), "Message sent successfully."},
        {ModemErrorFrom(""), "Message sent successfully."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(submissionStatusText(c.error), c.status) << c.error.what();
    EXPECT_EQ(submissionStatusText(SubmissionOutcome::Sent), "Message sent successfully.");
    EXPECT_EQ(submissionStatusText(SubmissionOutcome::Stopped), "Stopped");
}

} // namespace
