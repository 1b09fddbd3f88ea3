#pragma once

#include "modem/ModemChannel.h"

#include <QByteArray>
#include <QList>

// Passes everything to the real channel and keeps what was written, one entry per command:
// a message body and the Ctrl-Z after it make one entry.
class RecordingChannel : public ModemChannel
{
public:
    explicit RecordingChannel(ModemChannel& channel) : m_channel(channel) {}

    std::size_t Write(const char* bytes, std::size_t length) override
    {
        const QByteArray written(bytes, static_cast<qsizetype>(length));
        if (written == "\x1A\r\n" && !m_transcript.isEmpty())
            m_transcript.last() += written;
        else
            m_transcript.append(written);
        return m_channel.Write(bytes, length);
    }
    using ModemChannel::Write;

    bool ReadUntil(const char* token) override { return m_channel.ReadUntil(token); }
    bool ReadSubmissionResult(QByteArrayView body, std::uint32_t graceMs) override
    {
        return m_channel.ReadSubmissionResult(body, graceMs);
    }
    QList<QByteArray> takeUnsolicited() override { return m_channel.takeUnsolicited(); }
    void returnUnsolicited(const QList<QByteArray>& lines) override
    {
        m_channel.returnUnsolicited(lines);
    }
    const QString& response() const override { return m_channel.response(); }
    void clearResponse() override { m_channel.clearResponse(); }
    void DiscardInput() override { m_channel.DiscardInput(); }
    bool Close() override { return m_channel.Close(); }
    int portNumber() const override { return m_channel.portNumber(); }
    std::optional<int> failure() const override { return m_channel.failure(); }

    const QList<QByteArray>& transcript() const { return m_transcript; }
    void clearTranscript() { m_transcript.clear(); }

private:
    ModemChannel& m_channel;
    QList<QByteArray> m_transcript;
};
