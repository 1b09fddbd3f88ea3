#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <variant>

// The records of a run journal. A run writes them as it goes, so that after a crash the next
// start can tell which rows went, which did not and which were on their way.

// The run began: its id, the options a resumed run sends with (an opaque "key=value" list the
// sender writes and reads back), how many row records follow, and how many records the
// sent-items log held, so a resume can tell this run's records from older ones.
struct JournalBegin
{
    std::uint64_t run = 0;
    QString options;
    int rowCount = 0;
    qint64 sentItemsBefore = 0;
    bool operator==(const JournalBegin&) const = default;
};

// One row of the run, in queue order. `flags` is room for per-row sending options; the runs
// of this version write it empty and read any text back unchanged.
struct JournalRow
{
    int row = 0;
    QString number;
    QString text;
    QString flags;
    bool operator==(const JournalRow&) const = default;
};

// A submission of the row is about to start on the port.
struct JournalSubmitting
{
    int row = 0;
    QString port;
    bool operator==(const JournalSubmitting&) const = default;
};

// The row's outcome: its status text and the port that wrote it.
struct JournalOutcome
{
    int row = 0;
    QString status;
    QString port;
    bool operator==(const JournalOutcome&) const = default;
};

// The row's sent-items record is written.
struct JournalLogged
{
    int row = 0;
    bool operator==(const JournalLogged&) const = default;
};

// The run reached its end ("Finish.").
struct JournalFinished
{
    bool operator==(const JournalFinished&) const = default;
};

// The user chose not to resume the run; the journal stays for its export.
struct JournalSetAside
{
    bool operator==(const JournalSetAside&) const = default;
};

using JournalEntry = std::variant<JournalBegin, JournalRow, JournalSubmitting, JournalOutcome,
                                  JournalLogged, JournalFinished, JournalSetAside>;

namespace RunJournalRecord {

// CRC-32 (IEEE 802.3, as zip and PNG use it) of the UTF-16 little-endian bytes of a text.
std::uint32_t Crc32(QStringView text);

// The line of a record without its line end: BEL, a kind letter, each field after a VT, and
// last, after a VT, the CRC-32 of everything before it as eight hex digits. "\n" inside a
// field is the newline token, and BEL and VT are dropped from fields.
QString ToLine(const JournalEntry& entry);

// One line back. nullopt for a line whose checksum does not match (a record cut short by a
// crash), for garbage and for kinds or field counts this version does not know.
std::optional<JournalEntry> FromLine(QStringView line);

} // namespace RunJournalRecord
