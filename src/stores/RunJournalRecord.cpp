#include "stores/RunJournalRecord.h"

#include "stores/RecordFields.h"
#include "stores/RecordFile.h"

#include <QStringList>
#include <QtEndian>
#include <vector>
#include <zlib.h>

namespace {

constexpr QChar kBel = RecordFields::Bel;
constexpr QChar kVt = RecordFields::Vt;
constexpr qsizetype kCrcDigits = 8;

QString field(const QString& text)
{
    return RecordFile::ToRecordText(RecordFields::clean(text));
}

QString withChecksum(QChar kind, const QStringList& fields)
{
    QString line = kBel + QString(kind);
    for (const QString& f : fields)
        line += kVt + field(f);
    const std::uint32_t crc = RunJournalRecord::Crc32(line);
    return line + kVt + QStringLiteral("%1").arg(crc, int(kCrcDigits), 16, QChar(u'0'));
}

std::optional<int> rowOf(const QString& text)
{
    bool ok = false;
    const int row = text.toInt(&ok);
    return ok && row >= 0 ? std::optional<int>(row) : std::nullopt;
}

struct LineWriter
{
    QString operator()(const JournalBegin& b) const
    {
        return withChecksum(u'B', {QString::number(b.run), b.options, QString::number(b.rowCount),
                                   QString::number(b.sentItemsBefore)});
    }
    QString operator()(const JournalRow& r) const
    {
        return withChecksum(u'W', {QString::number(r.row), r.number, r.text, r.flags});
    }
    QString operator()(const JournalSubmitting& s) const
    {
        return withChecksum(u'S', {QString::number(s.row), s.port});
    }
    QString operator()(const JournalOutcome& o) const
    {
        return withChecksum(u'O', {QString::number(o.row), o.status, o.port});
    }
    QString operator()(const JournalLogged& l) const
    {
        return withChecksum(u'L', {QString::number(l.row)});
    }
    QString operator()(const JournalFinished&) const { return withChecksum(u'F', {}); }
    QString operator()(const JournalSetAside&) const { return withChecksum(u'A', {}); }
};

std::optional<JournalEntry> entryOf(QChar kind, const QStringList& f)
{
    const qsizetype n = f.size();
    switch (kind.unicode()) {
    case u'B': {
        bool runOk = false, rowsOk = false, sentOk = false;
        JournalBegin b;
        if (n != 4)
            return std::nullopt;
        b.run = f[0].toULongLong(&runOk);
        b.options = f[1];
        b.rowCount = f[2].toInt(&rowsOk);
        b.sentItemsBefore = f[3].toLongLong(&sentOk);
        if (!runOk || !rowsOk || !sentOk || b.rowCount < 0 || b.sentItemsBefore < 0)
            return std::nullopt;
        return b;
    }
    case u'W':
        if (n != 4 || !rowOf(f[0]))
            return std::nullopt;
        return JournalRow{*rowOf(f[0]), f[1], f[2], f[3]};
    case u'S':
        if (n != 2 || !rowOf(f[0]))
            return std::nullopt;
        return JournalSubmitting{*rowOf(f[0]), f[1]};
    case u'O':
        if (n != 3 || !rowOf(f[0]))
            return std::nullopt;
        return JournalOutcome{*rowOf(f[0]), f[1], f[2]};
    case u'L':
        if (n != 1 || !rowOf(f[0]))
            return std::nullopt;
        return JournalLogged{*rowOf(f[0])};
    case u'F':
        return n == 0 ? std::optional<JournalEntry>(JournalFinished{}) : std::nullopt;
    case u'A':
        return n == 0 ? std::optional<JournalEntry>(JournalSetAside{}) : std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

namespace RunJournalRecord {

std::uint32_t Crc32(QStringView text)
{
    // Over the UTF-16 little-endian bytes, as the file holds them, whatever this machine's order.
    std::vector<char16_t> bytes(std::size_t(text.size()));
    qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data());
    return std::uint32_t(crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()),
                               uInt(bytes.size() * sizeof(char16_t))));
}

QString ToLine(const JournalEntry& entry)
{
    return std::visit(LineWriter{}, entry);
}

std::optional<JournalEntry> FromLine(QStringView line)
{
    // A CR of a CR LF line end that was not taken off with the LF.
    if (line.endsWith(u'\r'))
        line.chop(1);
    const qsizetype lastVt = line.lastIndexOf(kVt);
    if (line.size() < 2 || line.front() != kBel || lastVt < 2 ||
        line.size() - lastVt - 1 != kCrcDigits)
        return std::nullopt;
    bool ok = false;
    const std::uint32_t stored = line.mid(lastVt + 1).toUInt(&ok, 16);
    const QStringView body = line.left(lastVt);
    if (!ok || stored != Crc32(body))
        return std::nullopt;
    const QChar kind = body[1];
    QStringList fields;
    if (body.size() > 2) {
        if (body[2] != kVt)
            return std::nullopt;
        for (const QStringView f : body.mid(3).split(kVt))
            fields.append(RecordFile::FromRecordText(f.toString()));
    }
    return entryOf(kind, fields);
}

} // namespace RunJournalRecord
