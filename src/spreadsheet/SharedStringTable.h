#pragma once

#include "base/FileOutput.h"

#include <QByteArray>
#include <QList>
#include <QStringView>
#include <cstdint>

// The shared string table of an xls workbook, written out as it grows so memory stays flat: an
// SST record, CONTINUE records once it passes the record size, then the EXTSST index. Every
// string gets its own entry, in the order added; a cell refers to it by that position.
class SharedStringTable
{
public:
    // `streamOffset` is where the table starts in the workbook stream, which `out` is writing at
    // its current position; at most `maxStrings` strings will be added.
    SharedStringTable(FileOutput& out, std::uint64_t streamOffset, std::uint32_t maxStrings);

    void add(QStringView text);
    // Writes the last record and the index. Returns the stream offset after them.
    std::uint64_t finish();
    std::uint32_t count() const { return m_added; }

private:
    struct Bucket
    {
        std::uint32_t streamPosition;
        std::uint16_t recordOffset;
    };

    qsizetype room() const;
    void closeRecord();
    void appendUnits(QStringView text, bool wide);

    FileOutput& m_out;
    std::uint64_t m_streamPosition; // of the record being built
    std::uint64_t m_countsAt;       // file position of the string counts
    std::uint32_t m_added = 0;
    std::uint16_t m_bucketSize;
    std::uint16_t m_recordType;
    QByteArray m_record;
    QList<Bucket> m_buckets;
};
