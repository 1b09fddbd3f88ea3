#include "sim/ModemProfile.h"

#include "sim/SimError.h"

#include <QCoreApplication>
#include <functional>
#include <map>

namespace sim {

namespace {

struct Item
{
    QString key;
    QString value;
    bool hasValue = false;
};

QString tr(const char* text)
{
    return QCoreApplication::translate("quillon-modem-sim", text);
}

int luhnCheckDigit(const QString& digits)
{
    int sum = 0;
    bool doubleIt = true; // the check digit will sit to the right of the last digit
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        int d = digits[i].digitValue();
        if (doubleIt) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
        doubleIt = !doubleIt;
    }
    return (10 - sum % 10) % 10;
}

std::vector<Item> splitItems(const QString& items)
{
    std::vector<Item> result;
    Item current;
    QString* target = &current.key;
    bool quoted = false;
    auto finish = [&] {
        current.key = current.key.trimmed();
        if (!current.key.isEmpty() || current.hasValue)
            result.push_back(current);
        current = Item{};
        target = &current.key;
    };
    for (const QChar ch : items) {
        if (ch == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (quoted) {
            target->append(ch);
        } else if (ch == QLatin1Char(',')) {
            finish();
        } else if (ch == QLatin1Char('=') && !current.hasValue) {
            current.hasValue = true;
            target = &current.value;
        } else {
            target->append(ch);
        }
    }
    if (quoted)
        throw SimError(tr("Unbalanced double quote in profile \"%1\"").arg(items).toStdString());
    finish();
    return result;
}

int toInt(const Item& item, int min, int max)
{
    bool ok = false;
    const int value = item.value.trimmed().toInt(&ok);
    if (!item.hasValue || !ok || value < min || value > max)
        throw SimError(tr("Profile item %1 needs a number from %2 to %3")
                           .arg(item.key)
                           .arg(min)
                           .arg(max)
                           .toStdString());
    return value;
}

QString toText(const Item& item)
{
    if (!item.hasValue)
        throw SimError(tr("Profile item %1 needs a value").arg(item.key).toStdString());
    return item.value;
}

// "PATTERN:OUTCOME" with a known outcome.
QString toReportRule(const Item& item)
{
    const QString rule = toText(item).trimmed();
    const QString outcome = rule.section(QLatin1Char(':'), -1).toLower();
    static const QStringList outcomes = {QStringLiteral("delivered"), QStringLiteral("expired"),
                                         QStringLiteral("rejected"), QStringLiteral("none")};
    if (!rule.contains(QLatin1Char(':')) || !outcomes.contains(outcome))
        throw SimError(tr("Profile item report needs PATTERN:delivered, expired, rejected or none")
                           .toStdString());
    return rule;
}

using Setter = std::function<void(const Item&, ModemProfile&)>;

const std::map<QString, Setter>& setters()
{
    static const std::map<QString, Setter> table = {
        {"pdu-only", [](const Item&, ModemProfile& p) { p.pduMode = true, p.textMode = false; }},
        {"text-only", [](const Item&, ModemProfile& p) { p.pduMode = false, p.textMode = true; }},
        {"smsc", [](const Item& i, ModemProfile& p) { p.smsc = toText(i).trimmed(); }},
        {"no-smsc", [](const Item&, ModemProfile& p) { p.smsc.clear(); }},
        {"smsc-ucs2",
         [](const Item&, ModemProfile& p) {
             p.charset = QStringLiteral("UCS2");
             if (!p.charsets.contains(p.charset))
                 p.charsets.append(p.charset);
         }},
        {"charset", [](const Item& i, ModemProfile& p) { p.charset = toText(i).toUpper(); }},
        {"charsets",
         [](const Item& i, ModemProfile& p) {
             p.charsets = toText(i).toUpper().split(QLatin1Char('/'), Qt::SkipEmptyParts);
         }},
        {"echo-off", [](const Item&, ModemProfile& p) { p.echo = false; }},
        {"cms-error", [](const Item& i, ModemProfile& p) { p.cmsError = toInt(i, 1, 65535); }},
        {"every", [](const Item& i, ModemProfile& p) { p.cmsErrorEvery = toInt(i, 1, 1000000); }},
        {"latency", [](const Item& i, ModemProfile& p) { p.latencyMs = toInt(i, 0, 600000); }},
        {"cmgs-latency",
         [](const Item& i, ModemProfile& p) { p.submissionLatencyMs = toInt(i, 0, 600000); }},
        {"late", [](const Item& i, ModemProfile& p) { p.lateMs = toInt(i, 1, 600000); }},
        {"late-every", [](const Item& i, ModemProfile& p) { p.lateEvery = toInt(i, 1, 1000000); }},
        {"trickle", [](const Item&, ModemProfile& p) { p.trickle = true; }},
        {"hang", [](const Item&, ModemProfile& p) { p.hang = true; }},
        {"echo-only", [](const Item&, ModemProfile& p) { p.echoOnly = true; }},
        {"vanish", [](const Item& i, ModemProfile& p) { p.vanishAfter = toInt(i, 1, 1000000); }},
        {"vanish-sent",
         [](const Item& i, ModemProfile& p) { p.vanishAnswered = toInt(i, 1, 1000000); }},
        {"wedge", [](const Item& i, ModemProfile& p) { p.wedgeAfter = toInt(i, 1, 1000000); }},
        {"wedge-stays", [](const Item&, ModemProfile& p) { p.wedgeStays = true; }},
        {"urc", [](const Item& i, ModemProfile& p) { p.unsolicited.append(toText(i)); }},
        {"urc-inside", [](const Item&, ModemProfile& p) { p.unsolicitedInside = true; }},
        {"urc-every",
         [](const Item& i, ModemProfile& p) { p.unsolicitedEvery = toInt(i, 1, 1000000); }},
        {"pin", [](const Item& i, ModemProfile& p) { p.pin = toText(i).trimmed(); }},
        {"puk", [](const Item& i, ModemProfile& p) { p.puk = toText(i).trimmed(); }},
        {"sim-puk", [](const Item&, ModemProfile& p) { p.simBlocked = true; }},
        {"no-sim", [](const Item&, ModemProfile& p) { p.simMissing = true; }},
        {"no-cpinr", [](const Item&, ModemProfile& p) { p.pinRetriesCommand = false; }},
        {"creg",
         [](const Item& i, ModemProfile& p) {
             p.registration = toInt(i, 0, 5);
             if (p.registration == 4)
                 throw SimError(tr("Profile item creg takes 0, 1, 2, 3 or 5").toStdString());
         }},
        {"not-registered", [](const Item&, ModemProfile& p) { p.registration = 0; }},
        {"manufacturer", [](const Item& i, ModemProfile& p) { p.manufacturer = toText(i); }},
        {"model", [](const Item& i, ModemProfile& p) { p.model = toText(i); }},
        {"revision", [](const Item& i, ModemProfile& p) { p.revision = toText(i); }},
        {"imei", [](const Item& i, ModemProfile& p) { p.imei = toText(i); }},
        {"imsi", [](const Item& i, ModemProfile& p) { p.imsi = toText(i); }},
        {"operator", [](const Item& i, ModemProfile& p) { p.operatorName = toText(i); }},
        {"signal", [](const Item& i, ModemProfile& p) { p.signal = toInt(i, 0, 99); }},
        {"battery", [](const Item& i, ModemProfile& p) { p.batteryLevel = toInt(i, 0, 100); }},
        {"charging", [](const Item&, ModemProfile& p) { p.charging = true; }},
        {"undefined", [](const Item&, ModemProfile& p) { p.legacyUndefined = true; }},
        {"report-delay",
         [](const Item& i, ModemProfile& p) { p.reportDelayMs = toInt(i, 0, 600000); }},
        {"report",
         [](const Item& i, ModemProfile& p) { p.reportOutcomes.append(toReportRule(i)); }},
        {"reports-stored", [](const Item&, ModemProfile& p) { p.reportsStored = true; }},
        {"storage", [](const Item& i, ModemProfile& p) { p.storage = toInt(i, 1, 1000); }},
        {"cmt-direct", [](const Item&, ModemProfile& p) { p.directDelivery = true; }},
        {"cmt-ack",
         [](const Item&, ModemProfile& p) { p.directDelivery = p.directNeedsAck = true; }},
        {"silent-cmgd",
         [](const Item& i, ModemProfile& p) { p.silentDeletes = toInt(i, 1, 1000000); }},
    };
    return table;
}

} // namespace

ModemProfile defaultProfile(int port)
{
    ModemProfile profile;
    const QString imeiBody = QStringLiteral("3569380356%1").arg(port, 4, 10, QLatin1Char('0'));
    profile.imei = imeiBody + QString::number(luhnCheckDigit(imeiBody));
    profile.imsi = QStringLiteral("00101%1").arg(port, 10, 10, QLatin1Char('0'));
    return profile;
}

void applyProfileItems(const QString& items, ModemProfile& profile)
{
    for (const Item& item : splitItems(items)) {
        const auto setter = setters().find(item.key.toLower());
        if (setter == setters().end())
            throw SimError(tr("Unknown profile item \"%1\"").arg(item.key).toStdString());
        setter->second(item, profile);
    }
}

QString profileItemsHelp()
{
    return tr("  pdu-only | text-only      message modes the modem accepts (default: both)\n"
              "  smsc=NUMBER               default SMSC (default +447785016005)\n"
              "  no-smsc                   no default SMSC: AT+CSCA? answers \"\", and a\n"
              "                            message without an SMSC gets +CMS ERROR: 330\n"
              "  smsc-ucs2                 the modem starts in character set UCS2, so\n"
              "                            AT+CSCA? reports the SMSC in UCS2 hex\n"
              "  charset=NAME              character set after power-on and AT&F (IRA)\n"
              "  charsets=A/B/...          sets AT+CSCS accepts (IRA/GSM/UCS2; also HEX,\n"
              "                            8859-1)\n"
              "  echo-off                  echo off after power-on and AT&F\n"
              "  cms-error=N[,every=K]     answer every K-th submission (default: all) with\n"
              "                            +CMS ERROR: N\n"
              "  latency=MS                wait MS milliseconds before every answer\n"
              "  cmgs-latency=MS           wait MS milliseconds before a submission's result\n"
              "                            instead (other answers keep latency)\n"
              "  late=MS[,late-every=N]    every N-th answer (default: all) comes MS\n"
              "                            milliseconds late instead\n"
              "  trickle                   answers go out one byte at a time\n"
              "  hang                      read everything, never answer (not even echo)\n"
              "  echo-only                 echo commands, never answer\n"
              "  vanish=K                  after K messages, disappear at the next command:\n"
              "                            close the pty and remove the port link\n"
              "  vanish-sent=K             disappear right after answering the K-th message\n"
              "  urc=LINE[,urc-every=N]    send LINE (repeatable) after every N-th final\n"
              "                            result, e.g. urc=RING or urc=\"+CSQ: 20,99\"\n"
              "  urc-inside                the lines come inside answers, before the final\n"
              "                            result line\n"
              "  wedge=N[,wedge-stays]     after N messages since the port was opened, stop\n"
              "                            answering (not even echo) until the port is\n"
              "                            closed and opened again; with wedge-stays, for\n"
              "                            good\n"
              "  pin=CODE                  the SIM asks for this PIN (AT+CPIN?: SIM PIN);\n"
              "                            three wrong ones block it (SIM PUK)\n"
              "  puk=CODE, sim-puk         the SIM's PUK (12345678); sim-puk: it starts\n"
              "                            blocked\n"
              "  no-sim                    no SIM: AT+CPIN? answers +CME ERROR: 10\n"
              "  no-cpinr                  AT+CPINR (PIN tries left) is not supported\n"
              "  creg=STAT, not-registered AT+CREG?/AT+CGREG? stat once the SIM is ready\n"
              "                            (0, 1, 2, 3 or 5; default 1); not-registered is\n"
              "                            creg=0. Messages need a ready, registered SIM\n"
              "  manufacturer=, model=, revision=, imei=, imsi=, operator=TEXT\n"
              "                            identity answers (IMEI and IMSI differ per port)\n"
              "  signal=RSSI               AT+CSQ rssi, 0-31 or 99 (default 20)\n"
              "  battery=LEVEL, charging   AT+CBC charge level (default 80) and status\n"
              "  undefined                 AT+GMI/GMM/GMR/GSN answer \"Undefined\"\n"
              "  report=PATTERN:OUTCOME    the status report for destinations matching PATTERN\n"
              "                            (* any characters; repeatable, first match wins):\n"
              "                            delivered (the default), expired, rejected or none\n"
              "  report-delay=MS           reports come MS milliseconds after the submission\n"
              "                            (default 500), for messages that ask for one and\n"
              "                            once AT+CNMI chose where reports go\n"
              "  reports-stored            AT+CNMI offers stored reports (+CDSI, read with\n"
              "                            AT+CMGL/AT+CMGR in \"SR\") instead of routed +CDS\n"
              "  storage=N                 places for received messages in \"SM\" (default\n"
              "                            30); messages that come while it is full wait\n"
              "                            until AT+CMGD frees a place\n"
              "  silent-cmgd=N             the first N AT+CMGD get no answer and delete\n"
              "                            nothing, as a modem that hangs mid-reading\n"
              "  cmt-direct                received messages are printed with +CMT (PDU, or\n"
              "                            text in text mode, with the long header and its\n"
              "                            length for a text of several lines) instead of\n"
              "                            stored; AT+CNMI? reports <mt> 2 whatever was set\n"
              "  cmt-ack                   cmt-direct with message service 1 (AT+CSMS?):\n"
              "                            each +CMT waits for AT+CNMA before the next one\n");
}

} // namespace sim
