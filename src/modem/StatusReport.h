#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

// What the network says became of a submitted message, by the class of its status octet.
enum class ReportOutcome
{
    Delivered,      // the transaction is complete: the recipient has it
    StillTrying,    // a temporary error; the service centre keeps trying
    PermanentError, // the service centre gave up: the message will never arrive
    TemporaryError, // a temporary error, but the service centre makes no more tries
};

// One SMS-STATUS-REPORT, from a PDU or from the text-mode form.
struct StatusReport
{
    int messageReference = 0;    // the "+CMGS: <mr>" of the submission it reports on
    QString recipient;           // as the network gives it, "+" before an international number
    QDateTime serviceCentreTime; // when the service centre took the message; invalid: unreadable
    QDateTime dischargeTime;     // when the status was reached; invalid: unreadable
    int status = 0;              // the raw status octet
    ReportOutcome outcome = ReportOutcome::Delivered;
};

// The class of a status octet. Reserved and centre-specific values fall into the class of
// their range; values from 0x80 up are reserved and read as a permanent error, since nothing
// says the message will still arrive.
ReportOutcome outcomeOfStatus(int status);

// A short English reason for a status octet, for example "validity period expired"; the
// class of the value when it has no meaning of its own.
QString statusReason(int status);

// Decodes an SMS-STATUS-REPORT written in hex, with the SMSC field in front when withSmsc
// (as "+CDS:" and "+CMGR:" give it in PDU mode). Optional parameters after the status are
// read past. nullopt, with why filled in when given, for anything that is not one.
std::optional<StatusReport> decodeStatusReportPdu(QStringView hex, bool withSmsc = true,
                                                  QString* why = nullptr);

// Reads the fields of the text-mode form from the first octet on:
// <fo>,<mr>,[<ra>],[<tora>],<scts>,<dt>,<st>, the times as "yy/MM/dd,hh:mm:ss+zz" in quotes.
std::optional<StatusReport> parseTextStatusReportFields(QStringView fields);

// Reads a text-mode "+CDS: ..." line.
std::optional<StatusReport> parseTextStatusReport(QStringView line);
