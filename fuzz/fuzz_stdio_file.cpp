// The text file class under every store, reading a file it did not write.

#include "FuzzSupport.h"
#include "stores/StdioFileEx.h"

namespace {

void readLines(const QString& path, int codePage, std::size_t size)
{
    CStdioFileEx file;
    require(file.Open(path, CStdioFileEx::modeRead | CStdioFileEx::typeText), "open to read");
    file.SetCodePage(codePage);
    QString line;
    std::size_t lines = 0;
    while (file.ReadString(line)) {
        require(!line.contains(u'\n'), "a line holds no line end");
        require(++lines <= size + 1, "every line takes at least a byte");
    }
    require(!file.ReadString(line), "the end stays the end");
    file.Close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = writeFuzzFile("file.txt", data, size);
    readLines(path, CodePage::System, size);
    readLines(path, CodePage::Utf8, size);

    // Raw reads after seeks, as the readers that sniff a file do.
    CStdioFileEx file;
    require(file.Open(path, CStdioFileEx::modeRead | CStdioFileEx::typeBinary), "open raw");
    require(file.GetLength() == std::int64_t(size), "the length");
    char buffer[64];
    const std::int64_t offset = size ? data[0] % (size + 2) : 0;
    file.Seek(offset, CStdioFileEx::SeekFrom::Begin);
    const std::int64_t got = file.Read(buffer, sizeof buffer);
    require(got >= 0 && got <= std::int64_t(sizeof buffer), "a raw read fits its buffer");
    QString line;
    while (file.ReadString(line)) {
    }
    file.Close();
    return 0;
}
