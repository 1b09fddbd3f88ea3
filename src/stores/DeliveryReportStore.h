#pragma once

#include "base/FileError.h"
#include "stores/DeliveryRecord.h"

#include <mutex>
#include <vector>

class DataFolder;

// The delivery-report file of the data folder: the parts sent with a request for a report and
// the reports that came, one record a line. Workers append through one shared instance.
class DeliveryReportStore
{
public:
    explicit DeliveryReportStore(const DataFolder& folder);
    DeliveryReportStore(const DeliveryReportStore&) = delete;
    DeliveryReportStore& operator=(const DeliveryReportStore&) = delete;

    bool Append(const DeliveryRecordEntry& entry, FileError* error = nullptr);

    // Every whole record in file order; lines that are not records are skipped. False when
    // the file exists but cannot be read.
    bool Load(std::vector<DeliveryRecordEntry>& entries) const;

    // Replaces the file with these records (through a temporary file: the old content stays
    // until the new one is on disk), for example to drop records past the matching window.
    bool Rewrite(const std::vector<DeliveryRecordEntry>& entries, FileError* error = nullptr);

    QString path() const;

private:
    const DataFolder& m_folder;
    mutable std::mutex m_mutex;
};
