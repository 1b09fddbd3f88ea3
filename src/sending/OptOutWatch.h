#pragma once

#include "stores/InboxRecord.h"
#include "stores/OptOutReplies.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <mutex>

class DataFolder;
class InboxStore;

// The replies of one sending run, shared by its workers: every received part goes to the inbox
// store, and a reply that is an opt-out keyword adds its sender to the exclusion list at once
// and to the numbers the run excludes from then on.
class OptOutWatch
{
public:
    OptOutWatch(InboxStore& inbox, const DataFolder& folder, OptOutSettings settings);

    InboxStore& inbox() { return m_inbox; }

    // A part just stored: its sender opts out when it is a whole message that says so.
    void partStored(const InboxPart& part);

    // Whether the number replied with a keyword during the run. A number with and without
    // its leading "+" count as one, as a reply comes from "+44..." to a row written "44...".
    bool hasOptedOut(const QString& number) const;

    // The senders that opted out, in the order they did.
    QStringList optedOut() const;
    // Grows with every opt-out: views refresh when it changed.
    std::uint64_t version() const { return m_version.load(); }

    // Diagnostic texts (a list that could not be written); null: dropped.
    std::function<void(const QString&)> trace;
    // Told of every part stored, keyword or not, on the worker's thread before the modem's
    // copy is deleted. Set before the first run; null: nobody else wants them.
    std::function<void(const InboxPart&)> received;

private:
    static QString keyOf(const QString& number);

    InboxStore& m_inbox;
    const DataFolder& m_folder;
    const OptOutSettings m_settings;
    mutable std::mutex m_mutex;
    QSet<QString> m_keys;
    QStringList m_numbers;
    std::atomic<std::uint64_t> m_version{0};
};
