#include "modem/PduAddress.h"

#include "modem/PduHex.h"

namespace {

char16_t fieldCharacter(QChar c)
{
    return c.unicode() < 0x100 ? c.unicode() : u'?';
}

} // namespace

int destinationAddressOctets(QStringView number)
{
    if (number.isEmpty())
        return 1;
    const qsizetype digits = number.front() == u'+' ? number.size() - 1 : number.size();
    return 2 + static_cast<int>((digits + 1) / 2);
}

void appendAddress(HexBuilder& out, QStringView number, bool smscFlavour)
{
    if (number.isEmpty()) {
        out.octet(0);
        return;
    }
    const bool international = number.front() == u'+';
    const QStringView digits = international ? number.mid(1) : number;
    const auto count = static_cast<unsigned>(digits.size());
    out.octet(static_cast<std::uint8_t>(smscFlavour ? 1 + (count + 1) / 2 : count));
    out.octet(international ? 0x91 : 0x81);
    for (qsizetype i = 0; i < digits.size(); i += 2) {
        out.character(i + 1 < digits.size() ? fieldCharacter(digits[i + 1]) : u'F');
        out.character(fieldCharacter(digits[i]));
    }
}

QString EncodeAddress(const QString& number, bool smscFlavour)
{
    HexBuilder out(number.size() + 6);
    appendAddress(out, number, smscFlavour);
    return out.take();
}
