#include "sending/QueueRow.h"

#include "sending/QueueText.h"

#include <QCoreApplication>

QString QueueColumnHeader(QueueColumn column)
{
    static const char* const headers[QueueColumnCount] = {
        QT_TRANSLATE_NOOP("SendQueue", "Number"),
        QT_TRANSLATE_NOOP("SendQueue", "Message"),
        QT_TRANSLATE_NOOP("SendQueue", "Use Port"),
        QT_TRANSLATE_NOOP("SendQueue", "Use Status"),
        QT_TRANSLATE_NOOP("SendQueue", "Current Status"),
        QT_TRANSLATE_NOOP("SendQueue", "Status"),
        QT_TRANSLATE_NOOP("SendQueue", "Retry"),
        QT_TRANSLATE_NOOP("SendQueue", "Sent_item"),
    };
    return QCoreApplication::translate("SendQueue", headers[column]);
}

int QueueColumnWidth(QueueColumn column, bool retriesOn)
{
    switch (column) {
    case NumberColumn:
        return 100;
    case MessageColumn:
    case CurrentStatusColumn:
        return 150;
    case StatusColumn:
        return retriesOn ? 150 : 300;
    case RetryColumn:
        return retriesOn ? 50 : 0;
    default:
        return 0;
    }
}

QString QueueText::Count(int value)
{
    switch (value) {
    case 0:
        return QStringLiteral("0");
    case 1:
        return QStringLiteral("1");
    case 2:
        return QStringLiteral("2");
    case 3:
        return QStringLiteral("3");
    default:
        return QString::number(value);
    }
}
