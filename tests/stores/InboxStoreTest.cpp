#include "stores/InboxStore.h"

#include "base/Clock.h"
#include "stores/DataFolder.h"
#include "stores/InboxAssembly.h"
#include "stores/InboxView.h"
#include "stores/RecordFile.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDateTime Stamp(QDate(2026, 3, 4), QTime(10, 20, 30), QTimeZone(3600));
const QDateTime Received(QDate(2026, 3, 4), QTime(10, 21, 0, 250), QTimeZone(0));

InboxPart part(int reference, int count, int number, const QString& text,
               const QString& sender = u"+447700900123"_s, qint64 secondsLater = 0)
{
    InboxPart p;
    p.port = u"COM4"_s;
    p.sender = sender;
    p.serviceCentreTime = Stamp;
    p.receivedAt = Received.addSecs(secondsLater);
    p.reference = reference;
    p.partCount = count;
    p.part = number;
    p.text = text;
    return p;
}

TEST(InboxRecordTest, LinesRoundTripInTheStoresFieldFormat)
{
    InboxPart binary = part(-1, 1, 1, u"0102FF"_s, u"Bank"_s);
    binary.coding = InboxPart::Coding::EightBit;
    InboxPart unknownTime = part(0x1F4, 3, 2, u"Привет 😀 \a\v tabs\t"_s);
    unknownTime.serviceCentreTime = QDateTime();
    const InboxPart parts[] = {part(-1, 1, 1, u"two\nlines"_s), binary, unknownTime};
    for (const InboxPart& p : parts) {
        const QString line = InboxRecord::ToLine(p);
        EXPECT_FALSE(line.contains(u'\n'));
        const std::optional<InboxPart> back = InboxRecord::FromLine(line);
        ASSERT_TRUE(back.has_value()) << line.toStdString();
        InboxPart expected = p;
        expected.text.remove(u'\a').remove(u'\v'); // the field separators never reach a file
        EXPECT_EQ(*back, expected);
    }
    // A CR inside a text is kept as a line break of its own.
    EXPECT_EQ(InboxRecord::FromLine(InboxRecord::ToLine(part(-1, 1, 1, u"a\r\nb\rc"_s)))->text,
              u"a\nb\nc"_s);
}

TEST(InboxRecordTest, RefusesLinesThatAreNotWholeRecords)
{
    const QString whole = InboxRecord::ToLine(part(7, 2, 1, u"x"_s));
    const QString damaged[] = {
        whole.mid(1),                                         // no BEL
        whole.left(whole.lastIndexOf(u'\v')),                 // a field short
        whole + u"\vextra"_s,                                 // a field too many
        QString(whole).replace(u"\v2\v1\v"_s, u"\v2\v3\v"_s), // part beyond its count
        QString(whole).replace(u"\vtext\v"_s, u"\v16bit\v"_s),
        u"plain text"_s,
    };
    for (const QString& line : damaged)
        EXPECT_FALSE(InboxRecord::FromLine(line).has_value()) << line.toStdString();
}

class InboxStoreTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    DataFolder data{dir.path()};
};

TEST_F(InboxStoreTest, KeepsOneCopyOfAPartReadAgain)
{
    {
        InboxStore store(data);
        EXPECT_EQ(store.Add(part(-1, 1, 1, u"STOP"_s)), InboxStore::AddResult::Added);
        EXPECT_EQ(store.Add(part(5, 2, 1, u"first half"_s)), InboxStore::AddResult::Added);
        // The same part taken again later (its deletion failed) is known.
        EXPECT_EQ(store.Add(part(-1, 1, 1, u"STOP"_s, u"+447700900123"_s, 60)),
                  InboxStore::AddResult::Duplicate);
        // The same words at another time, from another sender or as another part are new.
        InboxPart later = part(-1, 1, 1, u"STOP"_s);
        later.serviceCentreTime = Stamp.addSecs(1);
        EXPECT_EQ(store.Add(later), InboxStore::AddResult::Added);
        EXPECT_EQ(store.Add(part(-1, 1, 1, u"STOP"_s, u"+447700900999"_s)),
                  InboxStore::AddResult::Added);
        EXPECT_EQ(store.Add(part(5, 2, 2, u"first half"_s)), InboxStore::AddResult::Added);
    }
    // A new instance (the program started again after a crash) reads what the file holds.
    InboxStore again(data);
    EXPECT_EQ(again.Add(part(5, 2, 1, u"first half"_s)), InboxStore::AddResult::Duplicate);
    std::vector<InboxPart> parts;
    ASSERT_TRUE(again.Load(parts));
    ASSERT_EQ(parts.size(), 5u);
    EXPECT_EQ(parts[0], part(-1, 1, 1, u"STOP"_s));
    EXPECT_TRUE(again.path().endsWith(u"QUILLON_DATA/Inbox.korv"_s));

    QFile file(again.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(2) == QByteArray("\xFF\xFE", 2)); // UTF-16 LE with its mark
}

struct AssemblyCase
{
    const char* name;
    std::vector<InboxPart> parts;
    qint64 secondsAfterLast;
    std::vector<QString> texts; // the messages shown, in order
    std::vector<std::vector<int>> missing;
    int waiting;
};

