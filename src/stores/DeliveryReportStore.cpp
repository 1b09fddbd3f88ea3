#include "stores/DeliveryReportStore.h"

#include "stores/DataFolder.h"
#include "stores/RecordFile.h"

#include <QFileInfo>

DeliveryReportStore::DeliveryReportStore(const DataFolder& folder) : m_folder(folder) {}

QString DeliveryReportStore::path() const
{
    return m_folder.folder() + QStringLiteral("/DeliveryReports.korv");
}

bool DeliveryReportStore::Append(const DeliveryRecordEntry& entry, FileError* error)
{
    std::lock_guard lock(m_mutex);
    m_folder.EnsureDataFolder();
    return RecordFile::Append(path(), DeliveryRecord::ToLine(entry), RecordFile::LineEnd::CRLF,
                              error);
}

bool DeliveryReportStore::Load(std::vector<DeliveryRecordEntry>& entries) const
{
    entries.clear();
    std::lock_guard lock(m_mutex);
    if (!QFileInfo::exists(path()))
        return true;
    QStringList lines;
    if (!RecordFile::ReadLines(path(), lines))
        return false;
    for (const QString& line : lines) {
        if (std::optional<DeliveryRecordEntry> entry = DeliveryRecord::FromLine(line))
            entries.push_back(std::move(*entry));
    }
    return true;
}

bool DeliveryReportStore::Rewrite(const std::vector<DeliveryRecordEntry>& entries, FileError* error)
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(entries.size()));
    for (const DeliveryRecordEntry& entry : entries)
        lines.append(DeliveryRecord::ToLine(entry));
    std::lock_guard lock(m_mutex);
    m_folder.EnsureDataFolder();
    return RecordFile::Rewrite(path(), lines, RecordFile::LineEnd::CRLF, error);
}
