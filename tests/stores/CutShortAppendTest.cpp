#include "stores/DataFolder.h"
#include "stores/SentItemStore.h"
#include "stores/TemplateStore.h"
#include "support/FileBytes.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A crash in the middle of an append leaves the last record without its line end. The next
// append must start a line of its own: glued to the broken record, the new record would be read
// back as part of it (a sent-item record even lends its status to the broken one).
struct CutShortCase
{
    const char* name;
    QString (*path)(const DataFolder&);
    const char* cutShortTail; // what the interrupted append left, without line end
    void (*append)(const DataFolder&, const QString& key);
    QStringList (*readBack)(const DataFolder&); // one text per record, as keyed by append
};

void appendSentItem(const DataFolder& folder, const QString& number)
{
    SentItemStore(folder).Append(number, "Whole", "Message sent successfully.", QDate(2026, 12, 6));
}

QStringList sentItems(const DataFolder& folder)
{
    std::vector<SentItem> records;
    SentItemStore(folder).Load(records);
    QStringList texts;
    for (const SentItem& r : records)
        texts.append(r.number + u'|' + r.message + u'|' + r.status);
    return texts;
}

void appendTemplate(const DataFolder& folder, const QString& text)
{
    TemplateStore(folder).AppendTemplate(text);
}

QStringList templates(const DataFolder& folder)
{
    QStringList texts;
    TemplateStore(folder).LoadTemplates(texts);
    return texts;
}

void PrintTo(const CutShortCase& c, std::ostream* out)
{
    *out << c.name;
}

const CutShortCase Cases[] = {
    {"SentItems", [](const DataFolder& f) { return f.sentItemPath(); },
     "\x07+447700900123\x0BHalf a mess", appendSentItem, sentItems},
    {"Templates", [](const DataFolder& f) { return f.templatesPath(); }, "Half a templ",
     appendTemplate, templates},
};

class CutShortAppendTest : public ::testing::TestWithParam<CutShortCase>
{};

TEST_P(CutShortAppendTest, TheNextAppendStartsOnALineOfItsOwn)
{
    const CutShortCase& c = GetParam();
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    folder.EnsureDataFolder();
    c.append(folder, "+447700900001");
    WriteBytes(c.path(folder),
               ReadBytes(c.path(folder)) + Utf16Bytes(QString::fromLatin1(c.cutShortTail), false));
    c.append(folder, "+447700900002");

    const QStringList records = c.readBack(folder);
    const auto whole = [&](const char* key) {
        return c.name == std::string("SentItems")
                   ? QStringLiteral("%1|Whole|Message sent successfully.").arg(key)
                   : QString::fromLatin1(key);
    };
    EXPECT_TRUE(records.contains(whole("+447700900001"))) << records.join(" / ").toStdString();
    EXPECT_TRUE(records.contains(whole("+447700900002"))) << records.join(" / ").toStdString();
}

// Cut inside a code unit: the file's size is odd. The record after it must start at a code-unit
// boundary, or it and every later one read back byte-swapped.
TEST_P(CutShortAppendTest, AnAppendAfterHalfACodeUnitStartsAtACodeUnitBoundary)
{
    const CutShortCase& c = GetParam();
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    folder.EnsureDataFolder();
    c.append(folder, "+447700900001");
    QByteArray bytes =
        ReadBytes(c.path(folder)) + Utf16Bytes(QString::fromLatin1(c.cutShortTail), false);
    bytes.chop(1);
    WriteBytes(c.path(folder), bytes);
    c.append(folder, "+447700900002");
    c.append(folder, "+447700900003");

    const QStringList records = c.readBack(folder);
    const auto whole = [&](const char* key) {
        return c.name == std::string("SentItems")
                   ? QStringLiteral("%1|Whole|Message sent successfully.").arg(key)
                   : QString::fromLatin1(key);
    };
    for (const char* key : {"+447700900001", "+447700900002", "+447700900003"})
        EXPECT_TRUE(records.contains(whole(key)))
            << key << ": " << records.join(" / ").toStdString();
    EXPECT_EQ(ReadBytes(c.path(folder)).size() % 2, 0);
}

INSTANTIATE_TEST_SUITE_P(Stores, CutShortAppendTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
