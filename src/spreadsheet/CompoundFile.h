#pragma once

#include "base/FileOutput.h"

#include <QByteArray>
#include <cstdint>

// The container of an xls workbook: a compound file (version 3, 512-byte sectors) holding one
// stream, "Workbook". The stream fills the sectors from 0 on, so its byte i lies at file offset
// StreamOffset + i; after it come one directory sector, the FAT sectors and, once more than 109
// FAT sectors are needed, the DIFAT sectors that list the rest of them.
class CompoundFile
{
public:
    static constexpr std::uint64_t SectorSize = 512;
    static constexpr std::uint64_t StreamOffset = SectorSize; // after the header
    // Smaller streams would belong in the mini stream; the workbook is padded up to this.
    static constexpr std::uint64_t MinStreamSize = 4096;
    // Sector numbers and the stream size are 32-bit in this version.
    static constexpr std::uint64_t MaxStreamSize = 0xF0000000;

    explicit CompoundFile(std::uint64_t streamSize);

    std::uint64_t streamSize() const { return m_streamSize; }
    std::uint32_t fatSectorCount() const { return m_fatSectors; }
    std::uint32_t difatSectorCount() const { return m_difatSectors; }

    // The 512-byte header, written at offset 0.
    QByteArray header() const;
    // Everything after the stream's data: zeros up to a whole sector (the stream may be shorter
    // than streamSize(), which counts such padding), the directory, the FAT and the DIFAT. `out`
    // must be positioned right after the stream's data.
    void writeTrailer(FileOutput& out) const;

private:
    std::uint32_t entryOfSector(std::uint32_t sector) const;
    std::uint32_t fatSector(std::uint32_t index) const { return m_directorySector + 1 + index; }
    QByteArray directory() const;

    std::uint64_t m_streamSize;
    std::uint32_t m_streamSectors;
    std::uint32_t m_directorySector;
    std::uint32_t m_fatSectors = 1;
    std::uint32_t m_difatSectors = 0;
};
