#pragma once

#include "sending/RunRecorder.h"

#include <atomic>
#include <functional>

class RunJournal;

// The run recorder over the data folder's run journal. A new run starts the journal with its
// rows; a resumed one goes on appending to the journal it came from. Submissions are synced
// before they start; outcomes and sent-items marks are synced only with `syncOutcomes` (else
// they reach the disk with the next synced record or when the system writes them back).
class JournalRecorder : public RunRecorder
{
public:
    struct Setup
    {
        QString options; // written into the begin record
        // How many records the sent-items log holds as the run begins; asked on the run's
        // controller thread, as a long log takes a while to count. Null: 0.
        std::function<qint64()> countSentItems;
        bool resuming = false;
        bool syncOutcomes = false;
        std::uint64_t run = 0;
    };
    // trace gets a text the first time the journal cannot be written (a full disk, say); the
    // run goes on without it.
    JournalRecorder(RunJournal& journal, Setup setup, std::function<void(const QString&)> trace);

    void begun(const std::vector<QueueRow>& rows) override;
    void submitting(int row, const QString& port) override;
    void outcome(int row, const QString& status, const QString& port) override;
    void logged(int row) override;
    void finished() override;

private:
    void failed(const char* what) const;

    RunJournal& m_journal;
    Setup m_setup;
    std::function<void(const QString&)> m_trace;
    mutable std::atomic<bool> m_failed{false};
};
