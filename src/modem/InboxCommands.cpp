#include "modem/InboxCommands.h"

#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"
#include "modem/ReportRouting.h"

#include <QStringList>
#include <algorithm>

std::optional<StorageListing> listReceivedMessages(ModemChannel& channel, bool pduMode,
                                                   const QString& charset)
{
    StorageListing listing;
    if (sendCommand(channel, "AT+CPMS?\r"))
        listing.store = receivedMessageStore(channel.response());
    if (listing.store.isEmpty())
        listing.store = QStringLiteral("SM");
    // Only <mem1> changes: where new messages and reports go stays as it was set.
    if (sendCommand(channel, "AT+CPMS=\"" + listing.store.toStdString() + "\"\r"))
        listing.use = parseStorageUse(channel.response());
    if (!sendCommand(channel, pduMode ? "AT+CMGL=4\r" : "AT+CMGL=\"ALL\"\r"))
        return std::nullopt;
    listing.list = parseStoredMessageList(channel.response(), pduMode, charset);
    return listing;
}

bool deleteStoredMessage(ModemChannel& channel, int index)
{
    return sendCommand(channel, "AT+CMGD=" + std::to_string(index) + "\r");
}

std::optional<std::vector<int>> parseCnmiValues(const QString& answer)
{
    for (const QString& line : answer.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.startsWith(QLatin1String("+CNMI:")) || trimmed.contains(u'('))
            continue;
        std::vector<int> values;
        for (const QString& field : trimmed.mid(6).split(u',')) {
            bool ok = false;
            values.push_back(field.trimmed().toInt(&ok));
            if (!ok)
                return std::nullopt;
        }
        return values;
    }
    return std::nullopt;
}

bool setUpNewMessageIndications(ModemChannel& channel)
{
    std::optional<std::vector<int>> current;
    if (sendCommand(channel, "AT+CNMI?\r"))
        current = parseCnmiValues(channel.response());
    if (current && current->size() >= 2 && (*current)[1] != 0)
        return true;
    if (!sendCommand(channel, "AT+CNMI=?\r"))
        return false;
    const std::optional<CnmiRanges> ranges = parseCnmiRanges(channel.response());
    const auto allows = [&ranges](std::size_t parameter, int value) {
        return ranges && parameter < ranges->size() &&
               std::find((*ranges)[parameter].begin(), (*ranges)[parameter].end(), value) !=
                   (*ranges)[parameter].end();
    };
    if (!allows(1, 1))
        return false;
    std::vector<int> values = current && current->size() >= 2 ? *current : std::vector<int>{};
    if (values.empty())
        values = {allows(0, 2) ? 2 : 1, 1};
    values[1] = 1;
    // Mode 0 keeps indications in the modem while the link is busy: never printed.
    if (values[0] == 0)
        values[0] = allows(0, 2) ? 2 : 1;
    QByteArray command = "AT+CNMI=";
    for (std::size_t i = 0; i < values.size(); ++i)
        command += (i ? "," : "") + QByteArray::number(values[i]);
    return sendCommand(channel, (command + "\r").toStdString());
}

std::optional<int> parseMessageService(const QString& answer)
{
    for (const QString& line : answer.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.startsWith(QLatin1String("+CSMS:")) || trimmed.contains(u'('))
            continue;
        bool ok = false;
        const int service = trimmed.mid(6).section(u',', 0, 0).trimmed().toInt(&ok);
        return ok ? std::optional<int>(service) : std::nullopt;
    }
    return std::nullopt;
}

bool directMessagesNeedAcknowledgement(ModemChannel& channel)
{
    if (!sendCommand(channel, "AT+CSMS?\r") || parseMessageService(channel.response()) != 1)
        return false;
    if (!sendCommand(channel, "AT+CNMI?\r"))
        return false;
    const std::optional<std::vector<int>> values = parseCnmiValues(channel.response());
    return values && values->size() >= 2 && (*values)[1] == 2;
}

bool acknowledgeDirectMessage(ModemChannel& channel)
{
    return sendCommand(channel, "AT+CNMA\r");
}
