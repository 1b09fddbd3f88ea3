#include "modem/TextModeText.h"

#include <gtest/gtest.h>

namespace {

TEST(TextModeTextTest, NeedsUnicodeOnlyOutsideTheGsmTextSet)
{
    const struct
    {
        QString text;
        bool needs;
    } cases[] = {
        {"", false},
        {"Hello, world! {[~]} ^|\\", false},
        {"line\r\nbreak\fpage", false},
        {"Price 5€ £3 ¥9 ¤ §1 ¿¡", false},
        {"ÄÅÆÇÉÑÖØÜß àäåæèéìñòöøùü", false},
        {"ΓΔΘΛΞΠΣΦΨΩ", false},
        {"back`quote", true},
        {"tab\there", true},
        {"ê", true},
        {"Привет", true},
        {"λ", true}, // Greek capitals only
        {QString::fromUtf8("smile \xF0\x9F\x98\x80"), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NeedsUnicode(c.text), c.needs) << c.text.toStdString();
}

TEST(TextModeTextTest, CsmpCommandCarriesTheDataCoding)
{
    EXPECT_EQ(CsmpCommand(false, false), "AT+CSMP=17,255,0,0\r");
    EXPECT_EQ(CsmpCommand(false, true), "AT+CSMP=17,255,0,8\r");
    EXPECT_EQ(CsmpCommand(true, false), "AT+CSMP=17,255,0,16\r");
    EXPECT_EQ(CsmpCommand(true, true), "AT+CSMP=17,255,0,24\r");
    EXPECT_EQ(CsmpCommand(false, false, true), "AT+CSMP=49,255,0,0\r");
    EXPECT_EQ(CsmpCommand(true, true, true), "AT+CSMP=49,255,0,24\r");
}

std::vector<qsizetype> sliceLengths(const QStringList& slices)
{
    std::vector<qsizetype> lengths;
    for (const QString& slice : slices)
        lengths.push_back(slice.size());
    return lengths;
}

TEST(TextModeTextTest, SlicesCoverTheTextAndEachFitsOneSms)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const struct
    {
        QString text;
        bool unicode;
        std::vector<qsizetype> lengths;
    } cases[] = {
        {"", false, {0}},
        {QString(150, u'a'), false, {150}},
        {QString(301, u'a'), false, {150, 150, 1}},
        // 150 escaped characters are 300 septets: 80 fit one SMS.
        {QString(150, u'{'), false, {80, 70}},
        {QString(2, u'a') + QString(150, u'['), false, {81, 71}},
        {QString(64, u'ж'), true, {64}},
        {QString(130, u'ж'), true, {64, 64, 2}},
        // A surrogate pair at units 64 and 65 moves to the next slice whole.
        {QString(63, u'ж') + emoji + "x", true, {63, 3}},
    };
    for (const auto& c : cases) {
        const QStringList slices = textModeSlices(c.text, c.unicode);
        EXPECT_EQ(sliceLengths(slices), c.lengths) << c.text.left(20).toStdString();
        EXPECT_EQ(slices.join(QString()), c.text);
    }
}

} // namespace
