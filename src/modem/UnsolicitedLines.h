#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// Modems print result lines of their own at any moment (signal reports, registration changes,
// new messages, rings). These tell such lines from the answer to the command in flight.

// Whether a complete line (without its line end) is a known unsolicited result. A line that
// starts with the answer prefix of the command in flight ("+CREG" during AT+CREG?) is that
// command's answer, never unsolicited.
bool isUnsolicitedLine(QByteArrayView line, QByteArrayView answerPrefix = {});

// How many further lines belong to an unsolicited line: the message or report that follows
// "+CMT:", "+CBM:" and a PDU-mode "+CDS:".
int unsolicitedBodyLines(QByteArrayView line);

// The length a text-mode "+CMT:" header names in its long form (AT+CSDH=1):
// "+CMT: <oa>,[<alpha>],<scts>,<tooa>,<fo>,<pid>,<dcs>,<sca>,<tosca>,<length>". The body is
// that many characters, line breaks among them. nullopt for the short form, a PDU-mode
// header, another line, and a length no message has (above 160).
std::optional<int> textMessageLength(QByteArrayView header);

// Whether a line can be the body of an unsolicited line: after a PDU-mode header
// ("+CMT: ,24", "+CDS: 25") only hex can; a text-mode body can be anything.
bool unsolicitedBodyFits(QByteArrayView header, QByteArrayView body);

// The prefix a command's answer lines start with: "+CMGF" for "AT+CMGF?\r", "^SYSINFO" for
// "AT^SYSINFO\r"; empty for a command without one (for example "ATE0\r") and for text that is
// not a command (a message body).
QByteArray answerPrefixOf(QByteArrayView command);

// Whether a complete line is a final result that ends a command without "OK": "ERROR",
// "+CMS ERROR: n", "+CME ERROR: n" and the vendor forms of a refused command.
bool isFinalErrorLine(QByteArrayView line);
