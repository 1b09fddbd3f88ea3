#pragma once

#include <QString>

// The words that stand in the cells of a queue row. They are string literals, so every row that
// holds one shares the same text without an allocation of its own.
namespace QueueText {

inline QString WaitToDispatch()
{
    return QStringLiteral("Wait to dispatch...");
}
inline QString WaitToDispatchRetry()
{
    return QStringLiteral("Wait to dispatch...(Retry)");
}
// What the retry tests search for: the cells hold it with the closing parenthesis.
inline constexpr QStringView RetryPrefix = u"Wait to dispatch...(Retry";
inline QString Sending()
{
    return QStringLiteral("Sending...");
}
inline QString Done()
{
    return QStringLiteral("Done");
}
inline QString Stopped()
{
    return QStringLiteral("Stopped");
}
inline QString Save()
{
    return QStringLiteral("Save");
}

inline QString Excluded()
{
    return QStringLiteral("Excluded.");
}
inline QString Skipped()
{
    return QStringLiteral("Skipped.");
}
inline QString GenericError()
{
    return QStringLiteral("Error : +CMS ERROR: 500");
}
// A row whose submission was under way when the program stopped: the message may be on the
// air or not.
inline QString OutcomeUnknown()
{
    return QStringLiteral("Error : Outcome unknown (the program stopped during the submission).");
}
inline QString Zero()
{
    return QStringLiteral("0");
}
inline QString LoggedMarker()
{
    return QStringLiteral("1");
}

// "Sending (" + label + ")" and "Done (" + label + ")".
inline QString SendingOn(const QString& label)
{
    return QStringLiteral("Sending (") + label + u')';
}
inline QString DoneOn(const QString& label)
{
    return QStringLiteral("Done (") + label + u')';
}

// The decimal text of a small count ("Retry" cell), shared for the common values.
QString Count(int value);

} // namespace QueueText
