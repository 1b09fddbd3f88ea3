#pragma once

#include <QString>
#include <memory>
#include <zip.h>

// Owning handles for libzip's archives and entries.
struct ZipArchiveCloser
{
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct ZipEntryCloser
{
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipArchiveCloser>;
using ZipEntryFile = std::unique_ptr<zip_file_t, ZipEntryCloser>;

// The zip file at `path`, opened for reading only; null when it is not a readable zip.
ZipArchive OpenZipForReading(const QString& path);
