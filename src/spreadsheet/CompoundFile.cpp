#include "spreadsheet/CompoundFile.h"

#include "spreadsheet/LittleEndian.h"

#include <QString>

using namespace LittleEndian;

namespace {

constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;

constexpr std::uint32_t kEntriesPerSector = CompoundFile::SectorSize / 4;
constexpr std::uint32_t kHeaderFatEntries = 109;
constexpr std::uint32_t kDifatEntriesPerSector = kEntriesPerSector - 1; // the last links on

std::uint32_t ceilDiv(std::uint64_t a, std::uint64_t b)
{
    return std::uint32_t((a + b - 1) / b);
}

void putEntry(QByteArray& out, const QString& name, std::uint8_t type, std::uint32_t child,
              std::uint32_t start, std::uint64_t size)
{
    QByteArray entry(128, '\0');
    for (qsizetype i = 0; i < name.size(); ++i) {
        entry[2 * i] = char(name[i].unicode() & 0xFF);
        entry[2 * i + 1] = char(name[i].unicode() >> 8);
    }
    QByteArray tail;
    put16(tail, name.isEmpty() ? 0 : std::uint16_t((name.size() + 1) * 2));
    put8(tail, type);
    put8(tail, type == 0 ? 0 : 1); // black
    put32(tail, kNoEntry);         // left sibling
    put32(tail, kNoEntry);         // right sibling
    put32(tail, child);
    entry.replace(64, tail.size(), tail);
    QByteArray location;
    put32(location, start);
    put64(location, size);
    entry.replace(116, location.size(), location);
    out.append(entry);
}

} // namespace

CompoundFile::CompoundFile(std::uint64_t streamSize)
    : m_streamSize(std::max(streamSize, MinStreamSize)),
      m_streamSectors(ceilDiv(m_streamSize, SectorSize)), m_directorySector(m_streamSectors)
{
    // The FAT covers every sector, its own and the DIFAT's included.
    for (;;) {
        const std::uint64_t sectors =
            std::uint64_t(m_streamSectors) + 1 + m_fatSectors + m_difatSectors;
        const std::uint32_t fat = ceilDiv(sectors, kEntriesPerSector);
        const std::uint32_t difat =
            fat > kHeaderFatEntries ? ceilDiv(fat - kHeaderFatEntries, kDifatEntriesPerSector) : 0;
        if (fat == m_fatSectors && difat == m_difatSectors)
            break;
        m_fatSectors = fat;
        m_difatSectors = difat;
    }
}

QByteArray CompoundFile::header() const
{
    QByteArray h;
    h.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    h.append(16, '\0'); // class id
    put16(h, 0x003E);   // minor version
    put16(h, 0x0003);   // major version: 512-byte sectors
    put16(h, 0xFFFE);   // little-endian
    put16(h, 9);        // sector size 2^9
    put16(h, 6);        // mini sector size 2^6
    h.append(6, '\0');
    put32(h, 0); // directory sectors, always 0 in this version
    put32(h, m_fatSectors);
    put32(h, m_directorySector);
    put32(h, 0);
    put32(h, 4096); // mini stream cutoff
    put32(h, kEndOfChain);
    put32(h, 0);
    put32(h, m_difatSectors > 0 ? fatSector(m_fatSectors) : kEndOfChain);
    put32(h, m_difatSectors);
    for (std::uint32_t i = 0; i < kHeaderFatEntries; ++i)
        put32(h, i < m_fatSectors ? fatSector(i) : kFreeSector);
    return h;
}

QByteArray CompoundFile::directory() const
{
    QByteArray d;
    putEntry(d, QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
    putEntry(d, QStringLiteral("Workbook"), 2, kNoEntry, 0, m_streamSize);
    putEntry(d, QString(), 0, kNoEntry, 0, 0);
    putEntry(d, QString(), 0, kNoEntry, 0, 0);
    return d;
}

std::uint32_t CompoundFile::entryOfSector(std::uint32_t sector) const
{
    if (sector + 1 < m_streamSectors)
        return sector + 1;
    if (sector < m_streamSectors || sector == m_directorySector)
        return kEndOfChain;
    const std::uint32_t firstFat = m_directorySector + 1;
    if (sector < firstFat + m_fatSectors)
        return kFatSector;
    if (sector < firstFat + m_fatSectors + m_difatSectors)
        return kDifatSector;
    return kFreeSector;
}

void CompoundFile::writeTrailer(FileOutput& out) const
{
    out.writeZeros(StreamOffset + std::uint64_t(m_streamSectors) * SectorSize - out.position());
    out.write(directory());

    QByteArray sector;
    sector.reserve(SectorSize);
    const std::uint32_t fatEntries = m_fatSectors * kEntriesPerSector;
    for (std::uint32_t i = 0; i < fatEntries; ++i) {
        put32(sector, entryOfSector(i));
        if (sector.size() == qsizetype(SectorSize)) {
            out.write(sector);
            sector.resize(0);
        }
    }
    for (std::uint32_t d = 0; d < m_difatSectors; ++d) {
        for (std::uint32_t k = 0; k < kDifatEntriesPerSector; ++k) {
            const std::uint32_t index = kHeaderFatEntries + d * kDifatEntriesPerSector + k;
            put32(sector, index < m_fatSectors ? fatSector(index) : kFreeSector);
        }
        put32(sector, d + 1 < m_difatSectors ? fatSector(m_fatSectors) + d + 1 : kEndOfChain);
        out.write(sector);
        sector.resize(0);
    }
}
