#include "spreadsheet/OleCompoundFile.h"

#include <QtEndian>

namespace {

constexpr std::uint32_t EndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t MaxRegularSector = 0xFFFFFFFA;

std::uint16_t half(const char* p)
{
    return qFromLittleEndian<std::uint16_t>(p);
}

} // namespace

std::uint32_t OleCompoundFile::word(const char* p) const
{
    return qFromLittleEndian<std::uint32_t>(p);
}

const char* OleCompoundFile::sector(std::uint32_t index) const
{
    if (index > MaxRegularSector)
        return nullptr;
    const std::uint64_t offset = (std::uint64_t(index) + 1) * m_sectorSize;
    if (offset + m_sectorSize > std::uint64_t(m_data.size()))
        return nullptr;
    return m_data.constData() + offset;
}

bool OleCompoundFile::parse(const QByteArray& data)
{
    m_data = data;
    if (m_data.size() < 512 || !m_data.startsWith(QByteArray(Signature, 8)))
        return false;
    const char* h = m_data.constData();
    const std::uint16_t sectorShift = half(h + 0x1E);
    const std::uint16_t miniShift = half(h + 0x20);
    if ((sectorShift != 9 && sectorShift != 12) || miniShift != 6)
        return false;
    m_sectorSize = 1u << sectorShift;
    m_miniSectorSize = 1u << miniShift;
    m_miniCutoff = word(h + 0x38);
    if (!readFat() || !readDirectory(word(h + 0x30)) || m_entries.empty())
        return false;
    return readMiniStream(word(h + 0x3C));
}

bool OleCompoundFile::readFat()
{
    const char* h = m_data.constData();
    const std::uint32_t fatSectors = word(h + 0x2C);
    // Each FAT sector needs at least one sector of file, which bounds the count.
    if (fatSectors > std::uint64_t(m_data.size()) / m_sectorSize)
        return false;
    std::vector<std::uint32_t> fatIds;
    for (std::uint32_t i = 0; i < 109 && fatIds.size() < fatSectors; ++i)
        fatIds.push_back(word(h + 0x4C + 4 * i));
    std::uint32_t difat = word(h + 0x44);
    std::uint32_t difatCount = word(h + 0x48);
    const std::uint32_t perDifat = m_sectorSize / 4 - 1;
    while (fatIds.size() < fatSectors) {
        const char* s = difatCount-- > 0 ? sector(difat) : nullptr;
        if (!s)
            return false;
        for (std::uint32_t i = 0; i < perDifat && fatIds.size() < fatSectors; ++i)
            fatIds.push_back(word(s + 4 * i));
        difat = word(s + 4 * perDifat);
    }
    m_fat.reserve(std::size_t(fatSectors) * (m_sectorSize / 4));
    for (std::uint32_t id : fatIds) {
        const char* s = sector(id);
        if (!s)
            return false;
        for (std::uint32_t i = 0; i < m_sectorSize / 4; ++i)
            m_fat.push_back(word(s + 4 * i));
    }
    return true;
}

bool OleCompoundFile::chain(std::uint32_t start, const std::vector<std::uint32_t>& table,
                            std::vector<std::uint32_t>& out) const
{
    out.clear();
    std::uint32_t current = start;
    while (current != EndOfChain) {
        if (current >= table.size() || out.size() >= table.size())
            return false; // outside the table, or going round in a loop
        out.push_back(current);
        current = table[current];
    }
    return true;
}

bool OleCompoundFile::readSectors(const std::vector<std::uint32_t>& sectors, QByteArray& out) const
{
    out.clear();
    out.reserve(qsizetype(sectors.size()) * m_sectorSize);
    for (std::uint32_t id : sectors) {
        const char* s = sector(id);
        if (!s)
            return false;
        out.append(s, m_sectorSize);
    }
    return true;
}

bool OleCompoundFile::readDirectory(std::uint32_t firstSector)
{
    std::vector<std::uint32_t> sectors;
    QByteArray directory;
    if (!chain(firstSector, m_fat, sectors) || !readSectors(sectors, directory))
        return false;
    for (qsizetype at = 0; at + 128 <= directory.size(); at += 128) {
        const char* e = directory.constData() + at;
        Entry entry;
        entry.type = std::uint8_t(e[0x42]);
        const std::uint16_t nameBytes = half(e + 0x40);
        // Names are at most 31 characters and end in a null; readers that trust the length
        // run off the entry otherwise.
        if (nameBytes > 64 || nameBytes % 2 || (entry.type > 2 && entry.type != 5))
            return false;
        if (entry.type != 0 && (nameBytes < 2 || half(e + nameBytes - 2) != 0))
            return false;
        for (qsizetype i = 0; i + 1 < nameBytes / 2; ++i)
            entry.name.append(QChar(half(e + 2 * i)));
        entry.start = word(e + 0x74);
        entry.size = qFromLittleEndian<std::uint64_t>(e + 0x78);
        if (m_sectorSize == 512)
            entry.size &= 0xFFFFFFFFu; // version 3 files leave the high half undefined
        m_entries.push_back(entry);
    }
    return true;
}

bool OleCompoundFile::readMiniStream(std::uint32_t firstMiniFatSector)
{
    const Entry& root = m_entries.front();
    if (root.type != 5)
        return false;
    if (root.size == 0)
        return true;
    std::vector<std::uint32_t> sectors;
    QByteArray miniFat;
    if (!chain(firstMiniFatSector, m_fat, sectors) || !readSectors(sectors, miniFat))
        return false;
    for (qsizetype i = 0; i + 4 <= miniFat.size(); i += 4)
        m_miniFat.push_back(word(miniFat.constData() + i));
    if (!chain(root.start, m_fat, sectors) || !readSectors(sectors, m_miniStream))
        return false;
    return root.size <= std::uint64_t(m_miniStream.size());
}

const OleCompoundFile::Entry* OleCompoundFile::findStream(const QString& name) const
{
    for (const Entry& e : m_entries)
        if (e.type == 2 && e.name.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

std::optional<QByteArray> OleCompoundFile::stream(const QString& name) const
{
    const Entry* e = findStream(name);
    if (!e)
        return std::nullopt;
    std::vector<std::uint32_t> sectors;
    QByteArray bytes;
    if (e->size < m_miniCutoff) {
        if (!chain(e->start, m_miniFat, sectors))
            return std::nullopt;
        for (std::uint32_t id : sectors) {
            const std::uint64_t offset = std::uint64_t(id) * m_miniSectorSize;
            if (offset + m_miniSectorSize > std::uint64_t(m_miniStream.size()))
                return std::nullopt;
            bytes.append(m_miniStream.constData() + offset, m_miniSectorSize);
        }
    } else if (!chain(e->start, m_fat, sectors) || !readSectors(sectors, bytes)) {
        return std::nullopt;
    }
    if (e->size > std::uint64_t(bytes.size()))
        return std::nullopt;
    bytes.truncate(qsizetype(e->size));
    return bytes;
}
