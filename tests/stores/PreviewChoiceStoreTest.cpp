#include "stores/PreviewChoiceStore.h"

#include "stores/DataFolder.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PreviewChoiceStoreTest, KeepsThePriceAndTheChoiceInAUtf16RecordFile)
{
    QTemporaryDir base;
    const DataFolder folder(base.path());
    const PreviewChoiceStore store(folder);
    EXPECT_EQ(store.load(), PreviewChoices{}) << "a missing file gives the defaults";

    ASSERT_TRUE(store.save({0.0375, false}));
    EXPECT_EQ(store.load(), (PreviewChoices{0.0375, false}));
    EXPECT_EQ(ReadBytes(store.path()),
              Utf16Bytes(QStringLiteral("PricePerPart;0.0375\r\nShowOnSend;N\r\n")));
}

TEST(PreviewChoiceStoreTest, UnreadableRecordsKeepTheirDefaults)
{
    QTemporaryDir base;
    const DataFolder folder(base.path());
    folder.EnsureDataFolder();
    const PreviewChoiceStore store(folder);
    for (const char* price : {"abc", "-1", "inf", "nan", ""}) {
        WriteBytes(
            store.path(),
            Utf16Bytes(QStringLiteral("PricePerPart;%1\r\nnoise\r\n").arg(QLatin1String(price))));
        EXPECT_EQ(store.load(), PreviewChoices{}) << price;
    }
}
