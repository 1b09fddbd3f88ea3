#include "spreadsheet/SpreadsheetReader.h"
#include "support/QtPrinters.h"
#include "support/XlsFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace xlsfixture;

class XlsReaderTest : public ::testing::Test
{
protected:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("book.xls"))
    {
        const QString file = dir.filePath(name);
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return file;
    }

    // The first sheet's used range as rows of "|"-joined texts.
    QStringList readGrid(const QByteArray& bytes)
    {
        SpreadsheetReader reader;
        SpreadsheetError error = reader.open(write(bytes));
        const SheetTable* sheet = error.ok() ? reader.sheet(0, &error) : nullptr;
        if (!sheet)
            return {QStringLiteral("(unreadable) ") + error.detail};
        QStringList rows;
        for (int r = 1; r <= sheet->rowCount(); ++r) {
            QStringList cells;
            for (int c = 1; c <= sheet->columnCount(); ++c)
                cells.append(sheet->cellText(r, c));
            rows.append(cells.join(u'|'));
        }
        return rows;
    }

    QTemporaryDir dir;
};

TEST_F(XlsReaderTest, EveryKindOfCell)
{
    Book book;
    book.sheets.push_back({"Cells",
                           {
                               number(1, 1, 447700900123.0),
                               {1, 2, Kind::Rk, 42, {}},
                               text(1, 3, QString::fromUtf8("Привет, мир")),
                               {2, 1, Kind::Bool, 1, {}},
                               {2, 2, Kind::Bool, 0, {}},
                               {2, 3, Kind::Error, 0x2A, {}},
                               {3, 1, Kind::Formula, 7, {}},
                               {3, 2, Kind::Date, 45285, {}},
                               {3, 3, Kind::DateTime, 45285.75, {}},
                               {4, 1, Kind::Time, 0.5, {}},
                               number(4, 2, 0.1),
                               {4, 3, Kind::Blank, 0, {}},
                           },
                           std::nullopt});
    for (bool mini : {false, true})
        EXPECT_EQ(readGrid(xls(book, mini)), (QStringList{
                                                 "447700900123|42|Привет, мир",
                                                 "TRUE|FALSE|#N/A",
                                                 "7|25/12/2023|25/12/2023 18:00:00",
                                                 "12:00:00|0.1|",
                                             }))
            << (mini ? "in the mini stream" : "in regular sectors");
}

TEST_F(XlsReaderTest, DatesOfThe1904System)
{
    Book book;
    book.date1904 = true;
    book.sheets.push_back({"S", {{0, 0, Kind::Date, 43823, {}}}, std::nullopt});
    EXPECT_EQ(readGrid(xls(book)), QStringList{"25/12/2023"});
}

TEST_F(XlsReaderTest, NumberFormatsOfTheWorkbookDecideWhatIsADate)
{
    const struct
    {
        const char* format;
        const char* text;
    } cases[] = {
        {"dd mmm yyyy", "25/12/2023 12:00:00"},
        {"[$-409]d/m/yy h:mm;@", "25/12/2023 12:00:00"},
        {"0.00", "45285.5"},
        {"\"Day\" 0", "45285.5"},
    };
    for (const auto& c : cases) {
        Book book;
        book.customFormat = QString::fromLatin1(c.format);
        book.sheets.push_back({"S", {{0, 0, Kind::Custom, 45285.5, {}}}, std::nullopt});
        EXPECT_EQ(readGrid(xls(book)), QStringList{QString::fromLatin1(c.text)}) << c.format;
    }
}

TEST_F(XlsReaderTest, StringsAcrossContinueRecords)
{
    // Enough strings to fill several records, some split between two records.
    Book book;
    Sheet sheet{"S", {}, std::nullopt};
    QStringList expected;
    for (int r = 0; r < 1500; ++r) {
        const QString s = QStringLiteral("row %1 ").arg(r) + QString(r % 7, QChar(0x263A));
        sheet.cells.push_back(text(r, 0, s));
        expected.append(s);
    }
    book.sheets.push_back(sheet);
    EXPECT_EQ(readGrid(xls(book)), expected);
}

// A string that claims more characters than its record holds would make FreeXL read past its
// buffer: such a workbook is refused as damaged before FreeXL sees it.
TEST_F(XlsReaderTest, StringsLongerThanTheirRecordAreDamage)
{
    const struct
    {
        const char* what;
        QByteArray record;  // type, length and the start of the body, as in the file
        qsizetype lengthAt; // offset of the claimed character count within that
        QByteArray claimed;
    } cases[] = {
        {"format string", QByteArray("\x1E\x04", 2), 6, QByteArray("\xFF\xFF", 2)},
        {"sheet name", QByteArray("\x85\x00", 2), 10, QByteArray("\xFF", 1)},
        {"shared string", QByteArray("\xFC\x00", 2), 12, QByteArray("\xFF\xFF\xFF", 3)},
    };
    Book book;
    book.sheets = {{QStringLiteral("Sheet1"), {number(0, 0, 1), text(0, 1, "Number")}}};
    const QByteArray good = xls(book);
    for (const auto& c : cases) {
        QByteArray bytes = good;
        const qsizetype at = bytes.indexOf(c.record);
        ASSERT_GE(at, 0) << c.what;
        bytes.replace(at + c.lengthAt, c.claimed.size(), c.claimed);
        SpreadsheetReader reader;
        EXPECT_EQ(reader.open(write(bytes)).code, SpreadsheetErrorCode::Corrupt) << c.what;
    }
}