TEST_F(InboxStoreTest, ReadMarksRoundTripAndAMessageKeepsItsKeyAsPartsCome)
{
    const Clock fast(3600000); // the wait for missing parts is over at once
    const QDateTime now = Received.addSecs(10);
    std::vector<InboxPart> parts = {part(-1, 1, 1, u"STOP"_s), part(9, 2, 2, u"second"_s)};
    const std::vector<InboxMessage> before = assembleInbox(parts, now, fast).messages;
    ASSERT_EQ(before.size(), 2u);
    ASSERT_FALSE(before[1].complete());
    parts.push_back(part(9, 2, 1, u"first "_s));
    parts.push_back(part(-1, 1, 1, u"STOP"_s, u"+447700900999"_s));
    const std::vector<InboxMessage> messages = assembleInbox(parts, now, fast).messages;
    ASSERT_EQ(messages.size(), 3u);
    ASSERT_TRUE(messages[1].complete());
    EXPECT_EQ(messages[1].key, before[1].key);
    // The same words from another sender are another message.
    EXPECT_NE(messages[0].key, messages[2].key);

    InboxStore store(data);
    InboxReadMarks& marks = store.readMarks();
    QSet<QString> keys;
    ASSERT_TRUE(marks.Load(keys));
    EXPECT_TRUE(keys.isEmpty());
    ASSERT_TRUE(marks.MarkRead({messages[1].key, messages[0].key}));
    ASSERT_TRUE(marks.MarkRead({messages[0].key})); // known already: nothing written
    const InboxReadMarks reopened(data);
    ASSERT_TRUE(reopened.Load(keys));
    EXPECT_EQ(keys, (QSet<QString>{messages[0].key, messages[1].key}));
    QStringList lines;
    ASSERT_TRUE(RecordFile::ReadLines(reopened.path(), lines));
    EXPECT_EQ(lines.size(), 2);
    EXPECT_TRUE(reopened.path().endsWith(u"QUILLON_DATA/InboxRead.korv"_s));

    const InboxReadState read{keys, {}};
    EXPECT_TRUE(read.isRead(messages[1]));
    EXPECT_FALSE(read.isRead(messages[2]));
}

TEST(InboxAssemblyTest, JoinsPartsInAnyOrderAndShowsMissingOnesAfterTheTimeOut)
{
    const qint64 hour = MissingPartTimeoutMs / 1000;
    const AssemblyCase cases[] = {
        {"out of order",
         {part(9, 3, 3, u"c"_s), part(9, 3, 1, u"a"_s), part(9, 3, 2, u"b"_s)},
         0,
         {u"abc"_s},
         {{}},
         0},
        {"a copy of a part",
         {part(9, 2, 1, u"a"_s), part(9, 2, 1, u"a"_s), part(9, 2, 2, u"b"_s)},
         0,
         {u"ab"_s},
         {{}},
         0},
        {"one missing, still waiting",
         {part(9, 3, 3, u"c"_s), part(9, 3, 1, u"a"_s)},
         hour - 1,
         {},
         {},
         1},
        {"one missing after the time-out",
         {part(9, 3, 3, u"c"_s), part(9, 3, 1, u"a"_s)},
         hour,
         {u"a"_s + MissingPartMark + u"c"_s},
         {{2}},
         0},
        // Same reference from two senders, and from one sender used again for a new message.
        {"references apart",
         {part(9, 2, 1, u"a"_s), part(9, 2, 1, u"x"_s, u"+1555"_s), part(9, 2, 2, u"b"_s),
          part(9, 2, 2, u"y"_s, u"+1555"_s), part(9, 2, 1, u"again"_s), part(9, 2, 2, u"!"_s)},
         0,
         {u"ab"_s, u"xy"_s, u"again!"_s},
         {{}, {}, {}},
         0},
        {"single parts are messages of their own",
         {part(-1, 1, 1, u"one"_s), part(-1, 1, 1, u"one"_s)},
         0,
         {u"one"_s, u"one"_s},
         {{}, {}},
         0},
    };
    const Clock clock;
    for (const AssemblyCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QDateTime now = Received.addSecs(c.secondsAfterLast);
        const InboxAssembly assembly = assembleInbox(c.parts, now, clock);
        EXPECT_EQ(assembly.waiting, c.waiting);
        ASSERT_EQ(assembly.messages.size(), c.texts.size());
        for (std::size_t i = 0; i < c.texts.size(); ++i) {
            EXPECT_EQ(assembly.messages[i].text, c.texts[i]);
            EXPECT_EQ(assembly.messages[i].missingParts, c.missing[i]);
            EXPECT_EQ(assembly.messages[i].complete(), c.missing[i].empty());
        }
    }
}

TEST(InboxAssemblyTest, TheTimeOutRunsOnTheClock)
{
    const std::vector<InboxPart> parts = {part(9, 2, 2, u"b"_s)};
    // Ten seconds are an hour to a clock that runs 360 times faster.
    EXPECT_EQ(assembleInbox(parts, Received.addSecs(10), Clock(360)).messages.size(), 1u);
    EXPECT_EQ(assembleInbox(parts, Received.addSecs(10), Clock(1)).waiting, 1);
}

} // namespace
