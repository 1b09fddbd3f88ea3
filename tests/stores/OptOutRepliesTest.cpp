#include "stores/OptOutReplies.h"

#include "stores/DataFolder.h"
#include "stores/ExclusionStore.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(OptOutRepliesTest, AKeywordMustBeTheWholeMessage)
{
    const QStringList keywords = OptOutSettings::defaultKeywords();
    const struct
    {
        QString reply;
        bool optsOut;
    } cases[] = {
        {u"STOP"_s, true},           {u" stop\n"_s, true}, {u"Stop All"_s, true},
        {u"\tunsubscribe "_s, true}, {u"quit"_s, true},    {u"END"_s, true},
        {u"please stop"_s, false},   {u"STOP!"_s, false},  {u"STOP  ALL"_s, false},
        {u"stopp"_s, false},         {u""_s, false},       {u"   "_s, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isOptOutReply(c.reply, keywords), c.optsOut) << c.reply.toStdString();
    // Keywords as the user typed them, blanks around them ignored too.
    EXPECT_TRUE(isOptOutReply(u"Halt"_s, {u" halt "_s}));
    EXPECT_FALSE(isOptOutReply(u"stop"_s, {}));
}

TEST(OptOutRepliesTest, ANumberGoesToItsListOnceAndAMissingListIsCreatedInUse)
{
    QTemporaryDir dir;
    const DataFolder data(dir.path());
    const ExclusionStore store(data);
    ASSERT_TRUE(AddToExclusionList(data, u"Opted out"_s, u"+447700900001"_s));
    ASSERT_TRUE(AddToExclusionList(data, u"opted OUT"_s, u"+447700900002"_s));
    ASSERT_TRUE(AddToExclusionList(data, u"Opted out"_s, u"+447700900001"_s));
    QStringList names, inUse, numbers;
    ASSERT_TRUE(store.readIndex(names, nullptr));
    ASSERT_TRUE(store.readInUse(inUse, nullptr));
    ASSERT_TRUE(store.readNumbers(u"Opted out"_s, numbers, nullptr));
    EXPECT_EQ(names, QStringList{u"Opted out"_s});
    EXPECT_EQ(inUse, QStringList{u"Opted out"_s});
    EXPECT_EQ(numbers, (QStringList{u"+447700900001"_s, u"+447700900002"_s}));

    // A list that exists but is not in use stays out of use: the user chose so.
    ASSERT_TRUE(store.appendNewList(u"Kept"_s, {u"1"_s}, nullptr));
    ASSERT_TRUE(AddToExclusionList(data, u"Kept"_s, u"2"_s));
    ASSERT_TRUE(store.readInUse(inUse, nullptr));
    EXPECT_EQ(inUse, QStringList{u"Opted out"_s});
    ASSERT_TRUE(store.readNumbers(u"Kept"_s, numbers, nullptr));
    EXPECT_EQ(numbers, (QStringList{u"1"_s, u"2"_s}));

    EXPECT_FALSE(AddToExclusionList(data, u"a/b"_s, u"3"_s));
    EXPECT_FALSE(AddToExclusionList(data, u"  "_s, u"3"_s));
}

} // namespace