TEST_F(XlsReaderTest, ChartSheetsAreNotWorksheets)
{
    Book book;
    book.sheets.push_back({"One", {number(0, 0, 1)}, std::nullopt});
    book.sheets.push_back({"Chart", {}, std::nullopt, true});
    book.sheets.push_back({"Two", {{0, 0, Kind::Formula, 2, {}}}, std::nullopt});
    SpreadsheetReader reader;
    ASSERT_TRUE(reader.open(write(xls(book))).ok());
    EXPECT_EQ(reader.sheetNames(), (QStringList{"One", "Two"}));
    ASSERT_TRUE(reader.sheet(1));
    EXPECT_EQ(reader.sheet(1)->cellText(1, 1), "2");
}

struct BadXls
{
    const char* name;
    std::function<QByteArray()> bytes;
    SpreadsheetErrorCode code;
};

Book smallBook()
{
    Book book;
    book.sheets.push_back({"S", {number(0, 0, 1), text(0, 1, "x")}, std::nullopt});
    return book;
}

TEST_F(XlsReaderTest, AWholeWorkbookFreeXLRefusesIsReadByOurOwnWalk)
{
    // FreeXL cannot parse an empty shared string; the records are whole all the same.
    Book book = smallBook();
    book.sheets[0].cells.push_back(number(1, 0, 2.5));
    book.sheets[0].cells.push_back(text(1, 1, QString()));
    book.sheets[0].cells.push_back(text(2, 1, QString::fromUtf8("Ж last")));
    EXPECT_EQ(readGrid(xls(book)), (QStringList{"1|x", "2.5|", QString::fromUtf8("|Ж last")}));
}

TEST_F(XlsReaderTest, BadInputEndsInATypedError)
{
    const BadXls cases[] = {
        {"password-protected workbook",
         [] {
             Book book = smallBook();
             book.filePass = true;
             return xls(book);
         },
         SpreadsheetErrorCode::Encrypted},
        {"password-protected xlsx package",
         [] {
             return compoundFile({{"EncryptionInfo", QByteArray(200, '\1')},
                                  {"EncryptedPackage", QByteArray(5000, '\2')}});
         },
         SpreadsheetErrorCode::Encrypted},
        {"compound file of another kind",
         [] {
             return compoundFile({{"WordDocument", QByteArray(5000, '\0')}});
         },
         SpreadsheetErrorCode::NotAWorkbook},
        {"truncated", [] { return xls(smallBook()).left(1500); }, SpreadsheetErrorCode::Corrupt},
        {"header only", [] { return xls(smallBook()).left(512); }, SpreadsheetErrorCode::Corrupt},
        {"allocation table in a loop",
         [] {
             QByteArray b = xls(smallBook());
             // The FAT is the last sector; make the Workbook chain go round its first sector.
             const qsizetype fat = b.size() - 512;
             b[fat] = b[fat + 1] = b[fat + 2] = b[fat + 3] = 0;
             return b;
         },
         SpreadsheetErrorCode::Corrupt},
        {"sheets claiming more cells than a sheet has",
         [] {
             Book book = smallBook();
             book.sheets[0].dimensions = std::array<int, 4>{0, 65536, 0, 256};
             book.sheets.push_back(book.sheets[0]);
             book.sheets[1].name = "T";
             return xls(book);
         },
         SpreadsheetErrorCode::TooLarge},
    };
    for (const BadXls& c : cases) {
        SpreadsheetReader reader;
        SpreadsheetError error = reader.open(write(c.bytes()));
        if (error.ok()) {
            EXPECT_EQ(reader.sheet(0, &error), nullptr) << c.name;
        }
        EXPECT_EQ(error.code, c.code) << c.name << ": " << error.detail.toStdString();
    }
}

// An encrypted xlsx is an OLE2 file whatever its name says.
TEST_F(XlsReaderTest, ContentDecidesTheFormatNotTheName)
{
    SpreadsheetReader reader;
    EXPECT_EQ(reader
                  .open(write(compoundFile({{"EncryptionInfo", QByteArray(200, '\1')},
                                            {"EncryptedPackage", QByteArray(5000, '\2')}}),
                              QStringLiteral("secret.xlsx")))
                  .code,
              SpreadsheetErrorCode::Encrypted);
    ASSERT_TRUE(reader.open(write(xls(smallBook()), QStringLiteral("renamed.xlsx"))).ok());
    ASSERT_TRUE(reader.sheet(0));
    EXPECT_EQ(reader.sheet(0)->cellText(1, 2), "x");
}

} // namespace
