#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Gathers a modem's reply to one command from reads whose boundaries fall anywhere. Lines are
// judged whole: a final result is a line of its own ("NOKIA" read as "NOK" and "IA" holds no
// "OK"), unsolicited lines are taken out of the reply and kept apart, and after a message body
// the lines that echo it are never taken for its result.
class ReplyCollector
{
public:
    // What one collector leaves to the next on the same channel: the unfinished line read
    // after the reply ended, and an unsolicited line still waiting for its body ("+CMT: ,24"
    // whose PDU line has not come yet).
    struct Carry
    {
        QByteArray line;
        QByteArray waiting;
        int bodyLinesLeft = 0;
        int bodyCharsLeft = 0; // a text body of a given length, read across line breaks
    };

    // token "OK": ends on an "OK" line; ">": on the prompt, which needs no line end; another
    // text: once a finished line of the reply holds it; null or "": only a quiet line ends it
    // (never ended()). A final error line ends every
    // wait with a token. answerPrefix names the command's own answer lines ("+CREG" during
    // AT+CREG?), which are kept even where they look unsolicited.
    ReplyCollector(const char* token, QByteArray answerPrefix);
    // Goes on from what the collector before it on the channel left.
    ReplyCollector(const char* token, QByteArray answerPrefix, Carry carry);

    // The body just written: reply lines that repeat its lines, in order, are its echo.
    void expectEcho(QByteArrayView body);

    void add(QByteArrayView bytes);

    bool tokenSeen() const { return m_tokenSeen; }
    // A final result other than the token ("ERROR", "+CMS ERROR: 38") ended the reply.
    bool finalError() const { return m_finalError; }
    bool ended() const { return m_tokenSeen || m_finalError; }
    // Whether a token was asked for, so that a quiet line means the answer is overdue.
    bool waitsForToken() const { return m_wanted != Wanted::Nothing; }

    // The reply without its unsolicited lines; once ended, up to and with its final line.
    QByteArray reply() const;
    // The unsolicited lines taken out, each with the lines that belong to it joined by "\n";
    // one whose body has not come yet is not among them but in carry().
    const QList<QByteArray>& unsolicited() const { return m_unsolicited; }
    Carry carry() const;

private:
    enum class Wanted
    {
        Nothing,
        FinalOk,
        Prompt,
        Text,
    };

    void endLine(char terminator);
    void judgeLine(const QByteArray& line, char terminator);
    bool takeUnsolicited(const QByteArray& line, char terminator);
    bool takeBodyLine(const QByteArray& line, char terminator);
    bool takeCountedBodyLine(const QByteArray& line, char terminator);
    void bodyEnded();
    bool isEcho(const QByteArray& line);
    void checkPartialLine();

    Wanted m_wanted;
    QByteArray m_token;
    QByteArray m_answerPrefix;
    QByteArray m_kept;
    QByteArray m_line;
    QList<QByteArray> m_echo;
    qsizetype m_echoNext = -1; // -1: no echo expected, or it is over
    QList<QByteArray> m_unsolicited;
    QByteArray m_waiting; // an unsolicited line whose body lines are still to come
    int m_bodyLinesLeft = 0;
    int m_bodyCharsLeft = 0; // > 0: the body is that many characters more, whatever its lines
    bool m_dropLineFeed = false;
    bool m_keepLineFeed = false; // the LF of the final line's CR LF
    bool m_openTail = false;     // the token ended an unfinished line, whose rest is kept
    bool m_tokenSeen = false;
    bool m_finalError = false;
};
