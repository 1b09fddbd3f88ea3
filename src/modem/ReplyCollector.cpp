#include "modem/ReplyCollector.h"

#include "modem/UnsolicitedLines.h"

#include <utility>

namespace {

constexpr char CtrlZ = 0x1A;

// A line of an echoed message body: text mode prompts every line with "> ", and some modems
// echo the Ctrl-Z too.
QByteArray echoForm(QByteArrayView line)
{
    QByteArray text = line.toByteArray();
    text.replace(CtrlZ, QByteArray());
    text = text.trimmed();
    while (text.startsWith('>'))
        text = text.mid(1).trimmed();
    return text;
}

} // namespace

ReplyCollector::ReplyCollector(const char* token, QByteArray answerPrefix)
    : ReplyCollector(token, std::move(answerPrefix), Carry())
{}

ReplyCollector::ReplyCollector(const char* token, QByteArray answerPrefix, Carry carry)
    : m_token(token ? QByteArray(token) : QByteArray()), m_answerPrefix(std::move(answerPrefix)),
      m_line(std::move(carry.line)), m_waiting(std::move(carry.waiting)),
      m_bodyLinesLeft(m_waiting.isEmpty() ? 0 : carry.bodyLinesLeft),
      m_bodyCharsLeft(m_waiting.isEmpty() ? 0 : carry.bodyCharsLeft)
{
    if (m_token.isEmpty())
        m_wanted = Wanted::Nothing;
    else if (m_token == "OK")
        m_wanted = Wanted::FinalOk;
    else if (m_token == ">")
        m_wanted = Wanted::Prompt;
    else
        m_wanted = Wanted::Text;
}

void ReplyCollector::expectEcho(QByteArrayView body)
{
    m_echo.clear();
    // The echo arrives as the reply does: NUL (the GSM code of "@") as a blank.
    QByteArray text = body.toByteArray().replace('\r', '\n').replace('\0', ' ');
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray form = echoForm(line);
        if (!form.isEmpty())
            m_echo.append(form);
    }
    m_echoNext = m_echo.isEmpty() ? -1 : 0;
}

void ReplyCollector::add(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (c == '\0')
            c = ' ';
        if (m_openTail) {
            m_kept += c;
            if (c == '\r' || c == '\n') {
                m_openTail = false;
                m_keepLineFeed = c == '\r';
            }
            continue;
        }
        if (c == '\r' || c == '\n') {
            endLine(c);
            continue;
        }
        m_dropLineFeed = false;
        m_keepLineFeed = false;
        m_line.append(c);
    }
    checkPartialLine();
}

QByteArray ReplyCollector::reply() const
{
    return ended() || m_bodyLinesLeft > 0 ? m_kept : m_kept + m_line;
}

void ReplyCollector::endLine(char terminator)
{
    // The line feed of a CR LF after a line that was taken out goes with it.
    if (terminator == '\n' && m_dropLineFeed && m_line.isEmpty()) {
        m_dropLineFeed = false;
        // Inside a counted text body the LF of a CR LF is one of its characters.
        if (m_bodyCharsLeft > 0 && m_waiting.contains('\n')) {
            m_waiting += '\n';
            if (--m_bodyCharsLeft == 0)
                bodyEnded();
        }
        return;
    }
    if (terminator == '\n' && m_keepLineFeed && m_line.isEmpty()) {
        m_keepLineFeed = false;
        m_kept += '\n';
        return;
    }
    m_dropLineFeed = false;
    m_keepLineFeed = false;
    const QByteArray line = std::exchange(m_line, {});
    judgeLine(line, terminator);
}

