#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstdint>
#include <cstring>

// Builds the upper-case hex text of a PDU straight into a QString's buffer: appending QChars
// one by one costs more than the whole encoding.
class HexBuilder
{
public:
    explicit HexBuilder(qsizetype expectedDigits = 16) : m_nextCapacity(expectedDigits) {}

    void octet(std::uint8_t value)
    {
        static constexpr char16_t digits[] = u"0123456789ABCDEF";
        reserveMore(2);
        m_data[m_size] = digits[value >> 4];
        m_data[m_size + 1] = digits[value & 0x0F];
        m_size += 2;
    }

    // One UTF-16 code unit as four digits, high octet first.
    void codeUnit(char16_t unit)
    {
        octet(static_cast<std::uint8_t>(unit >> 8));
        octet(static_cast<std::uint8_t>(unit & 0xFF));
    }

    void character(char16_t c)
    {
        reserveMore(1);
        m_data[m_size++] = c;
    }

    void append(QStringView digits)
    {
        if (digits.isEmpty())
            return; // an empty view may have no data at all, which memcpy must not be given
        reserveMore(digits.size());
        std::memcpy(m_data + m_size, digits.utf16(), static_cast<std::size_t>(digits.size()) * 2);
        m_size += digits.size();
    }

    qsizetype size() const { return m_size; }

    // Hands the digits over; the builder starts again empty, expecting as many.
    QString take()
    {
        m_text.truncate(m_size);
        QString digits = std::move(m_text);
        m_text = QString();
        m_data = nullptr;
        m_nextCapacity = m_size;
        m_size = 0;
        return digits;
    }

private:
    void reserveMore(qsizetype count)
    {
        if (m_size + count > m_text.size())
            grow(std::max({m_size + count, 2 * m_text.size(), m_nextCapacity}));
    }

    void grow(qsizetype capacity)
    {
        m_text.resize(capacity);
        m_data = reinterpret_cast<char16_t*>(m_text.data());
    }

    QString m_text;
    char16_t* m_data = nullptr;
    qsizetype m_nextCapacity;
    qsizetype m_size = 0;
};

// The value of one hex digit in either case, or -1 when the character is not one.
inline int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

// The octet written by two hex digits at position index, or -1 when they are not hex.
inline int hexOctetAt(QStringView hex, qsizetype index)
{
    const int high = hexDigitValue(hex[index]);
    const int low = hexDigitValue(hex[index + 1]);
    return high < 0 || low < 0 ? -1 : (high << 4) | low;
}
