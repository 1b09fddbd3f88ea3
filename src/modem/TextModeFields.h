#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringView>

// The fields of text-mode answer lines ("+CMGL:", "+CMGR:", "+CDS:").

// Splits at commas outside double quotes; quotes are dropped.
QList<QString> splitTextModeFields(QStringView text);

// "yy/MM/dd,hh:mm:ss+zz", the zone in quarter hours, the years this century's; invalid when
// unreadable.
QDateTime parseTextModeTimestamp(QStringView text);
