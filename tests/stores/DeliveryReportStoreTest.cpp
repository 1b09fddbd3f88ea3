#include "stores/DeliveryReportStore.h"

#include "stores/DataFolder.h"
#include "support/FileBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

const QString kBel = QStringLiteral("\x07");
const QString kVt = QStringLiteral("\x0B");
const QDateTime kSent(QDate(2026, 3, 1), QTime(10, 0, 0, 250), QTimeZone(3600));

const DeliveryPartRecord kPart{42,
                               "COM3",
                               7,
                               "+447700900123",
                               kSent,
                               2,
                               3,
                               0xFEDCBA9876543210ULL,
                               kSent.date(),
                               "0123456789abcdef"};
const DeliveryReportRecord kReport{"COM3",           255, "+447700900123", 0x46,
                                   kSent.addSecs(5), {},  kSent.addSecs(9)};

TEST(DeliveryRecordTest, LinesRoundTripInTheStoresFieldFormat)
{
    const QString oldLine = kBel + "P" + kVt + "42" + kVt + "COM3" + kVt + "7" + kVt +
                            "+447700900123" + kVt + "2026-03-01T10:00:00.250+01:00" + kVt + "2" +
                            kVt + "3";
    EXPECT_EQ(DeliveryRecord::ToLine(kPart), oldLine + kVt + "18364758544493064720" + kVt +
                                                 "2026-03-01" + kVt + "0123456789abcdef");
    // A part written before runs had ids: run 0, no sent-items key.
    const auto old = DeliveryRecord::FromLine(oldLine);
    ASSERT_TRUE(old.has_value());
    const DeliveryPartRecord& oldPart = std::get<DeliveryPartRecord>(*old);
    EXPECT_EQ(oldPart.run, 0u);
    EXPECT_EQ(oldPart.row, 42);
    EXPECT_FALSE(oldPart.day.isValid());
    EXPECT_TRUE(oldPart.messageKey.isEmpty());
    for (const DeliveryRecordEntry& entry :
         {DeliveryRecordEntry(kPart), DeliveryRecordEntry(kReport)}) {
        const std::optional<DeliveryRecordEntry> back =
            DeliveryRecord::FromLine(DeliveryRecord::ToLine(entry));
        ASSERT_TRUE(back.has_value());
        EXPECT_TRUE(*back == entry);
    }
    // Separators inside a field cannot split the record.
    DeliveryReportRecord odd = kReport;
    odd.recipient = "+44\x07"
                    "77\x0B"
                    "00";
    const auto back = DeliveryRecord::FromLine(DeliveryRecord::ToLine(odd));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(std::get<DeliveryReportRecord>(*back).recipient, "+447700");
}

TEST(DeliveryRecordTest, RefusesLinesThatAreNotWholeRecords)
{
    const QString part = DeliveryRecord::ToLine(kPart);
    const QString inputs[] = {
        QString(),
        part.left(part.lastIndexOf(kVt)),                              // cut short: one field fewer
        QString(part).replace("2026-03-01" + kVt, "2026-13-01" + kVt), // no day
        part.mid(1),                                                   // no BEL
        QString(part).replace(kVt + "7" + kVt, kVt + "256" + kVt),     // no octet
        QString(part).replace(kBel + "P", kBel + "X"),
        kBel + "R" + kVt + "COM3",
    };
    for (const QString& input : inputs)
        EXPECT_FALSE(DeliveryRecord::FromLine(input).has_value()) << input.toStdString();
}

class DeliveryReportStoreTest : public ::testing::Test
{
protected:
    std::vector<DeliveryRecordEntry> load()
    {
        std::vector<DeliveryRecordEntry> entries;
        EXPECT_TRUE(store.Load(entries));
        return entries;
    }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    DeliveryReportStore store{data};
};

TEST_F(DeliveryReportStoreTest, AppendsLoadsAndRewrites)
{
    EXPECT_TRUE(load().empty()); // no file yet
    ASSERT_TRUE(store.Append(kPart));
    ASSERT_TRUE(store.Append(kReport));
    EXPECT_EQ(ReadBytes(store.path()).left(2), QByteArray("\xFF\xFE"));
    std::vector<DeliveryRecordEntry> entries = load();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0] == DeliveryRecordEntry(kPart));
    EXPECT_TRUE(entries[1] == DeliveryRecordEntry(kReport));

    ASSERT_TRUE(store.Rewrite({DeliveryRecordEntry(kReport)}));
    entries = load();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0] == DeliveryRecordEntry(kReport));
}

// An append cut short leaves half a record: it is skipped, and the next record still reads.
TEST_F(DeliveryReportStoreTest, AHalfWrittenRecordLosesNothingAfterIt)
{
    ASSERT_TRUE(store.Append(kPart));
    {
        QFile file(store.path());
        ASSERT_TRUE(file.open(QIODevice::Append));
        const QString half = DeliveryRecord::ToLine(kReport).left(10);
        file.write(reinterpret_cast<const char*>(half.utf16()), half.size() * 2);
    }
    ASSERT_TRUE(store.Append(kReport));
    const std::vector<DeliveryRecordEntry> entries = load();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[1] == DeliveryRecordEntry(kReport));
}

} // namespace
