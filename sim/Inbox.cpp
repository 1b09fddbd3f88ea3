#include "sim/Inbox.h"

#include "sim/Gsm7.h"
#include "sim/Hex.h"
#include "sim/SimError.h"
#include "sim/TextModeCodec.h"

#include <QStringList>

namespace sim {

namespace {

constexpr int kSingleSeptets = 160;
constexpr int kPartSeptets = 153;
constexpr int kSingleUnits = 70;
constexpr int kPartUnits = 67;
constexpr int kSingleOctets = 140;
constexpr int kPartOctets = 134;
constexpr int kMaxParts = 255;

QByteArray octet(int value)
{
    return QByteArray(1, static_cast<char>(value & 0xFF));
}

QByteArray semiOctets(const QString& digits)
{
    QByteArray out;
    for (qsizetype i = 0; i < digits.size(); i += 2) {
        const int low = digits[i].digitValue();
        const int high = i + 1 < digits.size() ? digits[i + 1].digitValue() : 0xF;
        out += octet((high << 4) | low);
    }
    return out;
}

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (!c.isDigit() || c.unicode() > 0x7F)
            return false;
    }
    return !text.isEmpty();
}

// Septets packed least significant bit first, the first one fillBits into the first octet.
QByteArray packSeptets(const Septets& septets, int fillBits)
{
    QByteArray out;
    quint32 bits = 0;
    int count = fillBits;
    for (const quint8 septet : septets) {
        bits |= quint32(septet & 0x7F) << count;
        count += 7;
        while (count >= 8) {
            out += octet(int(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        out += octet(int(bits & 0xFF));
    return out;
}

QByteArray senderField(const QString& sender, int& typeOfAddress)
{
    if (sender.startsWith(u'+') && allDigits(QStringView(sender).mid(1))) {
        typeOfAddress = 0x91;
        return octet(int(sender.size() - 1)) + octet(0x91) + semiOctets(sender.mid(1));
    }
    if (allDigits(sender)) {
        typeOfAddress = 0x81;
        return octet(int(sender.size())) + octet(0x81) + semiOctets(sender);
    }
    typeOfAddress = 0xD0;
    const Septets septets = encodeSeptets(sender.left(11));
    const QByteArray packed = packSeptets(septets, 0);
    return octet(int(septets.size() * 7 + 3) / 4) + octet(0xD0) + packed;
}

QByteArray smscField(const QString& smsc)
{
    if (smsc.isEmpty())
        return octet(0);
    const bool international = smsc.startsWith(u'+');
    const QString digits = international ? smsc.mid(1) : smsc;
    const QByteArray number = semiOctets(digits);
    return octet(int(number.size()) + 1) + octet(international ? 0x91 : 0x81) + number;
}

QByteArray timestamp(const QDateTime& time)
{
    return semiOctets(time.toUTC().toString(QStringLiteral("yyMMddHHmmss"))) + octet(0);
}

// The parts of a long text in septets, UTF-16 units or octets; an escape pair or a surrogate
// pair is never cut.
template <typename Units, typename Splits>
std::vector<Units> split(const Units& all, int single, int part, Splits keepsTogether)
{
    if (all.size() <= std::size_t(single))
        return {all};
    std::vector<Units> parts;
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = std::min(all.size(), start + std::size_t(part));
        if (end < all.size() && keepsTogether(all[end - 1]))
            --end;
        parts.emplace_back(all.begin() + qsizetype(start), all.begin() + qsizetype(end));
        start = end;
    }
    return parts;
}

QByteArray concatenationHeader(bool sixteenBit, int reference, int count, int sequence)
{
    if (sixteenBit)
        return octet(6) + octet(0x08) + octet(4) + octet(reference >> 8) + octet(reference) +
               octet(count) + octet(sequence);
    return octet(5) + octet(0x00) + octet(3) + octet(reference) + octet(count) + octet(sequence);
}

struct Message
{
    QString sender;
    Alphabet alphabet = Alphabet::Gsm7;
    QString text;
    bool sixteenBit = false;
    std::vector<int> order;
};

QString unescaped(QString text)
{
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    return text;
}

Message parseSmsLine(const QString& rest)
{
    Message message;
    const qsizetype textAt = rest.indexOf(QLatin1String("text="));
    if (textAt < 0)
        throw SimError("sms needs text=");
    message.text = unescaped(rest.mid(textAt + 5));
    bool codingGiven = false;
    for (const QString& item : rest.left(textAt).split(u' ', Qt::SkipEmptyParts)) {
        const QString key = item.section(u'=', 0, 0);
        const QString value = item.section(u'=', 1);
        if (key == QLatin1String("from")) {
            message.sender = value;
        } else if (key == QLatin1String("coding")) {
            codingGiven = true;
            if (value == QLatin1String("gsm"))
                message.alphabet = Alphabet::Gsm7;
            else if (value == QLatin1String("ucs2"))
                message.alphabet = Alphabet::Ucs2;
            else if (value == QLatin1String("8bit"))
                message.alphabet = Alphabet::EightBit;
            else
                throw SimError("coding takes gsm, ucs2 or 8bit");
        } else if (key == QLatin1String("ref16")) {
            message.sixteenBit = true;
        } else if (key == QLatin1String("parts")) {
            for (const QString& number : value.split(u',', Qt::SkipEmptyParts)) {
                bool ok = false;
                message.order.push_back(number.toInt(&ok));
                if (!ok || message.order.back() < 1)
                    throw SimError("parts takes part numbers from 1");
            }
        } else {
            throw SimError("unknown sms item");
        }
    }
    if (message.sender.isEmpty())
        throw SimError("sms needs from=");
    if (!codingGiven) {
        const Septets septets = encodeSeptets(message.text);
        if (decodeSeptets(septets) != message.text)
            message.alphabet = Alphabet::Ucs2;
    }
    return message;
}

InboxEntry entryOf(const QByteArray& octets, const QByteArray& smsc)
{
    InboxEntry entry;
    entry.pdu = encodeHex(smsc + octets);
    entry.tpduLength = int(octets.size());
    return entry;
}

std::vector<InboxEntry> smsEntries(const Message& message, const QString& smsc, int& nextReference,
                                   const QDateTime& now)
{
    // Each part's user data (without header) and its text as the modem shows it.
    std::vector<std::pair<QByteArray, QString>> bodies;
    std::vector<int> septetCounts;
    if (message.alphabet == Alphabet::Gsm7) {
        const Septets all = encodeSeptets(message.text);
        for (const Septets& part :
             split(all, kSingleSeptets, kPartSeptets, [](quint8 s) { return s == kGsmEscape; })) {
            bodies.push_back(
                {QByteArray(reinterpret_cast<const char*>(part.data()), qsizetype(part.size())),
                 decodeSeptets(part)});
            septetCounts.push_back(int(part.size()));
        }
    } else if (message.alphabet == Alphabet::Ucs2) {
        const std::u16string all = message.text.toStdU16String();
        for (const std::u16string& part : split(all, kSingleUnits, kPartUnits, [](char16_t u) {
                 return QChar::isHighSurrogate(u);
             })) {
            QByteArray octets;
            for (const char16_t unit : part)
                octets += octet(unit >> 8) + octet(unit);
            bodies.push_back({octets, QString::fromStdU16String(part)});
        }
    } else {
        const std::optional<QByteArray> data = decodeHex(message.text.toLatin1());
        if (!data)
            throw SimError("8bit text must be hex");
        const std::string all = data->toStdString();
        for (const std::string& part :
             split(all, kSingleOctets, kPartOctets, [](char) { return false; })) {
            const QByteArray octets = QByteArray::fromStdString(part);
            bodies.push_back({octets, QString::fromLatin1(encodeHex(octets))});
        }
    }
    const int count = int(bodies.size());
    if (count > kMaxParts)
        throw SimError("too long a message");
    const int reference = nextReference++ & (message.sixteenBit ? 0xFFFF : 0xFF);
    std::vector<int> order = message.order;
    if (order.empty()) {
        for (int i = 1; i <= count; ++i)
            order.push_back(i);
    }
    const QByteArray smscOctets = smscField(smsc);
    const int dcs = message.alphabet == Alphabet::Gsm7   ? 0x00
                    : message.alphabet == Alphabet::Ucs2 ? 0x08
                                                         : 0x04;
    std::vector<InboxEntry> entries;
    for (const int sequence : order) {
        if (sequence > count)
            throw SimError("parts names a part the message does not have");
        const auto& [body, text] = bodies[std::size_t(sequence - 1)];
        const QByteArray header =
            count > 1 ? concatenationHeader(message.sixteenBit, reference, count, sequence)
                      : QByteArray();
        int typeOfAddress = 0;
        QByteArray tpdu = octet(count > 1 ? 0x44 : 0x04) +
                          senderField(message.sender, typeOfAddress) + octet(0) + octet(dcs) +
                          timestamp(now);
        if (message.alphabet == Alphabet::Gsm7) {
            const int headerSeptets = (int(header.size()) * 8 + 6) / 7;
            const int fill = headerSeptets * 7 - int(header.size()) * 8;
            Septets septets(body.begin(), body.end());
            const int length = headerSeptets + int(septets.size());
            QByteArray packed = packSeptets(septets, fill);
            tpdu += octet(length) + header + packed;
        } else {
            tpdu += octet(int(header.size() + body.size())) + header + body;
        }
        InboxEntry entry = entryOf(tpdu, smscOctets);
        entry.sender = message.sender;
        entry.time = now;
        entry.alphabet = message.alphabet;
        entry.text = text;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace

std::vector<InboxEntry> inboxEntriesFor(const QString& line, const QString& smsc,
                                        int& nextReference, const QDateTime& now)
{
    const QString trimmed = line.trimmed();
    const QString verb = trimmed.section(u' ', 0, 0);
    const QString rest = trimmed.section(u' ', 1);
    if (verb == QLatin1String("pdu")) {
        const std::optional<QByteArray> octets = decodeHex(rest.trimmed().toLatin1());
        if (!octets || octets->isEmpty() || 1 + quint8(octets->at(0)) > octets->size())
            throw SimError("pdu needs the hex of an SMS-DELIVER, SMSC field first");
        InboxEntry entry;
        entry.pdu = encodeHex(*octets);
        entry.tpduLength = int(octets->size()) - 1 - quint8(octets->at(0));
        entry.time = now;
        entry.alphabet = Alphabet::EightBit;
        entry.text = QString::fromLatin1(entry.pdu);
        return {entry};
    }
    if (verb == QLatin1String("sms"))
        return smsEntries(parseSmsLine(rest), smsc, nextReference, now);
    throw SimError("a control line starts with pdu or sms");
}

QList<QByteArray> textModeInboxLines(const QByteArray& head, const InboxEntry& entry,
                                     const QString& charset)
{
    const QByteArray status = entry.read ? "\"REC READ\"" : "\"REC UNREAD\"";
    const bool international = entry.sender.startsWith(u'+');
    const QByteArray type = international ? "145" : allDigits(entry.sender) ? "129" : "208";
    const QByteArray stamp =
        '"' + entry.time.toUTC().toString(QStringLiteral("yy/MM/dd,HH:mm:ss")).toLatin1() + "+00\"";
    // 8-bit and UCS2 user data is always hex; 7-bit text is in the character set.
    QByteArray body;
    int length = 0;
    if (entry.alphabet == Alphabet::Gsm7) {
        body = encodeForCharset(entry.text, charset);
        length = int(encodeSeptets(entry.text).size());
    } else if (entry.alphabet == Alphabet::Ucs2) {
        body = encodeForCharset(entry.text, QStringLiteral("UCS2"));
        length = int(body.size() / 2);
    } else {
        body = entry.text.toLatin1();
        length = int(body.size() / 2);
    }
    return {head + status + ",\"" + encodeForCharset(entry.sender, charset) + "\",," + stamp + "," +
                type + "," + QByteArray::number(length),
            body};
}

QList<QByteArray> directDeliveryLines(const InboxEntry& entry, bool pduMode, const QString& charset)
{
    if (pduMode)
        return {"+CMT: ," + QByteArray::number(entry.tpduLength), entry.pdu};
    // The listing's form, "<stat>,<oa>,,<scts>,<tooa>,<length>", without its status.
    const QList<QByteArray> listed = textModeInboxLines({}, entry, charset);
    QByteArray fields = listed[0].mid(listed[0].indexOf(',') + 1);
    const qsizetype typeComma = fields.lastIndexOf(',', fields.lastIndexOf(',') - 1);
    const QByteArray type = fields.mid(typeComma + 1).split(',').value(0);
    QByteArray length = fields.mid(fields.lastIndexOf(',') + 1);
    fields.truncate(typeComma);
    // A text over several lines needs the length to be read whole: the long form, its length
    // in the characters printed.
    const bool multiLine = entry.alphabet == Alphabet::Gsm7 && entry.text.contains(u'\n');
    if (multiLine)
        length = QByteArray::number(listed[1].size());
    if (entry.alphabet != Alphabet::Gsm7 || multiLine) {
        const QByteArray dcs = entry.alphabet == Alphabet::Ucs2   ? "8"
                               : entry.alphabet == Alphabet::Gsm7 ? "0"
                                                                  : "4";
        fields += "," + type + ",4,0," + dcs + ",,145," + length;
    }
    return {"+CMT: " + fields, listed[1]};
}

} // namespace sim
