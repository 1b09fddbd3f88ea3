#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// What the submission and interrogation code needs of a serial channel to a modem. The serial
// port implements it; a wrapper can watch the conversation (a transcript) without changing it.
class ModemChannel
{
public:
    virtual ~ModemChannel() = default;

    // Writes the whole buffer; raises CSMSException on a closed or broken channel.
    virtual std::size_t Write(const char* bytes, std::size_t length) = 0;
    std::size_t Write(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }

    // Collects input until it contains token; see CSMSSerialPort::ReadUntil.
    virtual bool ReadUntil(const char* token) = 0;
    // Collects the final result of a submission whose body was just written: lines that echo
    // the body are not its result. The line may stay quiet graceMs longer than for a command,
    // since a network takes its time to accept a message.
    virtual bool ReadSubmissionResult(QByteArrayView body, std::uint32_t graceMs)
    {
        return ReadUntil("OK");
    }
    virtual const QString& response() const = 0;
    virtual void clearResponse() = 0;

    // Drops input that arrived unasked (a reply that came after its wait had given up).
    virtual void DiscardInput() = 0;

    // The unsolicited lines the modem printed since the last call (signal reports, new
    // messages, delivery reports), oldest first; they never reach a response.
    virtual QList<QByteArray> takeUnsolicited() { return {}; }
    // Puts lines taken but not used back in front of those kept since, for the next reader: a
    // reader of reports leaves the messages to the reader of messages.
    virtual void returnUnsolicited(const QList<QByteArray>& lines) {}

    virtual bool Close() = 0;
    virtual int portNumber() const = 0;
    // The errno that broke the channel during ReadUntil, if any.
    virtual std::optional<int> failure() const = 0;
};
