#pragma once

#include "modem/PduEncoder.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// Limits of one SMS-SUBMIT without a header.
constexpr int MaxSingleGsmCharacters = 160;
constexpr int MaxSingleGsmSeptets = 160;
constexpr int MaxSingleUcs2Characters = 70;
constexpr int SingleTpduOctetLimit = 155; // a single message's TPDU stays below this
// A concatenation header counts parts in one octet.
constexpr int MaxConcatenatedParts = 255;

// A composed message as it goes on the air: every CR LF becomes a single LF. Lengths are
// counted after this.
QString prepareMessageText(const QString& text);

// Whether a prepared text of length UTF-16 units (septets of them in GSM) goes as one plain
// SMS-SUBMIT to number: the limits above, and its TPDU under SingleTpduOctetLimit octets.
bool fitsSingleMessage(bool unicode, qsizetype length, qsizetype septets, QStringView number);

// What PDU mode submits for one message, in order.
struct PduSubmission
{
    bool concatenated = false;
    std::vector<EncodedPdu> pdus;
};

// Encodes a composed message for PDU mode: one plain SMS-SUBMIT when it fits (at most 160
// characters and 160 septets in GSM, 70 characters in UCS2, TPDU under 155 octets), else the
// parts of a concatenated message carrying reference. The SMSC number is trimmed; empty means
// the modem's own. nullopt when the message would need more than 255 parts.
std::optional<PduSubmission> encodeMessagePdus(const QString& text, const QString& number,
                                               const QString& smsc, quint16 reference,
                                               PduOptions options);
