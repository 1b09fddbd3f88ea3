#include "modem/CSMSException.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

namespace {

CSMSException thrownBy(const std::function<void()>& raise)
{
    try {
        raise();
    } catch (const CSMSException& error) {
        return error;
    }
    ADD_FAILURE() << "no CSMSException thrown";
    return CSMSException(std::nullopt, {});
}

TEST(NormaliseModemReplyTest, KeepsOnlyTheErrorPart)
{
    const struct
    {
        QString reply;
        QString normalised;
    } cases[] = {
        {"Message sent successfully.", ""},
        {"\r\nOK\r\n", ""},
        {"", ""},
        {" \r\nERROR\r\n", "ERROR"},
        {"\r\n+CMGS: 12\r\n\r\n+CMS ERROR: 38\r\n", "+CMS ERROR: 38"},
        {"AT+CMGS=23\r\r\n+CME ERROR: 10 SIM not inserted", "+CME ERROR: 10 SIM not inserted"},
        {"+CME ERROR: 3\r\n+CMS ERROR: 304", "+CMS ERROR: 304"},
        {"TERROR", "+CMS ERROR: 500"},
        {"\r\nERROR\r\nERROR", "+CMS ERROR: 500"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormaliseModemReply(c.reply), c.normalised) << c.reply.toStdString();
}

TEST(RaiseModemErrorTest, CutsAfterTheCodeUnlessTheTextEndsASentence)
{
    const struct
    {
        QString text;
        QString message;
    } cases[] = {
        {"+CMS ERROR: 500 and more words", "+CMS ERROR: 500"},
        {"+CMS ERROR: 500 and more words.", "+CMS ERROR: 500 and more words."},
        {"\r\n+CME ERROR: 010 SIM not inserted", "\r\n+CME ERROR: 010"},
        {"+CME ERROR: 100 then +CMS ERROR: 300 wins", "+CME ERROR: 100 then +CMS ERROR: 300"},
        {"+CMS ERROR: 5", "+CMS ERROR: 5"},
        {"ERROR", "ERROR"},
    };
    for (const auto& c : cases) {
        const CSMSException error = thrownBy([&] { RaiseModemError(c.text); });
        EXPECT_FALSE(error.code().has_value());
        EXPECT_EQ(error.message(), c.message) << c.text.toStdString();
        EXPECT_EQ(GetModemErrorText(error), c.message);
    }
}

TEST(CSMSExceptionTest, CodesAndTexts)
{
    const struct
    {
        const char* name;
        std::function<void()> raise;
        std::uint32_t code;
        QString text;
        QString modemText;
    } cases[] = {
        {"no response", [] { RaiseNoResponse("AT"); }, 0x80040204,
         "Failed to receive a response from the modem.",
         "Failed to receive a response from the modem."},
        {"success", [] { RaiseSystemError(0); }, 0x80070000,
         "The operation completed successfully.", ""},
        {"system", [] { RaiseSystemError(ENOENT); }, 0x80070002, "No such file or directory",
         "No such file or directory"},
        {"low bits only", [] { RaiseSystemError(0x10000 | EIO); }, 0x80070005, "Input/output error",
         "Input/output error"},
        {"unknown to the system", [] { RaiseSystemError(4000, "no such text"); }, 0x80070FA0,
         "no such text", "no such text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CSMSException error = thrownBy(c.raise);
        EXPECT_EQ(error.code(), c.code);
        EXPECT_EQ(error.GetErrorMessage(), c.text);
        EXPECT_EQ(GetModemErrorText(error), c.modemText);
    }
}

} // namespace
