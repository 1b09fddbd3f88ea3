#include "spreadsheet/SharedStringTable.h"

#include "spreadsheet/BiffRecords.h"
#include "spreadsheet/LittleEndian.h"

#include <algorithm>

using namespace LittleEndian;

namespace {

constexpr qsizetype kStringHeaderSize = 3; // character count and flags

// Strings per index entry: at least 8, and never more than 128 entries.
std::uint16_t bucketSizeFor(std::uint32_t stringCount)
{
    return std::uint16_t(std::max<std::uint32_t>(8, stringCount / 128 + 1));
}

// Records a string of `length` units of `unitSize` bytes touches when it starts with `room`
// bytes left in the current record (room enough for its header and first character).
qsizetype recordsSpanned(qsizetype room, qsizetype length, qsizetype unitSize)
{
    const qsizetype inFirst = (room - kStringHeaderSize) / unitSize;
    if (length <= inFirst)
        return 1;
    const qsizetype perContinue = (Biff::MaxRecordData - 1) / unitSize;
    return 1 + (length - inFirst + perContinue - 1) / perContinue;
}

// Code units of the first character: the header stands in a record only with it.
qsizetype firstCharacterUnits(QStringView text)
{
    if (text.isEmpty())
        return 0;
    return text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate() ? 2 : 1;
}

bool needsWideCharacters(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
}

} // namespace

SharedStringTable::SharedStringTable(FileOutput& out, std::uint64_t streamOffset,
                                     std::uint32_t maxStrings)
    : m_out(out), m_streamPosition(streamOffset),
      m_countsAt(out.position() + Biff::RecordHeaderSize), m_bucketSize(bucketSizeFor(maxStrings)),
      m_recordType(Biff::Sst)
{
    m_record.reserve(Biff::MaxRecordData);
    // The counts of references from cells and of entries, filled in by finish().
    put32(m_record, 0);
    put32(m_record, 0);
}

qsizetype SharedStringTable::room() const
{
    return Biff::MaxRecordData - m_record.size();
}

void SharedStringTable::closeRecord()
{
    QByteArray header;
    put16(header, m_recordType);
    put16(header, std::uint16_t(m_record.size()));
    m_out.write(header);
    m_out.write(m_record);
    m_streamPosition += std::uint64_t(Biff::RecordHeaderSize + m_record.size());
    m_record.resize(0);
    m_recordType = Biff::Continue;
}

void SharedStringTable::add(QStringView text)
{
    const bool wide = needsWideCharacters(text);
    const qsizetype unitSize = wide ? 2 : 1;
    // The character count and flags never stand alone at the end of a record. A long string
    // starts a record of its own when that spreads it over fewer records: some readers
    // (FreeXL) take a string only when it ends in the record after the one it starts in.
    if (room() < kStringHeaderSize + firstCharacterUnits(text) * unitSize ||
        recordsSpanned(Biff::MaxRecordData, text.size(), unitSize) <
            recordsSpanned(room(), text.size(), unitSize))
        closeRecord();
    if (m_added % m_bucketSize == 0) {
        const auto offset = std::uint16_t(Biff::RecordHeaderSize + m_record.size());
        m_buckets.append({std::uint32_t(m_streamPosition + offset), offset});
    }
    put16(m_record, std::uint16_t(text.size()));
    put8(m_record, wide ? 1 : 0);
    for (;;) {
        qsizetype fits = std::min(text.size(), room() / unitSize);
        // A surrogate pair never spans two records: readers decode each record's part of a
        // string by itself, and half a pair is no character.
        if (fits > 0 && fits < text.size() && text[fits - 1].isHighSurrogate() &&
            text[fits].isLowSurrogate())
            --fits;
        appendUnits(text.first(fits), wide);
        text = text.sliced(fits);
        if (text.isEmpty())
            break;
        // A string split over records goes on after one byte that repeats its width.
        closeRecord();
        put8(m_record, wide ? 1 : 0);
    }
    ++m_added;
}

void SharedStringTable::appendUnits(QStringView text, bool wide)
{
    const qsizetype start = m_record.size();
    m_record.resize(start + text.size() * (wide ? 2 : 1));
    char* out = m_record.data() + start;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        *out++ = char(unit & 0xFF);
        if (wide)
            *out++ = char(unit >> 8);
    }
}

std::uint64_t SharedStringTable::finish()
{
    closeRecord();
    QByteArray counts;
    put32(counts, m_added);
    put32(counts, m_added);
    m_out.writeAt(m_countsAt, counts);
    QByteArray index;
    put16(index, m_bucketSize);
    for (const Bucket& bucket : m_buckets) {
        put32(index, bucket.streamPosition);
        put16(index, bucket.recordOffset);
        put16(index, 0);
    }
    QByteArray record;
    Biff::appendRecord(record, Biff::ExtSst, index);
    m_out.write(record);
    m_streamPosition += std::uint64_t(record.size());
    return m_streamPosition;
}
