#pragma once

#include "modem/NationalLanguageTables.h"

#include <QString>
#include <QStringView>

// How many SMS a message takes on the air, counted by the rules the senders cut it with
// (PduSubmission.h, PduSegments.h, TextModeText.h) without encoding it, so that a count shown
// before a send and the parts sent cannot differ.

enum class MessageEncoding
{
    Gsm7,
    Ucs2
};

struct MessageCountOptions
{
    bool unicode = false;  // "Enable non-English (Unicode) characters support"
    bool textMode = false; // the modem sends in text mode: UCS2 only where the text needs it
    // "Use national language tables where they save parts" (PDU mode only)
    bool nationalLanguages = false;
};

struct MessageCount
{
    MessageEncoding encoding = MessageEncoding::Gsm7;
    ShiftTables tables; // GSM 7-bit with national language tables
    int parts = 1;      // at least one, even for an empty text
    int characters = 0; // as the receiver sees them: a surrogate pair is one
    int units = 0;      // septets (GSM, an escaped character counting two) or UTF-16 units
    // The text as written holds characters the GSM alphabet lacks.
    bool outsideGsm = false;
    // More parts than a concatenation header can count: PDU mode refuses such a message.
    bool tooLong = false;
    // Sent in GSM with the Unicode option off: characters with nothing near, sent as "?".
    int unreplaceable = 0;

    bool operator==(const MessageCount&) const = default;
};

// The count of a message as composed (CR LF still in it) sent to number. With the Unicode
// option off a text goes in GSM with its characters outside the alphabet replaced by their
// nearest ones, as the senders do.
MessageCount countMessage(const QString& text, QStringView number, MessageCountOptions options);

// The parts of a message sent as UCS2 whatever it holds: what countMessage gives a text outside
// the alphabet with the Unicode option on, without walking it for GSM first.
int ucs2MessageParts(const QString& text, QStringView number, bool textMode);
