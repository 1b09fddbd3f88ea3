#include "modem/PartSubmission.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageReferenceTest, ReadsTheCmgsAnswer)
{
    const struct
    {
        const char* reply;
        std::optional<int> reference;
    } cases[] = {
        {"\r\n+CMGS: 12\r\n\r\nOK\r\n", 12},
        {"+CMGS:0\r\nOK", 0},
        {"+CMGS: 255\r\n", 255},
        {"\r\n+CMGS: 7", 7},                    // the final OK lost
        {"\r\n+CMGS: 44,\"10/01/01\"\r\n", 44}, // with the optional time stamp
        {"+CMGS: 256\r\nOK", std::nullopt},     // no octet
        {"+CMGS: \r\nOK", std::nullopt},
        {"\r\nOK\r\n", std::nullopt},
        {"+CMS ERROR: 38", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageReferenceOf(QString::fromLatin1(c.reply)), c.reference) << c.reply;
}

} // namespace
