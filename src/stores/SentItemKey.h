#pragma once

#include "stores/SentItem.h"

#include <QDate>
#include <QString>

// What ties a sent-items record to the row that wrote it, since the record keeps nothing but
// number, message, day and status: the number and day as the log reads them back and a
// fingerprint of the message as the log reads it back.
namespace SentItemKey {

// 16 hex digits (64-bit FNV-1a over the UTF-16 text): the same on every run of the program,
// unlike qHash.
QString MessageFingerprint(const QString& message);

// The record the sent-items log gives back for a row written on that day: separators dropped,
// blanks before the message trimmed, as SentItemRecord::FromLine reads it.
SentItem AsLogged(const QString& number, const QString& message, const QDate& day);

// One text for the number, day and message fingerprint of a record as read back: records with
// the same key cannot be told apart.
QString Of(const QString& number, const QString& date, const QString& messageFingerprint);
QString Of(const SentItem& item);

} // namespace SentItemKey
