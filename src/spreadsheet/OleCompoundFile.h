#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// Streams of an OLE2 compound file held in memory: the container of .xls workbooks and of
// password-protected .xlsx packages. Every sector chain is checked against the file's size and
// followed at most once around, so a damaged or crafted file cannot loop or read outside it.
class OleCompoundFile
{
public:
    static constexpr char Signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

    // False when the data is not a well-formed compound file.
    bool parse(const QByteArray& data);

    bool hasStream(const QString& name) const { return findStream(name) != nullptr; }
    // The stream of that name (letter case ignored), or nothing when it is missing or damaged.
    std::optional<QByteArray> stream(const QString& name) const;

private:
    struct Entry
    {
        QString name;
        std::uint8_t type = 0; // 1 storage, 2 stream, 5 root
        std::uint32_t start = 0;
        std::uint64_t size = 0;
    };

    bool readFat();
    bool readDirectory(std::uint32_t firstSector);
    bool readMiniStream(std::uint32_t firstMiniFatSector);
    const Entry* findStream(const QString& name) const;
    // The sectors of a chain starting at `start` in the given allocation table.
    bool chain(std::uint32_t start, const std::vector<std::uint32_t>& table,
               std::vector<std::uint32_t>& out) const;
    bool readSectors(const std::vector<std::uint32_t>& sectors, QByteArray& out) const;
    const char* sector(std::uint32_t index) const;
    std::uint32_t word(const char* p) const;

    QByteArray m_data;
    std::uint32_t m_sectorSize = 512;
    std::uint32_t m_miniSectorSize = 64;
    std::uint32_t m_miniCutoff = 4096;
    std::vector<std::uint32_t> m_fat;
    std::vector<std::uint32_t> m_miniFat;
    std::vector<Entry> m_entries;
    QByteArray m_miniStream;
};
