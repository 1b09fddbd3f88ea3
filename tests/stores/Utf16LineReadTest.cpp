#include "stores/StdioFileEx.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// UTF-16 lines are read a buffer at a time; line ends and lines may straddle buffers.
TEST(Utf16LineReadTest, LinesAcrossBufferBoundariesReadBackWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lines.korv");
    QStringList lines;
    for (const int length : {8190, 8191, 8192, 1, 0, 100'000, 3})
        lines.append(QString(length, QChar(u'a' + length % 26)));
    for (const char* end : {"\n", "\r\n"}) {
        WriteBytes(path, Utf16Bytes(lines.join(end) + end));
        CStdioFileEx file;
        ASSERT_TRUE(file.Open(path, CStdioFileEx::typeText));
        for (int pass = 0; pass < 2; ++pass) {
            QStringList read;
            QString line;
            while (file.ReadString(line))
                read.append(line);
            EXPECT_EQ(read, lines) << end;
            file.Seek(0, CStdioFileEx::SeekFrom::Begin); // the mark is skipped again
        }
    }
}

} // namespace
