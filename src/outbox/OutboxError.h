#pragma once

#include <QString>
#include <stdexcept>

// A failure of the outbox database: it cannot be reached, its schema is of a newer program, or
// a statement failed.
class OutboxError : public std::runtime_error
{
public:
    enum class Kind
    {
        Connection,
        Schema,
        Statement
    };
    OutboxError(Kind kind, const QString& text)
        : std::runtime_error(text.toStdString()), m_kind(kind), m_text(text)
    {}
    Kind kind() const { return m_kind; }
    const QString& text() const { return m_text; }

private:
    Kind m_kind;
    QString m_text;
};