void ReplyCollector::judgeLine(const QByteArray& line, char terminator)
{
    if (takeUnsolicited(line, terminator)) {
        m_dropLineFeed = terminator == '\r';
        return;
    }
    // What follows the final result belongs to no command: only its unsolicited lines are kept.
    if (ended())
        return;
    m_kept += line;
    m_kept += terminator;
    const QByteArray text = line.trimmed();
    if (text.isEmpty() || isEcho(line))
        return;
    if (m_wanted == Wanted::Nothing)
        return;
    if (m_wanted == Wanted::FinalOk && text == "OK")
        m_tokenSeen = true;
    else if (m_wanted == Wanted::Prompt && text.contains('>'))
        m_tokenSeen = true;
    else if (m_wanted == Wanted::Text && m_kept.contains(m_token))
        m_tokenSeen = true;
    else if (isFinalErrorLine(text))
        m_finalError = true;
    m_keepLineFeed = ended() && terminator == '\r';
}

ReplyCollector::Carry ReplyCollector::carry() const
{
    Carry carry;
    // Before the reply ended an unfinished line is the reply's, unless it is a body.
    if (ended() || m_bodyLinesLeft > 0)
        carry.line = m_line;
    if (m_bodyLinesLeft > 0) {
        carry.waiting = m_waiting;
        carry.bodyLinesLeft = m_bodyLinesLeft;
        carry.bodyCharsLeft = m_bodyCharsLeft;
    }
    return carry;
}

void ReplyCollector::bodyEnded()
{
    m_bodyLinesLeft = 0;
    m_bodyCharsLeft = 0;
    m_unsolicited.append(std::exchange(m_waiting, {}));
}

// Every line up to the length is the body's, whatever it reads ("OK" too), with the line
// breaks between them as they came.
bool ReplyCollector::takeCountedBodyLine(const QByteArray& line, char terminator)
{
    const bool started = m_waiting.contains('\n');
    if (!started && line.isEmpty())
        return true;
    if (!started)
        m_waiting += '\n';
    m_waiting += line;
    m_bodyCharsLeft -= int(line.size());
    if (m_bodyCharsLeft > 0) {
        m_waiting += terminator;
        --m_bodyCharsLeft;
    }
    if (m_bodyCharsLeft <= 0)
        bodyEnded();
    return true;
}

bool ReplyCollector::takeBodyLine(const QByteArray& line, char terminator)
{
    if (m_bodyCharsLeft > 0)
        return takeCountedBodyLine(line, terminator);
    const QByteArray text = line.trimmed();
    if (text.isEmpty())
        return true;
    // A PDU body is hex: anything else means the body was lost (input flushed), and the
    // line is judged on its own.
    if (!unsolicitedBodyFits(m_waiting, text)) {
        m_bodyLinesLeft = 0;
        m_unsolicited.append(std::exchange(m_waiting, {}));
        return false;
    }
    m_waiting += '\n' + text;
    if (--m_bodyLinesLeft == 0)
        m_unsolicited.append(std::exchange(m_waiting, {}));
    return true;
}

bool ReplyCollector::takeUnsolicited(const QByteArray& line, char terminator)
{
    if (m_bodyLinesLeft > 0 && takeBodyLine(line, terminator))
        return true;
    if (!isUnsolicitedLine(line, m_answerPrefix))
        return false;
    m_bodyLinesLeft = unsolicitedBodyLines(line);
    m_bodyCharsLeft = textMessageLength(line).value_or(0);
    if (m_bodyLinesLeft > 0)
        m_waiting = line.trimmed();
    else
        m_unsolicited.append(line.trimmed());
    return true;
}

bool ReplyCollector::isEcho(const QByteArray& line)
{
    if (m_echoNext < 0)
        return false;
    if (echoForm(line) != m_echo[m_echoNext]) {
        m_echoNext = -1; // echo off, or it is over
        return false;
    }
    if (++m_echoNext == m_echo.size())
        m_echoNext = -1;
    return true;
}

// The prompt comes without a line end; every other token is judged on whole lines, and so is
// the prompt while an echo is expected (the line may be the echo still arriving).
void ReplyCollector::checkPartialLine()
{
    if (ended() || m_wanted != Wanted::Prompt || m_bodyLinesLeft > 0 || m_echoNext >= 0)
        return;
    if (!m_line.trimmed().startsWith('>'))
        return;
    m_tokenSeen = true;
    m_kept += std::exchange(m_line, {});
    m_openTail = true;
}
