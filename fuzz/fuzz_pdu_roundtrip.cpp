// Encodes any text to any number in PDU mode and reads every PDU back with the simulator's
// decoder: the text a receiver shows must be the text sent (as the GSM alphabet can carry it).

#include "FuzzSupport.h"
#include "modem/GsmAlphabet.h"
#include "modem/PduSubmission.h"
#include "sim/PduDecoder.h"

#include <algorithm>

namespace {

// What the recipient list and the SMSC boxes let through: at most 20 characters, digits with
// an optional leading "+".
bool isDialNumber(const QString& number)
{
    if (number.size() > 20)
        return false;
    for (qsizetype i = 0; i < number.size(); ++i) {
        const QChar c = number.at(i);
        if (!(c.isDigit() && c.unicode() < 128) && !(c == u'+' && i == 0))
            return false;
    }
    return true;
}

bool hasDigit(const QString& number)
{
    return std::any_of(number.cbegin(), number.cend(),
                       [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString textOf(const QByteArray& bytes, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(bytes);
    return QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t control = input.byte();
    const quint16 reference = quint16(input.byte() << 8 | input.byte());
    PduOptions options;
    options.flash = control & 1;
    options.unicode = control & 2;
    options.nationalLanguages = control & 8;
    const QString number = QString::fromUtf8(input.field('\n'));
    const QString smsc = QString::fromUtf8(input.field('\n'));
    // UTF-16 reaches lone surrogates, which UTF-8 input cannot.
    const QString text = textOf(input.rest(), control & 4);

    const std::optional<PduSubmission> submission =
        encodeMessagePdus(text, number, smsc, reference, options);
    const QString prepared = prepareMessageText(text);
    if (!submission) {
        require(prepared.size() > 66 * 255, "only a message of over 255 parts is refused");
        return 0;
    }
    require(!submission->pdus.empty(), "at least one PDU");
    // The recipient list lets only such numbers through; an empty SMSC is the modem's own.
    const bool checkable =
        isDialNumber(number) && hasDigit(number) &&
        (smsc.trimmed().isEmpty() || (isDialNumber(smsc.trimmed()) && hasDigit(smsc)));
    if (!checkable)
        return 0;

    std::vector<sim::DecodedSubmit> parts;
    for (const EncodedPdu& pdu : submission->pdus) {
        QString why;
        std::optional<sim::DecodedSubmit> decoded =
            sim::decodeSubmitPdu(pdu.pdu.toLatin1(), true, &why);
        if (!decoded) {
            std::fprintf(stderr, "%s\n%s\n", qPrintable(why), qPrintable(pdu.pdu));
            require(false, "every PDU decodes");
        }
        require(decoded->tpduLength == pdu.tpduLength, "the length AT+CMGS is given");
        require(decoded->destination == number, "the destination");
        require(decoded->smsc == smsc.trimmed(), "the service centre");
        require(decoded->concatenation.has_value() == submission->concatenated, "parts are marked");
        // The national bit reaches every table, 1 Turkish to 13 Urdu, and only those.
        require(decoded->lockingShift <= 13 && decoded->singleShift <= 13, "a known table");
        require(options.nationalLanguages ||
                    (decoded->lockingShift == 0 && decoded->singleShift == 0),
                "tables only with the option");
        if (decoded->concatenation) {
            require(decoded->concatenation->reference == reference, "the reference");
            require(decoded->concatenation->total == int(submission->pdus.size()), "the count");
            require(decoded->concatenation->part == int(parts.size()) + 1, "the part number");
        }
        parts.push_back(std::move(*decoded));
    }
    if (!options.unicode) {
        // Septets, not shown texts: how a receiver shows a stray escape is its own business.
        std::vector<std::uint8_t> received;
        for (const sim::DecodedSubmit& part : parts)
            received.insert(received.end(), part.septets.begin(), part.septets.end());
        require(received == ToGsmSeptets(prepared), "the receiver gets the septets sent");
        return 0;
    }
    const QString received = sim::reassembleText(std::move(parts));
    if (received != prepared) {
        std::fprintf(stderr, "sent     %s\nreceived %s\n", prepared.toUtf8().toHex(' ').constData(),
                     received.toUtf8().toHex(' ').constData());
        require(false, "the receiver reads the text sent");
    }
    return 0;
}
