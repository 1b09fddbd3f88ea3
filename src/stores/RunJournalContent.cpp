#include "stores/RunJournalContent.h"

bool RunJournalContent::isUnfinished() const
{
    return hasRun() && !finished && !setAside;
}

namespace RunJournalReplay {

namespace {

struct Folder
{
    RunJournalContent& content;

    // The row of a record when the run has all its rows and the row is one of them.
    JournalRowState* rowAt(int row)
    {
        if (!content.hasRun() || row < 0 || row >= int(content.rows.size()))
            return nullptr;
        return &content.rows[std::size_t(row)];
    }

    bool operator()(const JournalBegin& begin)
    {
        content = RunJournalContent{begin, {}, false, false, content.ignoredLines};
        content.rows.reserve(std::size_t(begin.rowCount));
        return true;
    }
    bool operator()(const JournalRow& row)
    {
        if (!content.begin || content.hasRun() || row.row != int(content.rows.size()))
            return false;
        content.rows.push_back({row.number, row.text, row.flags, {}, std::nullopt, {}, false});
        return true;
    }
    bool operator()(const JournalSubmitting& s)
    {
        JournalRowState* row = rowAt(s.row);
        if (!row)
            return false;
        row->submittingPort = s.port;
        row->status.reset();
        row->outcomePort.clear();
        return true;
    }
    bool operator()(const JournalOutcome& o)
    {
        JournalRowState* row = rowAt(o.row);
        if (!row)
            return false;
        row->status = o.status;
        row->outcomePort = o.port;
        return true;
    }
    bool operator()(const JournalLogged& l)
    {
        JournalRowState* row = rowAt(l.row);
        if (!row)
            return false;
        row->logged = true;
        return true;
    }
    bool operator()(const JournalFinished&)
    {
        if (!content.hasRun())
            return false;
        content.finished = true;
        return true;
    }
    bool operator()(const JournalSetAside&)
    {
        if (!content.hasRun())
            return false;
        content.setAside = true;
        return true;
    }
};

} // namespace

RunJournalContent Fold(const QStringList& lines)
{
    RunJournalContent content;
    Folder folder{content};
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        const std::optional<JournalEntry> entry = RunJournalRecord::FromLine(line);
        if (!entry || !std::visit(folder, *entry))
            ++content.ignoredLines;
    }
    return content;
}

} // namespace RunJournalReplay
