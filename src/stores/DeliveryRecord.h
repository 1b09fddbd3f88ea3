#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <variant>

// One part sent with a request for a status report: which sent row of which run it belongs
// to, where and with which message reference it went, and the sent-items record its row wrote.
struct DeliveryPartRecord
{
    std::int64_t row = 0;
    QString port;
    int messageReference = 0;
    QString recipient;
    QDateTime sentAt;
    int part = 1;
    int partCount = 1;
    // The run the row belongs to: row indexes start again with every run. 0 for parts written
    // before runs had ids, which all read as one run.
    std::uint64_t run = 0;
    // The day and message fingerprint of the row's sent-items record (SentItemKey); invalid
    // and empty for parts written before they were kept.
    QDate day;
    QString messageKey;

    bool operator==(const DeliveryPartRecord&) const = default;
};

// One status report as it arrived, matched or not.
struct DeliveryReportRecord
{
    QString port;
    int messageReference = 0;
    QString recipient;
    int status = 0;
    QDateTime serviceCentreTime;
    QDateTime dischargeTime;
    QDateTime receivedAt;

    bool operator==(const DeliveryReportRecord&) const = default;
};

using DeliveryRecordEntry = std::variant<DeliveryPartRecord, DeliveryReportRecord>;

namespace DeliveryRecord {

// The line of a record without its line end, fields split as in the other stores: BEL, then
// "P" or "R", then each field after a VT; times in ISO 8601 with their offset (empty when
// unknown), every "\n" as the newline token. A part's fields: row, port, reference, recipient,
// sent time, part, part count, then run, day (yyyy-MM-dd) and message fingerprint; lines
// without the last three (written before them) still read.
QString ToLine(const DeliveryRecordEntry& entry);

// One line back; nullopt for a line that is not a whole record of either kind.
std::optional<DeliveryRecordEntry> FromLine(QStringView line);

} // namespace DeliveryRecord
