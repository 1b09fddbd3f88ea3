#include "sim/AirLog.h"

#include "sim/SimError.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace sim {

namespace {

QJsonValue optionalInt(const std::optional<int>& value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

} // namespace

QJsonObject toJson(const AirMessage& message)
{
    QJsonObject object;
    object.insert(QStringLiteral("port"), message.port);
    object.insert(QStringLiteral("destination"), message.destination);
    object.insert(QStringLiteral("smsc"), message.smsc);
    object.insert(QStringLiteral("dcs"), message.dcs);
    object.insert(QStringLiteral("class"), optionalInt(message.messageClass));
    object.insert(QStringLiteral("text"), message.text);
    object.insert(QStringLiteral("reference"), optionalInt(message.reference));
    object.insert(QStringLiteral("part"), message.part);
    object.insert(QStringLiteral("total"), message.total);
    object.insert(QStringLiteral("mode"), message.mode);
    object.insert(QStringLiteral("time"), message.time.toString(Qt::ISODateWithMs));
    object.insert(QStringLiteral("mr"), message.messageReference);
    object.insert(QStringLiteral("pdu"),
                  message.pdu.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(message.pdu));
    object.insert(QStringLiteral("validity"), optionalInt(message.validityMinutes));
    return object;
}

AirLog::AirLog(const QString& path)
{
    if (path.isEmpty())
        return;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw SimError(
            QCoreApplication::translate("quillon-modem-sim", "Cannot open the log file %1: %2")
                .arg(path, m_file.errorString())
                .toStdString());
}

void AirLog::append(const AirMessage& message)
{
    const QByteArray line = QJsonDocument(toJson(message)).toJson(QJsonDocument::Compact) + '\n';
    const std::lock_guard lock(m_mutex);
    m_messages.push_back(message);
    if (m_file.isOpen()) {
        m_file.write(line);
        m_file.flush();
    }
}

std::vector<AirMessage> AirLog::messages() const
{
    const std::lock_guard lock(m_mutex);
    return m_messages;
}

} // namespace sim
