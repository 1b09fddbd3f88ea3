#include "sim/AtEngine.h"

#include "sim/StatusReports.h"
#include "sim/Submission.h"

#include <utility>

namespace sim {

namespace {

constexpr char kCtrlZ = 0x1A;
constexpr char kEscape = 0x1B;
constexpr char kBackspace = 0x08;
constexpr qsizetype kMaxLine = 2048;
constexpr qsizetype kMaxBody = 4096;
const QByteArray kPrompt = "\r\n> ";

CommandHandler findHandler(const QByteArray& name)
{
    for (const auto* table :
         {&generalCommands(), &smsCommands(), &simCommands(), &reportCommands()}) {
        const auto found = table->find(name);
        if (found != table->end())
            return found->second;
    }
    return nullptr;
}

} // namespace

AtEngine::AtEngine(QString portName, ModemProfile profile, MessageSink sink)
    : m_portName(std::move(portName)), m_state(std::move(profile)), m_sink(std::move(sink)),
      m_silentDeletesLeft(m_state.profile.silentDeletes)
{}

std::vector<OutputChunk> AtEngine::feed(QByteArrayView input)
{
    m_output.clear();
    if (m_state.profile.hang || m_wedged)
        return {};
    for (const char c : input) {
        if (m_vanishing || m_wedged)
            break;
        if (m_mode == InputMode::Command)
            commandByte(c);
        else
            bodyByte(c);
    }
    return std::exchange(m_output, {});
}

void AtEngine::hostClosed()
{
    m_mode = InputMode::Command;
    m_line.clear();
    m_body.clear();
    if (m_state.profile.wedgeStays && m_wedged)
        return;
    m_wedged = false;
    m_acceptedAtOpen = m_state.accepted;
}

void AtEngine::output(const QByteArray& bytes, bool isAnswer, bool submissionResult)
{
    if (!isAnswer && !m_output.empty() && !m_output.back().answer)
        m_output.back().bytes.append(bytes);
    else
        m_output.push_back({bytes, isAnswer, submissionResult});
}

void AtEngine::commandByte(char c)
{
    if (c == kCtrlZ || c == kEscape)
        return;
    if (m_state.echo || m_state.profile.echoOnly)
        output(QByteArray(1, c), false);
    if (m_state.profile.echoOnly)
        return;
    if (c == '\r') {
        runLine(std::exchange(m_line, {}).trimmed());
    } else if (c == kBackspace) {
        m_line.chop(1);
    } else if (c != '\n' && m_line.size() < kMaxLine) {
        m_line.append(c);
    }
}

void AtEngine::runLine(const QByteArray& line)
{
    // Anything not starting with AT is noise to a modem (for example a PDU sent without a prompt).
    if (line.size() < 2 || qstrnicmp(line.constData(), "AT", 2) != 0)
        return;
    if (shouldVanish()) {
        m_vanishing = true;
        return;
    }
    if (shouldWedge()) {
        m_wedged = true;
        return;
    }
    const auto commands = parseAtCommands(QByteArrayView(line).sliced(2));
    if (!commands) {
        answer({}, "ERROR");
        return;
    }
    if (m_silentDeletesLeft > 0 && !commands->empty() && commands->front().name == "+CMGD") {
        --m_silentDeletesLeft;
        return;
    }
    QList<QByteArray> lines;
    for (std::size_t i = 0; i < commands->size(); ++i) {
        const CommandHandler handler = findHandler((*commands)[i].name);
        if (!handler) {
            answer(lines, "ERROR");
            return;
        }
        CommandOutcome outcome = handler((*commands)[i], m_state);
        lines.append(outcome.lines);
        if (outcome.submission) {
            if (i + 1 != commands->size()) {
                answer(lines, "ERROR"); // nothing may follow AT+CMGS on its line
                return;
            }
            for (const QByteArray& l : lines)
                output("\r\n" + l + "\r\n", true);
            output(kPrompt, true);
            m_pending = *outcome.submission;
            m_body.clear();
            m_mode = InputMode::Body;
            return;
        }
        if (outcome.final != "OK") {
            answer(lines, outcome.final);
            return;
        }
    }
    answer(lines, "OK");
}

void AtEngine::bodyByte(char c)
{
    if (c == kCtrlZ) {
        finishBody();
        return;
    }
    if (c == kEscape) {
        m_mode = InputMode::Command;
        answer({}, "OK");
        return;
    }
    if (m_state.echo)
        output(QByteArray(1, c), false);
    if (m_body.size() < kMaxBody)
        m_body.append(c);
    if (c == '\r' && !m_pending.pduMode)
        output(kPrompt, true); // text mode: a new line of the message
}

void AtEngine::finishBody()
{
    m_mode = InputMode::Command;
    SubmissionResult result =
        completeSubmission(m_pending, std::exchange(m_body, {}), m_state, m_portName);
    if (result.message && m_sink)
        m_sink(*result.message);
    if (result.message)
        scheduleReport(*result.message);
    answer(result.outcome.lines, result.outcome.final, true);
    const int answered = m_state.profile.vanishAnswered;
    if (answered > 0 && m_state.accepted >= answered)
        m_vanishing = true;
}

void AtEngine::answer(const QList<QByteArray>& lines, const QByteArray& final,
                      bool submissionResult)
{
    const ModemProfile& profile = m_state.profile;
    const bool burst =
        !profile.unsolicited.isEmpty() && ++m_finalResults % profile.unsolicitedEvery == 0;
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += "\r\n" + line + "\r\n";
    if (burst && profile.unsolicitedInside)
        bytes += unsolicitedBurst();
    bytes += "\r\n" + final + "\r\n";
    output(bytes, true, submissionResult);
    if (burst && !profile.unsolicitedInside)
        output(unsolicitedBurst(), false);
}

QByteArray AtEngine::unsolicitedBurst() const
{
    QByteArray bytes;
    for (const QString& line : m_state.profile.unsolicited)
        bytes += "\r\n" + line.toLatin1() + "\r\n";
    return bytes;
}

void AtEngine::scheduleReport(const AirMessage& message)
{
    const bool asked = message.mode == QLatin1String("pdu")
                           ? pduAsksForReport(message.pdu)
                           : firstOctetAsksForReport(m_state.textParameters.firstOctet);
    const std::optional<int> status = reportStatusFor(m_state.profile, message.destination);
    if (!asked || !status || m_state.reportDestination == 0)
        return;
    const int delayMs = m_state.profile.reportDelayMs;
    StatusReportEntry report;
    report.due = std::chrono::steady_clock::now() + std::chrono::milliseconds(delayMs);
    report.messageReference = message.messageReference;
    report.recipient = message.destination;
    report.submitted = message.time;
    report.discharged = message.time.addMSecs(delayMs);
    report.status = *status;
    m_state.comingReports.push_back(std::move(report));
}

void AtEngine::receiveControlLine(const QString& line)
{
    for (InboxEntry& entry : inboxEntriesFor(line, m_state.smsc, m_state.nextInboundReference,
                                             QDateTime::currentDateTime()))
        m_state.receive(std::move(entry));
}

std::optional<int> AtEngine::msUntilNextReport() const
{
    // A report or indication waits while a command line or a message body is being typed.
    const bool busy = m_mode == InputMode::Body || !m_line.isEmpty();
    if (!m_state.pendingIndications.isEmpty())
        return busy ? 20 : 0;
    if (m_state.comingReports.empty())
        return std::nullopt;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(
        m_state.comingReports.front().due - std::chrono::steady_clock::now());
    return std::max<int>(busy ? 20 : 0, static_cast<int>(std::max<std::int64_t>(0, left.count())));
}

std::vector<OutputChunk> AtEngine::releaseDueReports()
{
    m_output.clear();
    const auto now = std::chrono::steady_clock::now();
    if (m_mode == InputMode::Body || !m_line.isEmpty())
        return {};
    auto& coming = m_state.comingReports;
    while (!coming.empty() && coming.front().due <= now) {
        StatusReportEntry report = std::move(coming.front());
        coming.erase(coming.begin());
        output(reportIndication(std::move(report)), false);
    }
    for (const QByteArray& line : std::exchange(m_state.pendingIndications, {}))
        output("\r\n" + line + "\r\n", false);
    return std::exchange(m_output, {});
}

QByteArray AtEngine::reportIndication(StatusReportEntry report)
{
    if (m_state.reportDestination == 2) {
        const int index = m_state.nextStoredIndex++;
        m_state.storedReports[index] = std::move(report);
        return "\r\n+CDSI: \"SR\"," + QByteArray::number(index) + "\r\n";
    }
    if (m_state.messageFormat == 0)
        return "\r\n+CDS: " + QByteArray::number(statusReportTpduLength(report)) + "\r\n" +
               statusReportPdu(report) + "\r\n";
    return "\r\n+CDS: " + statusReportTextFields(report) + "\r\n";
}

bool AtEngine::shouldVanish() const
{
    return m_state.profile.vanishAfter > 0 && m_state.accepted >= m_state.profile.vanishAfter;
}

bool AtEngine::shouldWedge() const
{
    const int after = m_state.profile.wedgeAfter;
    return after > 0 && m_state.accepted - m_acceptedAtOpen >= after;
}

} // namespace sim
