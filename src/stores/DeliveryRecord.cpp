#include "stores/DeliveryRecord.h"

#include "stores/RecordFields.h"
#include "stores/RecordFile.h"

#include <QStringList>

namespace {

constexpr QChar kBel = RecordFields::Bel;
constexpr QChar kVt = RecordFields::Vt;
constexpr qsizetype kOldPartFields = 8;
constexpr qsizetype kPartFields = 11;
constexpr qsizetype kReportFields = 8;

QString field(const QString& text)
{
    return RecordFields::clean(text);
}

using RecordFields::numberOf;
using RecordFields::timeOf;
using RecordFields::timeText;

QString join(const QStringList& fields)
{
    return RecordFile::ToRecordText(kBel + fields.join(kVt));
}

std::optional<DeliveryRecordEntry> partOf(const QStringList& f)
{
    bool rowOk = false;
    const qint64 row = f[1].toLongLong(&rowOk);
    const auto reference = numberOf(f[3], 0, 255);
    const auto part = numberOf(f[6], 1, 255);
    const auto count = numberOf(f[7], 1, 255);
    if (!rowOk || !reference || !part || !count)
        return std::nullopt;
    DeliveryPartRecord record{row,   f[2],   *reference, f[4],    timeOf(f[5]),
                              *part, *count, 0,          QDate(), QString()};
    if (f.size() == kOldPartFields)
        return record;
    bool runOk = false;
    record.run = f[8].toULongLong(&runOk);
    record.day = f[9].isEmpty() ? QDate() : QDate::fromString(f[9], Qt::ISODate);
    record.messageKey = f[10];
    if (!runOk || (!f[9].isEmpty() && !record.day.isValid()))
        return std::nullopt;
    return record;
}

std::optional<DeliveryRecordEntry> reportOf(const QStringList& f)
{
    const auto reference = numberOf(f[2], 0, 255);
    const auto status = numberOf(f[4], 0, 255);
    if (!reference || !status)
        return std::nullopt;
    return DeliveryReportRecord{f[1],         *reference,   f[3],        *status,
                                timeOf(f[5]), timeOf(f[6]), timeOf(f[7])};
}

} // namespace

namespace DeliveryRecord {

QString ToLine(const DeliveryRecordEntry& entry)
{
    if (const auto* part = std::get_if<DeliveryPartRecord>(&entry))
        return join({QStringLiteral("P"), QString::number(part->row), field(part->port),
                     QString::number(part->messageReference), field(part->recipient),
                     timeText(part->sentAt), QString::number(part->part),
                     QString::number(part->partCount), QString::number(part->run),
                     part->day.isValid() ? part->day.toString(Qt::ISODate) : QString(),
                     field(part->messageKey)});
    const auto& report = std::get<DeliveryReportRecord>(entry);
    return join({QStringLiteral("R"), field(report.port), QString::number(report.messageReference),
                 field(report.recipient), QString::number(report.status),
                 timeText(report.serviceCentreTime), timeText(report.dischargeTime),
                 timeText(report.receivedAt)});
}

std::optional<DeliveryRecordEntry> FromLine(QStringView line)
{
    const QString text = RecordFile::FromRecordText(line.toString());
    if (!text.startsWith(kBel))
        return std::nullopt;
    const QStringList fields = text.mid(1).split(kVt);
    if (fields.front() == u"P" && (fields.size() == kPartFields || fields.size() == kOldPartFields))
        return partOf(fields);
    if (fields.front() == u"R" && fields.size() == kReportFields)
        return reportOf(fields);
    return std::nullopt;
}

} // namespace DeliveryRecord
