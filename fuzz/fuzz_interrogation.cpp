// A modem's answers to the interrogation commands: a scripted channel hands out one reply per
// command (replies separated by NUL bytes in the input), then the display values are decoded.

#include "FuzzSupport.h"
#include "modem/AnswerCleaning.h"
#include "modem/CSMSException.h"
#include "modem/Interrogation.h"
#include "modem/ModemChannel.h"
#include "modem/ModemCommands.h"

#include <QStringList>
#include <vector>

namespace {

class ScriptedChannel : public ModemChannel
{
public:
    explicit ScriptedChannel(const std::vector<QString>& replies) : m_replies(replies) {}

    std::size_t Write(const char*, std::size_t length) override { return length; }
    using ModemChannel::Write;

    // Like the serial port: the next reply arrives, and the wait succeeds when it holds the
    // token; a silent modem leaves the response empty.
    bool ReadUntil(const char* token) override
    {
        m_response = m_next < m_replies.size() ? m_replies[m_next++] : QString();
        return m_response.contains(QLatin1String(token));
    }
    const QString& response() const override { return m_response; }
    void clearResponse() override { m_response.clear(); }
    void DiscardInput() override {}
    bool Close() override { return true; }
    int portNumber() const override { return 7; }
    std::optional<int> failure() const override { return std::nullopt; }

    void rewind() { m_next = 0; }

private:
    const std::vector<QString>& m_replies;
    std::size_t m_next = 0;
    QString m_response;
};

void decodeValues(const QString& reply)
{
    const QString value = CleanAnswer(reply, {"AT+CSQ", "+CSQ", "AT+CBC", "+CBC"});
    const QString signal = signalQualityText(value);
    require(signal.isEmpty() || signal.startsWith(u"Low (") || signal.startsWith(u"Medium (") ||
                signal.startsWith(u"Good (") || signal.startsWith(u"High ("),
            "a signal quality is one of the bands");
    batteryText(value);
    const QString kept = CleanAnswer(reply, {"AT+CSCA", "+CSCA"}, Quotes::Keep);
    const QString quoted = quotedValue(kept);
    require(kept.contains(quoted), "a quoted value is part of the answer");
    decodeSmscNumber(quoted, basicIsInvalidNumber);
    decodeSmscNumber(reply, [](const QString& number) { return number.size() % 2 != 0; });
    messageModeOfReply(reply);
    charsetOfReply(reply);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    std::vector<QString> replies;
    while (!input.atEnd() && replies.size() < 64)
        replies.push_back(QString::fromLatin1(input.field('\0')));
    for (const QString& reply : replies)
        decodeValues(reply);

    ScriptedChannel channel(replies);
    try {
        const QString information = QueryDeviceInformation(channel);
        require(information.startsWith(u"Manufacturer :"), "the information text's first line");
    } catch (const CSMSException& error) {
        require(error.code() == CSMSException::NoResponseCode, "only no answer to AT is an error");
    }
    for (auto query : {QueryImei, QueryModel}) {
        channel.rewind();
        query(channel);
    }
    channel.rewind();
    const int modes = QuerySmsModes(channel);
    require(modes >= NoSmsMode && modes <= PduAndTextMode, "a mode code");
    channel.rewind();
    CheckSmsCapability(channel);
    channel.rewind();
    QueryMessageMode(channel);
    return 0;
}
