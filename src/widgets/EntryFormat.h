#pragma once

#include <QString>
#include <QStringView>

// What an entry box lets through. Typed characters are tested one at a time; a paste is taken
// or refused as a whole.
class IFormat
{
public:
    virtual ~IFormat() = default;
    virtual bool IsCharAllowed(QChar c) const = 0;
    virtual bool IsPasteAllowed(QStringView text) const = 0;
    // The message that refuses a character or a paste.
    virtual QString RefusalText() const = 0;
};

// A format over a fixed set of characters. Backspace, tab, line feed and carriage return always
// pass when typed (they edit or move, they are not content); a paste must hold nothing but
// characters of the set.
class BaseFormat : public IFormat
{
public:
    BaseFormat(QString allowed, QString refusalText)
        : m_allowed(std::move(allowed)), m_refusal(std::move(refusalText))
    {}

    bool IsCharAllowed(QChar c) const override;
    bool IsPasteAllowed(QStringView text) const override;
    QString RefusalText() const override { return m_refusal; }

private:
    QString m_allowed;
    QString m_refusal;
};

// Phone numbers: "0123456789+", refused with "Invalid number.".
class DecimalFormat : public BaseFormat
{
public:
    DecimalFormat();
};
