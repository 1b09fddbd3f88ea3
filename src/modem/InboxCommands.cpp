#include "modem/InboxCommands.h"

#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"

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
