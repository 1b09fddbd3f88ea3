#pragma once

#include "base/FileError.h"

#include <QString>

class DataFolder;

// The shared outbox this computer's window sends through, kept in the data folder
// (SharedOutbox.korv, one record: the database address). No file, or an empty address: none is
// configured, and the window sends only through its own modems.
class SharedOutboxSetting
{
public:
    explicit SharedOutboxSetting(const DataFolder& folder);

    // The address, empty when none is set or the file cannot be read.
    QString address() const;
    // Saves the address (empty: none); false, with the reason, when the file cannot be written.
    bool setAddress(const QString& address, FileError* error = nullptr);

    QString path() const { return m_path; }

private:
    QString m_path;
};
