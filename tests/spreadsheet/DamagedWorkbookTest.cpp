#include "spreadsheet/SpreadsheetReader.h"
#include "support/WorkbookFixture.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

// Workbooks damaged at random places (with a fixed seed, so every run is the same) must end
// in a result or an error: never a crash, a hang or a read outside the file.
class DamagedWorkbookTest : public ::testing::TestWithParam<const char*>
{
protected:
    QTemporaryDir dir;
};

TEST_P(DamagedWorkbookTest, RandomDamageNeverCrashes)
{
    const QString original = dir.filePath(QStringLiteral("good.") + GetParam());
    ASSERT_TRUE(WriteWorkbook(original, {{"Contacts",
                                          {{QStringLiteral("Number"), QStringLiteral("Message")},
                                           {447700900123.0, QStringLiteral("Hello")},
                                           {true, QDate(2024, 1, 2)}}},
                                         {"Second", {{1.5}}}}));
    QFile in(original);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray good = in.readAll();

    std::mt19937 random(20240607);
    const QString damaged = dir.filePath(QStringLiteral("damaged.") + GetParam());
    for (int round = 0; round < 150; ++round) {
        QByteArray bytes = good;
        const int changes = 1 + int(random() % 8);
        for (int i = 0; i < changes; ++i)
            bytes[random() % bytes.size()] = char(random());
        if (round % 10 == 9)
            bytes.truncate(random() % bytes.size());
        QFile out(damaged);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();

        SpreadsheetReader reader;
        if (!reader.open(damaged).ok())
            continue;
        for (int sheet = 0; sheet < reader.sheetNames().size(); ++sheet) {
            const SheetTable* table = reader.sheet(sheet);
            if (table) {
                EXPECT_LE(table->cellCount(), qint64(table->rowCount()) * table->columnCount());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, DamagedWorkbookTest, ::testing::Values("xlsx", "xls"));

} // namespace
