#pragma once

#include "base/FileError.h"
#include "stores/RunJournalContent.h"

#include <mutex>
#include <vector>

class DataFolder;

// The journal of the current sending run, "RunJournal.korv" in the data folder: a UTF-16
// record file the run appends to as it goes (see RunJournalRecord). Starting a new run moves
// the journal before it to "RunJournalPrevious.korv". The file stays open for appends between
// begin() or resume() and close(); every append is one write, so a crash leaves at most the
// last record cut short, which reading ignores. Appends from several threads are serialised;
// close() must not race them.
class RunJournal
{
public:
    explicit RunJournal(const DataFolder& folder);
    ~RunJournal();
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    QString path() const;
    QString previousPath() const;

    // Starts the journal of a new run with its begin record and rows, on disk (fsync'd) when
    // this returns true.
    bool begin(const JournalBegin& begin, const std::vector<JournalRow>& rows,
               FileError* error = nullptr);
    // Goes on appending to the current journal, for a resumed run.
    bool resume(FileError* error = nullptr);
    // Appends one record; with `sync` it is on disk when this returns true. False when the
    // journal is not open or the write failed.
    bool append(const JournalEntry& entry, bool sync, FileError* error = nullptr);
    void close();
    bool isOpen() const;

    // Reads the current journal (or another journal file). A missing file reads as empty.
    bool load(RunJournalContent& content, FileError* error = nullptr) const;
    static bool Load(const QString& path, RunJournalContent& content, FileError* error = nullptr);

    // The user chose not to resume the unfinished run: a set-aside record (synced), so the
    // journal no longer counts as unfinished but stays for its export.
    bool setAside(FileError* error = nullptr);

private:
    bool openForAppend(FileError* error);
    bool writeLocked(const QByteArray& bytes, bool sync, FileError* error);

    const DataFolder& m_folder;
    mutable std::mutex m_mutex;
    int m_fd = -1;
};
