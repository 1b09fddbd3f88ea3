#include "modem/CSMSException.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t InterfaceFacility = 4;
constexpr std::uint32_t NoResponseMessageId = 516;
constexpr std::uint32_t UnconfirmedMessageId = 517;

// On Linux errno 0 reads "Success"; stored texts and the success test below expect this one.
const char* const SuccessText = "The operation completed successfully.";

std::uint32_t facilityOf(std::uint32_t code)
{
    return (code >> 16) & 0x1FFF;
}

std::optional<QString> resourceText(std::uint32_t id)
{
    if (id == NoResponseMessageId)
        return QCoreApplication::translate("CSMSException",
                                           "Failed to receive a response from the modem.");
    if (id == UnconfirmedMessageId)
        return UnconfirmedErrorText();
    return std::nullopt;
}

std::optional<QString> systemText(int errorNumber)
{
    if (errorNumber == 0)
        return QString::fromLatin1(SuccessText);
    // Unlike strerror(), this gives no text at all for a number the system does not know.
    if (const char* text = strerrordesc_np(errorNumber))
        return QString::fromUtf8(text);
    return std::nullopt;
}

// Cuts the text after "<marker>: nnn" unless it ends a sentence; false when the marker is absent.
bool cutAfterCode(QString& text, QStringView marker)
{
    const qsizetype codeLength = marker.size() + 5; // ": " and three digits
    const qsizetype position = text.indexOf(marker);
    if (position < 0)
        return false;
    if (text.size() >= position + codeLength && !text.endsWith(u'.'))
        text.truncate(position + codeLength);
    return true;
}

} // namespace

CSMSException::CSMSException(std::optional<std::uint32_t> code, QString message)
    : m_code(code), m_message(std::move(message)), m_what(GetErrorMessage().toUtf8())
{}

QString CSMSException::GetErrorMessage(qsizetype capacity) const
{
    std::optional<QString> text;
    if (!m_code)
        text = m_message;
    else if (facilityOf(*m_code) == InterfaceFacility)
        text = resourceText(*m_code & 0xFFFF);
    else
        text = systemText(static_cast<int>(*m_code & 0xFFFF));
    return text.value_or(m_message).left(std::max<qsizetype>(0, capacity));
}

QString NormaliseModemReply(const QString& reply)
{
    const QString trimmed = reply.trimmed();
    if (trimmed == u"ERROR")
        return trimmed;
    for (QStringView marker : {u"+CMS ERROR", u"+CME ERROR"}) {
        const qsizetype position = trimmed.indexOf(marker);
        if (position >= 0)
            return trimmed.mid(position);
    }
    if (trimmed.contains(u"ERROR"))
        return QStringLiteral("+CMS ERROR: 500");
    return {};
}

CSMSException ModemErrorFrom(const QString& text)
{
    QString message = text;
    if (!cutAfterCode(message, u"+CMS ERROR"))
        cutAfterCode(message, u"+CME ERROR");
    return CSMSException(std::nullopt, message);
}

void RaiseModemError(const QString& text)
{
    throw ModemErrorFrom(text);
}

void RaiseSystemError(int errorNumber, const QString& text)
{
    throw CSMSException(
        CSMSException::SystemErrorBase | (static_cast<std::uint32_t>(errorNumber) & 0xFFFF), text);
}

CSMSException NoResponseError(const QString& text)
{
    return CSMSException(CSMSException::NoResponseCode, text);
}

CSMSException UnconfirmedError(const QString& text)
{
    return CSMSException(CSMSException::UnconfirmedCode, text);
}

QString UnconfirmedErrorText()
{
    return QCoreApplication::translate(
        "CSMSException", "No confirmation from the modem; the message may have been sent.");
}

bool isUnconfirmed(const CSMSException& error)
{
    return error.code() == CSMSException::UnconfirmedCode;
}

bool isNoResponse(const CSMSException& error)
{
    return error.code() == CSMSException::NoResponseCode;
}

void RaiseNoResponse(const QString& text)
{
    throw NoResponseError(text);
}

QString GetModemErrorText(const CSMSException& error)
{
    const QString text = error.GetErrorMessage(CSMSException::DefaultTextCapacity);
    if (text.contains(QLatin1String(SuccessText)))
        return {};
    return text;
}
