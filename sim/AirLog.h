#pragma once

#include <QDateTime>
#include <QFile>
#include <QJsonObject>
#include <QString>
#include <mutex>
#include <optional>
#include <vector>

namespace sim {

// One SMS as it went on the simulated air.
struct AirMessage
{
    QString port; // "COM3"
    QString destination;
    QString smsc; // the PDU's own SMSC, else the modem's
    int dcs = 0;
    std::optional<int> messageClass;
    QString text;
    std::optional<int> reference; // concatenation reference
    int part = 1;
    int total = 1;
    QString mode; // "pdu" or "text"
    QDateTime time;
    int messageReference = 0;           // TP-MR the modem gave, as in "+CMGS: <mr>"
    QString pdu;                        // PDU mode: the PDU as submitted
    std::optional<int> validityMinutes; // relative validity period
};

QJsonObject toJson(const AirMessage& message);

// The air: every accepted SMS, in order, kept in memory and appended as one JSON line to the log
// file (when there is one), flushed line by line. Safe to use from every modem thread.
class AirLog
{
public:
    // Throws SimError when the file cannot be opened for appending.
    explicit AirLog(const QString& path = {});

    void append(const AirMessage& message);
    std::vector<AirMessage> messages() const;

private:
    mutable std::mutex m_mutex;
    QFile m_file;
    std::vector<AirMessage> m_messages;
};

} // namespace sim
