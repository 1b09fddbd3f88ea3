// Reads any text as a received message: an SMS-DELIVER in PDU hex, and AT+CMGL and AT+CMGR
// answers in both modes. Nothing may crash or read past the input, and what decodes must hold
// together.

#include "FuzzSupport.h"
#include "modem/DeliverPdu.h"
#include "modem/StoredMessages.h"

namespace {

void checkMessage(const DeliverMessage& message, bool fromPdu = true)
{
    if (message.concatenation) {
        const ConcatenationInfo& c = *message.concatenation;
        require(c.count >= 1 && c.count <= 255, "a part count in an octet");
        require(c.sequence >= 1 && c.sequence <= c.count, "a sequence within its count");
        require(c.reference >= 0 && c.reference <= (c.sixteenBitReference ? 0xFFFF : 0xFF),
                "a reference in its octets");
    }
    if (message.coding == MessageCoding::EightBit) {
        require(message.text.size() % 2 == 0, "8-bit data as whole octets of hex");
        for (const QChar c : message.text)
            require(hexDigitValue(c) >= 0 && !c.isLower(), "8-bit data as upper-case hex");
    }
    if (fromPdu)
        require(message.sender.text.size() <= MaxAddressDigits + 1, "an address within its length");
    require(message.dataCoding >= 0 && message.dataCoding <= 255, "the DCS an octet");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const DeliverDecoding withSmsc = decodeDeliverPdu(text, true);
    if (const DeliverMessage* message = std::get_if<DeliverMessage>(&withSmsc))
        checkMessage(*message);
    else
        require(!deliverErrorText(std::get<DeliverError>(withSmsc)).isEmpty(), "every error told");

    // An empty SMSC field in front changes nothing.
    const DeliverDecoding plain = decodeDeliverPdu(text, false);
    const DeliverDecoding prefixed = decodeDeliverPdu(QStringLiteral("00") + text.trimmed(), true);
    const DeliverMessage* plainMessage = std::get_if<DeliverMessage>(&plain);
    const DeliverMessage* prefixedMessage = std::get_if<DeliverMessage>(&prefixed);
    require((plainMessage == nullptr) == (prefixedMessage == nullptr),
            "an empty SMSC field is skipped");
    if (plainMessage) {
        checkMessage(*plainMessage);
        require(plainMessage->text == prefixedMessage->text, "the same text");
        require(plainMessage->sender.text == prefixedMessage->sender.text, "the same sender");
        require(plainMessage->concatenation == prefixedMessage->concatenation,
                "the same concatenation");
    } else {
        require(std::get<DeliverError>(plain) == std::get<DeliverError>(prefixed) ||
                    std::get<DeliverError>(prefixed) == DeliverError::SmscCutShort,
                "the same error");
    }

    for (const bool pduMode : {true, false}) {
        for (const QString& charset : {QString(), QStringLiteral("UCS2")}) {
            const StoredMessageList list = parseStoredMessageList(text, pduMode, charset);
            for (const StoredMessage& stored : list.messages) {
                require(stored.index >= 0 || stored.index == -1, "an index as given");
                checkMessage(stored.message, pduMode);
            }
            if (const std::optional<StoredMessage> read =
                    parseStoredMessage(text, pduMode, charset))
                checkMessage(read->message, pduMode);
        }
    }
    for (const QString& charset : {QString(), QStringLiteral("UCS2")}) {
        if (const std::optional<DeliverMessage> direct = parseCmtIndication(text, charset))
            checkMessage(*direct, text.trimmed().section(u'\n', 0, 0).count(u',') == 1);
    }
    (void)parseCmtiLine(text);
    if (const std::optional<StorageUse> use = parseStorageUse(text))
        (void)use->full();
    (void)receivedMessageStore(text);
    return 0;
}
