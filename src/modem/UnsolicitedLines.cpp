#include "modem/UnsolicitedLines.h"

namespace {

// Lines that are unsolicited when they start with one of these (the ones ending in ":" carry
// values). From 27.007 and 27.005, and the vendor forms of the common USB modems.
constexpr const char* PrefixedResults[] = {
    // Registration, signal and network
    "+CREG:",
    "+CGREG:",
    "+CEREG:",
    "+C5GREG:",
    "+CIEV:",
    "+CTZV:",
    "+CTZE:",
    "+CTZEU:",
    "+CGEV:",
    "+CUSD:",
    "+CSSI:",
    "+CSSU:",
    "+CCWA:",
    "+CLIP:",
    "+CRING:",
    "+CPIN:",
    // Messages and reports
    "+CMTI:",
    "+CMT:",
    "+CBM:",
    "+CBMI:",
    "+CDS:",
    "+CDSI:",
    // Huawei and ZTE style
    "^RSSI:",
    "^HCSQ:",
    "^MODE:",
    "^BOOT:",
    "^DSFLOWRPT:",
    "^SIMST:",
    "^SRVST:",
    "^CEND:",
    "^ORIG:",
    "^CONF:",
    "^CONN:",
    "^STIN:",
    "^NDISSTAT:",
    "^RFSWITCH:",
    "^CRSSI:",
    "^ACTIVEBAND:",
    "^EONS:",
    "^NWTIME:",
    "^TIME:",
    "^SMMEMFULL:",
    "^POSITION:",
    "+ZPASR:",
    "+ZUSIMR:",
    "+ZDONR:",
    // Quectel, SIMCom, Sierra and Telit style
    "+QIND:",
    "+QUSIM:",
    "+CPSI:",
    "*EMRDY:",
    "#QSS:",
};

// Unsolicited lines that are a word or two with nothing after them.
constexpr const char* WholeResults[] = {
    "RING",      "NO CARRIER", "+PBREADY", "RDY",     "Call Ready",
    "SMS Ready", "^SYSSTART",  "+ZEND",    "PB DONE",
};

QByteArrayView trimmedView(QByteArrayView line)
{
    return line.trimmed();
}

QByteArrayView prefixOf(QByteArrayView line)
{
    const qsizetype colon = line.indexOf(':');
    return colon < 0 ? line : line.first(colon);
}

bool isDigits(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

bool isUnsolicitedLine(QByteArrayView line, QByteArrayView answerPrefix)
{
    const QByteArrayView text = trimmedView(line);
    if (text.isEmpty())
        return false;
    if (!answerPrefix.isEmpty() && prefixOf(text) == answerPrefix)
        return false;
    for (const char* whole : WholeResults) {
        if (text == QByteArrayView(whole))
            return true;
    }
    for (const char* prefix : PrefixedResults) {
        if (text.startsWith(QByteArrayView(prefix)))
            return true;
    }
    return false;
}

int unsolicitedBodyLines(QByteArrayView line)
{
    const QByteArrayView text = trimmedView(line);
    if (text.startsWith("+CMT:") || text.startsWith("+CBM:"))
        return 1;
    // In PDU mode a report is its length, then the PDU on a line of its own.
    if (text.startsWith("+CDS:"))
        return isDigits(text.sliced(5).trimmed()) ? 1 : 0;
    return 0;
}

std::optional<int> textMessageLength(QByteArrayView header)
{
    const QByteArrayView text = trimmedView(header);
    if (!text.startsWith("+CMT:"))
        return std::nullopt;
    // Commas inside quotes (the time stamp's, an alpha's) separate no fields.
    int fields = 1;
    qsizetype lastComma = -1;
    bool quoted = false;
    for (qsizetype i = 5; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == ',' && !quoted) {
            ++fields;
            lastComma = i;
        }
    }
    constexpr int LongFormFields = 10;
    constexpr int LongestBody = 160;
    if (quoted || fields != LongFormFields)
        return std::nullopt;
    const QByteArrayView length = text.sliced(lastComma + 1).trimmed();
    if (!isDigits(length) || length.size() > 3)
        return std::nullopt;
    const int value = length.toByteArray().toInt();
    if (value > LongestBody)
        return std::nullopt;
    return value;
}

bool unsolicitedBodyFits(QByteArrayView header, QByteArrayView body)
{
    const QByteArrayView text = trimmedView(header);
    const qsizetype colon = text.indexOf(':');
    const qsizetype comma = text.lastIndexOf(',');
    const QByteArrayView length = text.sliced(comma > colon ? comma + 1 : colon + 1).trimmed();
    // A PDU-mode header ends in the length, after at most an alpha: "+CMT: ,24", "+CDS: 25".
    // A text-mode one names sender and time stamp, with commas of their own.
    const bool pduHeader =
        colon >= 0 && isDigits(length) && (text.startsWith("+CDS:") || text.count(',') == 1);
    if (!pduHeader)
        return true;
    for (const char c : body.trimmed()) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        if (!hex)
            return false;
    }
    return true;
}

QByteArray answerPrefixOf(QByteArrayView command)
{
    const QByteArrayView text = command.trimmed();
    if (text.size() < 3 || qstrnicmp(text.data(), "AT", 2) != 0)
        return {};
    const QByteArrayView rest = text.sliced(2);
    const char lead = rest.front();
    if (lead != '+' && lead != '^' && lead != '$' && lead != '*' && lead != '#' && lead != '%')
        return {};
    qsizetype end = 1;
    while (end < rest.size()) {
        const char c = rest[end];
        const bool nameChar =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!nameChar)
            break;
        ++end;
    }
    return rest.first(end).toByteArray().toUpper();
}

bool isFinalErrorLine(QByteArrayView line)
{
    const QByteArrayView text = trimmedView(line);
    return text == "ERROR" || text.startsWith("+CMS ERROR") || text.startsWith("+CME ERROR") ||
           text == "COMMAND NOT SUPPORT" || text == "TOO MANY PARAMETERS";
}
