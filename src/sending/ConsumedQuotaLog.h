#pragma once

#include <QString>
#include <QStringList>
#include <mutex>

// What each finishing worker sent under a manual quota, as "%d|%d" of port number and count,
// so that a later retry round starts the port with only what is left of its quota.
class ConsumedQuotaLog
{
public:
    void append(int port, int count);
    void clear();
    // The sum of the counts logged for the port.
    int consumedBy(int port) const;
    // Drops every entry whose port, written "COM" + port + " - ", occurs in the device label.
    void removePortsIn(const QString& text);
    QStringList entries() const;

private:
    mutable std::mutex m_mutex;
    QStringList m_entries;
};
