#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <utility>

// The fields of text-mode answer lines ("+CMGL:", "+CMGR:", "+CDS:").

// Splits at commas outside double quotes; quotes are dropped.
QList<QString> splitTextModeFields(QStringView text);

// "yy/MM/dd,hh:mm:ss+zz", the zone in quarter hours, the years this century's; invalid when
// unreadable.
QDateTime parseTextModeTimestamp(QStringView text);

// The storage and index of an indication that a message or report was stored
// ("+CMTI: \"SM\",3", "+CDSI: \"SR\",1"), for the given tag ("+CMTI", "+CDSI").
std::optional<std::pair<QString, int>> parseStorageIndication(QStringView line,
                                                              QLatin1StringView tag);
