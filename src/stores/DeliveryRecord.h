#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <variant>

// One part sent with a request for a status report: which sent row it belongs to, where and
// with which message reference it went.
struct DeliveryPartRecord
{
    std::int64_t row = 0;
    QString port;
    int messageReference = 0;
    QString recipient;
    QDateTime sentAt;
    int part = 1;
    int partCount = 1;

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
// unknown), every "\n" as the newline token.
QString ToLine(const DeliveryRecordEntry& entry);

// One line back; nullopt for a line that is not a whole record of either kind.
std::optional<DeliveryRecordEntry> FromLine(QStringView line);

} // namespace DeliveryRecord
