#include "spreadsheet/XlsxPackageCheck.h"

#include "spreadsheet/ZipArchive.h"

#include <QByteArray>

namespace {

constexpr qsizetype kHead = 512;
constexpr qsizetype kTail = 256;
constexpr qsizetype kChunk = 1 << 16;

bool isNameChar(char c)
{
    return c != '>' && c != '/' && c != ' ' && c != '\t' && c != '\r' && c != '\n';
}

// The root element's name, and whether its start tag closes it at once ("<a/>").
bool rootElement(const QByteArray& head, QByteArray& name, bool& selfClosed)
{
    qsizetype at = 0;
    for (;;) {
        at = head.indexOf('<', at);
        if (at < 0 || at + 1 >= head.size())
            return false;
        if (head[at + 1] != '?' && head[at + 1] != '!')
            break;
        at = head.indexOf('>', at);
        if (at < 0)
            return false;
    }
    qsizetype end = at + 1;
    while (end < head.size() && isNameChar(head[end]))
        ++end;
    name = head.mid(at + 1, end - at - 1);
    const qsizetype close = head.indexOf('>', end);
    selfClosed = close > 0 && head[close - 1] == '/';
    return !name.isEmpty() && close > 0;
}

bool partIsWhole(zip_t* zip, zip_uint64_t index)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, index, 0, &stat) != 0)
        return false;
    const QByteArray name(stat.name ? stat.name : "");
    ZipEntryFile entry(zip_fopen_index(zip, index, 0));
    if (!entry)
        return false;
    QByteArray head;
    QByteArray tail;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    zip_uint64_t total = 0;
    for (;;) {
        const zip_int64_t got = zip_fread(entry.get(), chunk.data(), zip_uint64_t(chunk.size()));
        if (got < 0)
            return false; // damaged data or a wrong checksum
        if (got == 0)
            break;
        total += zip_uint64_t(got);
        if (head.size() < kHead)
            head.append(chunk.constData(), std::min<qsizetype>(got, kHead - head.size()));
        tail.append(chunk.constData(), qsizetype(got));
        if (tail.size() > kTail)
            tail.remove(0, tail.size() - kTail);
    }
    if ((stat.valid & ZIP_STAT_SIZE) && total != stat.size)
        return false;
    if (!name.endsWith(".xml") && !name.endsWith(".rels"))
        return true;
    QByteArray root;
    bool selfClosed = false;
    if (!rootElement(head, root, selfClosed))
        return false;
    const QByteArray end = tail.trimmed();
    return selfClosed ? end.endsWith("/>") : end.endsWith("</" + root + '>');
}

} // namespace

bool XlsxPackageIsWhole(const QString& path)
{
    const ZipArchive zip = OpenZipForReading(path);
    if (!zip)
        return false;
    const zip_int64_t entries = zip_get_num_entries(zip.get(), 0);
    if (entries <= 0)
        return false;
    for (zip_int64_t i = 0; i < entries; ++i)
        if (!partIsWhole(zip.get(), zip_uint64_t(i)))
            return false;
    return true;
}
