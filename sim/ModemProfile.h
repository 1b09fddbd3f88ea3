#pragma once

#include <QString>
#include <QStringList>

namespace sim {

// How one simulated modem behaves: what it supports, what it reports and which faults it shows.
struct ModemProfile
{
    bool pduMode = true;
    bool textMode = true;
    QString smsc = QStringLiteral("+447785016005"); // empty: no default SMSC
    QString charset = QStringLiteral("IRA");        // after power-on and AT&F
    QStringList charsets = {QStringLiteral("IRA"), QStringLiteral("GSM"), QStringLiteral("UCS2")};
    bool echo = true; // after power-on and AT&F

    int cmsError = 0; // submissions answered "+CMS ERROR: <cmsError>"; 0 for none
    int cmsErrorEvery = 1;
    int latencyMs = 0;
    int submissionLatencyMs = -1; // of +CMGS results; -1: latencyMs
    int lateMs = 0;               // every lateEvery-th answer comes this late instead
    int lateEvery = 1;
    bool trickle = false; // answers go out one byte at a time
    bool hang = false;
    bool echoOnly = false;
    int vanishAfter = 0;     // messages; 0 never
    int vanishAnswered = 0;  // disappear right after answering this many messages; 0 never
    int wedgeAfter = 0;      // messages per opening of the port; 0 never
    bool wedgeStays = false; // a wedged modem stays silent even when the port is opened again
    QStringList unsolicited;
    int unsolicitedEvery = 1;       // final results between unsolicited bursts
    bool unsolicitedInside = false; // bursts come before the final result line, inside answers

    QString pin;                              // the SIM asks for it at power-on; empty: no PIN
    QString puk = QStringLiteral("12345678"); // unblocks the SIM after three wrong PINs
    bool simBlocked = false;                  // the SIM starts out asking for its PUK
    bool simMissing = false;
    bool pinRetriesCommand = true; // AT+CPINR tells the tries left
    int registration = 1;          // +CREG/+CGREG stat once the SIM is ready: 0 1 2 3 5

    QString manufacturer = QStringLiteral("QSIM");
    QString model = QStringLiteral("QSIM-900");
    QString revision = QStringLiteral("QSIM-900 R1.0");
    QString imei;
    QString imsi;
    QString operatorName = QStringLiteral("SIM NET");
    int signal = 20; // rssi of AT+CSQ, 99 unknown
    int batteryLevel = 80;
    bool charging = false;
    bool legacyUndefined = false; // AT+GMI, AT+GMM, AT+GMR, AT+GSN answer "Undefined"

    // Status reports for submissions that ask for one, once AT+CNMI chose where they go.
    int reportDelayMs = 500;
    QStringList reportOutcomes; // "PATTERN:OUTCOME", first match wins; none matching: delivered
    bool reportsStored = false; // AT+CNMI offers stored reports (+CDSI) instead of routed ones

    int storage = 30;            // places for received messages in "SM"
    int silentDeletes = 0;       // the first this many AT+CMGD get no answer and delete nothing
    bool directDelivery = false; // received messages are printed (+CMT), not stored, <mt> 2
    bool directNeedsAck = false; // message service 1: each +CMT waits for AT+CNMA
};

// The profile a modem on the given port starts from; identities differ per port.
ModemProfile defaultProfile(int port);

// Applies a comma-separated list of profile items (see profileItemsHelp) to profile. A value
// that holds a comma is written in double quotes. Throws SimError for an unknown item or value.
void applyProfileItems(const QString& items, ModemProfile& profile);

// The item list for --help.
QString profileItemsHelp();

} // namespace sim
