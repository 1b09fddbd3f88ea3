#include "modem/StoredMessages.h"

#include "modem/TextModeFields.h"
#include "modem/Ucs2Hex.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

constexpr int InternationalTypeOfAddress = 145;
constexpr int AlphanumericTypeOfAddress = 208;

// The answer's lines without their line ends; blank lines kept, for text-mode bodies.
QStringList rawLines(const QString& answer)
{
    QStringList lines = answer.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

bool isFinal(const QString& line)
{
    const QString trimmed = line.trimmed();
    return trimmed == QLatin1String("OK") || trimmed == QLatin1String("ERROR") ||
           trimmed.startsWith(QLatin1String("+CMS ERROR")) ||
           trimmed.startsWith(QLatin1String("+CME ERROR"));
}

std::optional<int> numberField(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// 0 "REC UNREAD", 1 "REC READ", 2 "STO UNSENT", 3 "STO SENT", 4 "ALL"; nullopt otherwise.
std::optional<int> statusOf(const QString& field)
{
    static const QString words[] = {QStringLiteral("REC UNREAD"), QStringLiteral("REC READ"),
                                    QStringLiteral("STO UNSENT"), QStringLiteral("STO SENT")};
    const QString text = field.trimmed().toUpper();
    for (int i = 0; i < 4; ++i) {
        if (text == words[i])
            return i;
    }
    const std::optional<int> number = numberField(text);
    return number && *number >= 0 && *number <= 3 ? number : std::nullopt;
}

bool isHex(QStringView text)
{
    for (const QChar c : text) {
        if (hexDigitValue(c) < 0)
            return false;
    }
    return !text.isEmpty();
}

QString fromCharset(const QString& text, const QString& charset)
{
    if (charset.compare(QLatin1String("UCS2"), Qt::CaseInsensitive) == 0) {
        if (const std::optional<QString> decoded = fromUcs2Hex(text))
            return *decoded;
    }
    return text;
}

// The text-mode message of a header's fields (after index and stat) and its body.
DeliverMessage textMessage(const QList<QString>& fields, const QString& body, bool withDcs,
                           const QString& charset)
{
    DeliverMessage message;
    const QString sender = fromCharset(fields.value(0).trimmed(), charset);
    const std::optional<int> type = numberField(fields.value(3));
    message.sender.text = sender;
    if (type == AlphanumericTypeOfAddress) {
        message.sender.kind = AddressKind::Alphanumeric;
    } else if (sender.startsWith(u'+') || type == InternationalTypeOfAddress) {
        message.sender.kind = AddressKind::International;
        if (!sender.startsWith(u'+') && !sender.isEmpty())
            message.sender.text.prepend(u'+');
    }
    message.serviceCentreTime = parseTextModeTimestamp(fields.value(2));
    const bool ucs2Charset = charset.compare(QLatin1String("UCS2"), Qt::CaseInsensitive) == 0;
    // +CMGR with AT+CSDH=1: <tooa>,<fo>,<pid>,<dcs>,<sca>,<tosca>,<length>.
    const int dcs = withDcs ? numberField(fields.value(6)).value_or(-1) : -1;
    const std::optional<int> length = numberField(fields.value(withDcs ? 9 : 4));
    if (dcs >= 0 && dcs <= 0xFF) {
        message.dataCoding = dcs;
        message.protocolId = numberField(fields.value(5)).value_or(0);
        const DataCodingScheme scheme = readDataCoding(dcs);
        message.coding = scheme.coding;
        message.flash = scheme.flash;
    } else if (!ucs2Charset && length && isHex(body) && body.size() == 2 * *length &&
               body.size() % 4 == 0) {
        message.coding = MessageCoding::Ucs2;
    }
    // Data that is not whole octets of hex cannot be shown as data: it shows as it came.
    if (message.coding == MessageCoding::EightBit && (!isHex(body) || body.size() % 2 != 0))
        message.coding = MessageCoding::Gsm7;
    if (message.coding == MessageCoding::Ucs2 ||
        (ucs2Charset && message.coding == MessageCoding::Gsm7)) {
        const std::optional<QString> decoded = fromUcs2Hex(body);
        message.text = decoded ? *decoded : body;
    } else {
        message.text = message.coding == MessageCoding::EightBit ? body.toUpper() : body;
    }
    return message;
}

// The body of the entry whose header is at i: the PDU line, or the text lines up to the next
// header or the final result.
QString bodyAfter(const QStringList& lines, qsizetype i, const QString& headerPrefix, bool pduMode)
{
    QStringList body;
    for (qsizetype j = i + 1; j < lines.size(); ++j) {
        if (lines[j].startsWith(headerPrefix) || isFinal(lines[j]))
            break;
        if (pduMode) {
            if (!lines[j].trimmed().isEmpty())
                return lines[j].trimmed();
            continue;
        }
        body.append(lines[j]);
    }
    // The line ends around a text are the answer's, not the message's.
    while (!body.isEmpty() && body.front().isEmpty())
        body.removeFirst();
    while (!body.isEmpty() && body.back().isEmpty())
        body.removeLast();
    return body.join(u'\n');
}

// Reads one entry; nullopt when it is not a received message or cannot be read.
std::optional<StoredMessage> entryOf(const QList<QString>& fields, const QString& body,
                                     bool pduMode, bool withDcs, const QString& charset,
                                     bool& unreadable)
{
    unreadable = false;
    const std::optional<int> status = statusOf(fields.value(0));
    if (!status) {
        unreadable = true;
        return std::nullopt;
    }
    if (*status > 1)
        return std::nullopt;
    StoredMessage stored;
    stored.read = *status == 1;
    if (pduMode) {
        DeliverDecoding decoded = decodeDeliverPdu(body);
        if (DeliverMessage* message = std::get_if<DeliverMessage>(&decoded)) {
            stored.message = std::move(*message);
            return stored;
        }
        unreadable = true;
        return std::nullopt;
    }
    if (fields.size() < 4) {
        unreadable = true;
        return std::nullopt;
    }
    stored.message = textMessage(fields.mid(1), body, withDcs, charset);
    return stored;
}

} // namespace

StoredMessageList parseStoredMessageList(const QString& answer, bool pduMode,
                                         const QString& charset)
{
    StoredMessageList list;
    const QString prefix = QStringLiteral("+CMGL:");
    const QStringList lines = rawLines(answer);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (!line.startsWith(prefix))
            continue;
        const QList<QString> fields = splitTextModeFields(QStringView(line).mid(prefix.size()));
        const std::optional<int> index = numberField(fields.value(0));
        if (!index || *index < 0) // no place a deletion could name
            continue;
        bool unreadable = false;
        std::optional<StoredMessage> stored =
            entryOf(fields.mid(1), bodyAfter(lines, i, prefix, pduMode), pduMode, false, charset,
                    unreadable);
        if (stored) {
            stored->index = *index;
            list.messages.push_back(std::move(*stored));
        } else if (unreadable) {
            list.unreadable.push_back(*index);
        }
    }
    return list;
}

