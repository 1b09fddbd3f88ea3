#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <exception>
#include <optional>

// The error of the modem layer. Thrown by value and caught by const reference.
//
// The code has the HRESULT form the rest of the program (and its stored texts) expect:
// NoResponseCode for a modem that did not answer, SystemErrorBase | errno for a failing system
// call, and no code at all for an error made from the modem's own reply.
class CSMSException : public std::exception
{
public:
    static constexpr std::uint32_t NoResponseCode = 0x80040204;
    // The body of a message was written, and then the modem went silent or away.
    static constexpr std::uint32_t UnconfirmedCode = 0x80040205;
    static constexpr std::uint32_t SystemErrorBase = 0x80070000;
    static constexpr qsizetype DefaultTextCapacity = 4096;

    CSMSException(std::optional<std::uint32_t> code, QString message);

    std::optional<std::uint32_t> code() const { return m_code; }
    // The modem reply that caused the error; empty for system failures.
    const QString& message() const { return m_message; }

    // The text shown to the user, cut to at most capacity characters.
    QString GetErrorMessage(qsizetype capacity = DefaultTextCapacity) const;

    const char* what() const noexcept override { return m_what.constData(); }

private:
    std::optional<std::uint32_t> m_code;
    QString m_message;
    QByteArray m_what;
};

// The error part of a sender's final reply: "" when the reply holds no error, the text from
// "+CMS ERROR"/"+CME ERROR" on, "ERROR", or "+CMS ERROR: 500" for any other failure.
QString NormaliseModemReply(const QString& reply);

// An error made from a modem reply, cut after the three-digit code of its "+CMS ERROR: nnn"
// (or "+CME ERROR: nnn") so trailing chatter does not reach the user.
CSMSException ModemErrorFrom(const QString& text);

// Throws ModemErrorFrom(text).
[[noreturn]] void RaiseModemError(const QString& text);

// Throws SystemErrorBase | (errorNumber & 0xFFFF).
[[noreturn]] void RaiseSystemError(int errorNumber, const QString& text = {});

// The NoResponseCode error, whose text is "Failed to receive a response from the modem.".
CSMSException NoResponseError(const QString& text);

// The UnconfirmedCode error, whose text is "No confirmation from the modem; the message may
// have been sent.".
CSMSException UnconfirmedError(const QString& text = {});
QString UnconfirmedErrorText();
bool isUnconfirmed(const CSMSException& error);
// The modem gave no answer in time, before anything of the message went out. (A modem that
// falls silent after a body leaves its row unconfirmed; its next row finds it silent.)
bool isNoResponse(const CSMSException& error);

// Throws NoResponseError(text).
[[noreturn]] void RaiseNoResponse(const QString& text);

// The text every catcher shows or stores; empty when the error turns out to be a success.
QString GetModemErrorText(const CSMSException& error);
