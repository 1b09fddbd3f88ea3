#pragma once

#include "sim/AtParser.h"
#include "sim/Inbox.h"
#include "sim/ModemProfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace sim {

// Text-mode parameters of AT+CSMP.
struct TextParameters
{
    int firstOctet = 17;
    int validity = 167;
    int protocolId = 0;
    int dcs = 0;
};

// A status report the network has yet to send, or one kept in the "SR" store.
struct StatusReportEntry
{
    std::chrono::steady_clock::time_point due;
    int messageReference = 0;
    QString recipient;
    QDateTime submitted;
    QDateTime discharged;
    int status = 0;
    bool read = false;
};

// A message whose body the modem waits for after the "> " prompt.
struct PendingSubmission
{
    bool pduMode = true;
    int tpduLength = 0;  // PDU mode: the length AT+CMGS gave
    QString destination; // text mode
};

// What AT+CPIN? reports.
enum class SimStatus
{
    Ready,
    PinRequired,
    PukRequired,
    Missing
};

// Settings and counters of one modem; AT&F restores the settings, not the SMSC, the SIM or
// counters.
struct ModemState
{
    static constexpr int PinTries = 3;
    static constexpr int PukTries = 10;

    explicit ModemState(ModemProfile modemProfile);

    void factoryReset();
    bool supportsCharset(const QString& name) const;
    // The +CREG/+CGREG stat: not registered (0) until the SIM is ready.
    int registrationStat() const;

    ModemProfile profile;
    bool echo = true;
    int errorMode = 0;     // AT+CMEE
    int messageFormat = 0; // AT+CMGF: 0 PDU, 1 text
    QString charset;
    QString smsc;
    TextParameters textParameters;
    SimStatus sim = SimStatus::Ready;
    QString pin;
    int pinTriesLeft = PinTries;
    int pukTriesLeft = PukTries;
    int registrationReport = 0;     // AT+CREG=<n>
    int gprsRegistrationReport = 0; // AT+CGREG=<n>
    int nextMessageReference = 0;
    int submissions = 0; // reached the network side, accepted or not
    int accepted = 0;
    int reportDestination = 0;                      // AT+CNMI <ds>: 0 none, 1 routed, 2 stored
    QString readStore = QStringLiteral("SM");       // AT+CPMS <mem1>
    std::vector<StatusReportEntry> comingReports;   // in the order they fall due
    std::map<int, StatusReportEntry> storedReports; // "SR" by index
    int nextStoredIndex = 1;
    int newMessageIndication = 0;         // AT+CNMI <mt>: 0 none, else "+CMTI" for each
    std::map<int, InboxEntry> inbox;      // "SM" by index, 1 to profile.storage
    std::deque<InboxEntry> heldByNetwork; // came while "SM" was full: delivered as it frees
    QList<QByteArray> pendingIndications; // "+CMTI" and "+CMT" lines not printed yet
    std::deque<InboxEntry> handedOver;    // direct delivery: not printed yet
    bool awaitingAcknowledgement = false; // a +CMT waits for AT+CNMA
    int acknowledgements = 0;             // AT+CNMA taken
    int nextInboundReference = 1;

    // Puts a received part in the lowest free place of "SM" and announces it; holds it back
    // when "SM" is full, as the network does until the phone has room.
    void receive(InboxEntry entry);
    // Moves held-back parts into places that came free.
    void deliverHeld();
    // Direct delivery: prints the next part handed over, unless one waits for AT+CNMA.
    void handOverNext();
};

// What a command answers: information lines, then a final result; a submission instead waits
// for its body.
struct CommandOutcome
{
    QList<QByteArray> lines;
    QByteArray final = "OK";
    std::optional<PendingSubmission> submission;

    static CommandOutcome ok(QList<QByteArray> lines = {});
    static CommandOutcome error();
    static CommandOutcome cmsError(int code);
    static CommandOutcome cmeError(const ModemState& state, int code);
};

using CommandHandler = CommandOutcome (*)(const AtCommand&, ModemState&);

// Command tables by upper-case name ("E", "&F", "+CGMI").
const std::map<QByteArray, CommandHandler>& generalCommands();
const std::map<QByteArray, CommandHandler>& smsCommands();
const std::map<QByteArray, CommandHandler>& simCommands();
const std::map<QByteArray, CommandHandler>& reportCommands();

} // namespace sim