std::optional<StoredMessage> parseStoredMessage(const QString& answer, bool pduMode,
                                                const QString& charset)
{
    const QString prefix = QStringLiteral("+CMGR:");
    const QStringList lines = rawLines(answer);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (!line.startsWith(prefix))
            continue;
        const QList<QString> fields = splitTextModeFields(QStringView(line).mid(prefix.size()));
        bool unreadable = false;
        return entryOf(fields, bodyAfter(lines, i, prefix, pduMode), pduMode, fields.size() >= 11,
                       charset, unreadable);
    }
    return std::nullopt;
}

std::optional<DeliverMessage> parseCmtIndication(QStringView indication, const QString& charset)
{
    const qsizetype lineEnd = indication.indexOf(u'\n');
    if (lineEnd < 0)
        return std::nullopt;
    const QStringView header = indication.first(lineEnd).trimmed();
    const QString body = indication.sliced(lineEnd + 1).trimmed().toString();
    const QLatin1StringView tag("+CMT:");
    if (!header.startsWith(tag) || body.isEmpty())
        return std::nullopt;
    const QList<QString> fields = splitTextModeFields(header.sliced(tag.size()));
    // PDU mode names a length last and no sender; text mode has at least the time stamp too.
    if (fields.size() == 2 && numberField(fields[1])) {
        DeliverDecoding decoded = decodeDeliverPdu(body);
        if (DeliverMessage* message = std::get_if<DeliverMessage>(&decoded))
            return std::move(*message);
        return std::nullopt;
    }
    if (fields.size() < 3)
        return std::nullopt;
    // The set may change between submissions (UCS2 for a text no narrow set carries): when
    // the caller cannot know it, a sender that is the UCS2 hex of a number tells.
    QString set = charset;
    if (set.isEmpty()) {
        const std::optional<QString> sender = fromUcs2Hex(fields[0].trimmed());
        static const QRegularExpression number(QStringLiteral("^\\+?[0-9]+$"));
        if (sender && number.match(*sender).hasMatch())
            set = QStringLiteral("UCS2");
    }
    // Without AT+CSDH=1 a tooa and length are not given: the text-mode reader then takes
    // fields 3 and 4, which stay empty here.
    return textMessage(fields, body, fields.size() >= 10, set);
}

std::optional<NewMessageIndex> parseCmtiLine(QStringView line)
{
    const auto stored = parseStorageIndication(line, QLatin1StringView("+CMTI"));
    return stored ? std::optional<NewMessageIndex>({stored->first, stored->second}) : std::nullopt;
}

std::optional<StorageUse> parseStorageUse(const QString& answer)
{
    for (const QString& line : rawLines(answer)) {
        const QString trimmed = line.trimmed();
        if (!trimmed.startsWith(QLatin1String("+CPMS:")))
            continue;
        const QList<QString> fields = splitTextModeFields(QStringView(trimmed).mid(6));
        const bool named = !numberField(fields.value(0)).has_value();
        const int first = named ? 1 : 0;
        const std::optional<int> used = numberField(fields.value(first));
        const std::optional<int> total = numberField(fields.value(first + 1));
        if (!used || !total)
            return std::nullopt;
        return StorageUse{named ? fields.value(0).trimmed() : QString(), *used, *total};
    }
    return std::nullopt;
}

QString receivedMessageStore(const QString& answer)
{
    for (const QString& line : rawLines(answer)) {
        const QString trimmed = line.trimmed();
        if (!trimmed.startsWith(QLatin1String("+CPMS:")))
            continue;
        const QList<QString> fields = splitTextModeFields(QStringView(trimmed).mid(6));
        // <mem1>,<used1>,<total1>,<mem2>,<used2>,<total2>,<mem3>,...
        const QString third = fields.value(6).trimmed();
        if (!third.isEmpty() && !numberField(third))
            return third;
        const QString first = fields.value(0).trimmed();
        return numberField(first) ? QString() : first;
    }
    return {};
}
