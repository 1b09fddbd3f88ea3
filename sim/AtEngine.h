#pragma once

#include "sim/AirLog.h"
#include "sim/ModemProfile.h"
#include "sim/ModemState.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace sim {

// Bytes the modem sends. Answers (prompts and results) come after the profile's latency; echo and
// unsolicited lines come at once.
struct OutputChunk
{
    QByteArray bytes;
    bool answer = false;
    bool submissionResult = false; // the final result of AT+CMGS after its body
};

// The modem's side of the AT conversation, without any I/O: bytes in, bytes out. Command lines
// end with CR; after AT+CMGS the body runs to Ctrl-Z (sent) or ESC (cancelled).
class AtEngine
{
public:
    using MessageSink = std::function<void(const AirMessage&)>;

    AtEngine(QString portName, ModemProfile profile, MessageSink sink);

    std::vector<OutputChunk> feed(QByteArrayView input);

    // The host closed the port (DTR dropped): a half-typed line or message body is abandoned, and
    // a wedged modem comes back unless its profile says it stays wedged.
    void hostClosed();

    // True while the modem answers nothing at all.

    // True once the modem is to disappear; it then takes no more input.
    bool vanishing() const { return m_vanishing; }

    // A line of the modem's control FIFO (see inboxEntriesFor): the message arrives in "SM".
    // Throws SimError for a line it cannot read.
    void receiveControlLine(const QString& line);

    // Milliseconds until the next status report or "+CMTI" is due; nothing when none is coming.
    std::optional<int> msUntilNextReport() const;
    // The reports that fell due: "+CDS:" lines, or "+CDSI:" for reports put in the store; and
    // the "+CMTI:" lines of messages that came.
    std::vector<OutputChunk> releaseDueReports();

private:
    enum class InputMode
    {
        Command,
        Body
    };

    void commandByte(char c);
    void bodyByte(char c);
    void runLine(const QByteArray& line);
    void finishBody();
    void answer(const QList<QByteArray>& lines, const QByteArray& final,
                bool submissionResult = false);
    QByteArray unsolicitedBurst() const;
    void output(const QByteArray& bytes, bool isAnswer, bool submissionResult = false);
    bool shouldVanish() const;
    bool shouldWedge() const;
    void scheduleReport(const AirMessage& message);
    QByteArray reportIndication(StatusReportEntry report);

    QString m_portName;
    ModemState m_state;
    MessageSink m_sink;
    InputMode m_mode = InputMode::Command;
    QByteArray m_line;
    QByteArray m_body;
    PendingSubmission m_pending;
    int m_finalResults = 0;
    bool m_vanishing = false;
    bool m_wedged = false;
    int m_acceptedAtOpen = 0; // accepted messages before this opening of the port
    int m_silentDeletesLeft = 0;
    std::vector<OutputChunk> m_output;
};

} // namespace sim
