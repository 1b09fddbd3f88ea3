#include "modem/NationalPdus.h"

#include "modem/GsmLookalikes.h"
#include "modem/PduAddress.h"
#include "modem/PduHex.h"
#include "modem/PduSegments.h"
#include "modem/PduSubmission.h"
#include "modem/SeptetPacking.h"

namespace {

constexpr int MaxSeptets = 160;
constexpr int ConcatElementOctets = 6; // 08 04, the 16-bit reference, count and number
constexpr std::uint8_t ValidityTwelveHours = 0x8F;
constexpr std::uint8_t WithHeaderFirstOctet = 0x51;
constexpr std::uint8_t StatusReportRequest = 0x20;

int headerOctets(ShiftTables tables, bool concatenated)
{
    return 1 + (concatenated ? ConcatElementOctets : 0) + tables.headerOctets();
}

// The header padded to a septet boundary.
int headerSeptets(ShiftTables tables, bool concatenated)
{
    return (headerOctets(tables, concatenated) * 8 + 6) / 7;
}

int ucs2Parts(QStringView prepared, QStringView number)
{
    if (fitsSingleMessage(true, prepared.size(), 0, number))
        return 1;
    int parts = 0;
    for (qsizetype start = 0; start < prepared.size(); start += ucs2PartUnits(prepared, start))
        ++parts;
    return std::max(parts, 1);
}

// The parts of a long message in the tables: an escape pair never straddles two.
template <class OnCut> void cutParts(QStringView text, ShiftTables tables, OnCut onCut)
{
    const int capacity = nationalPartSeptets(tables, true);
    int inPart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int width = nationalWidth(text[i].unicode(), tables);
        if (inPart + width > capacity) {
            onCut(i);
            inPart = 0;
        }
        inPart += width;
    }
}

std::optional<NationalPlan> planFor(QStringView text, QStringView number, ShiftTables tables)
{
    NationalPlan plan{tables};
    for (const QChar c : text) {
        const int width = nationalWidth(c.unicode(), tables);
        if (width == 0)
            return std::nullopt;
        plan.septets += width;
    }
    const qsizetype single = headerSeptets(tables, false) + plan.septets;
    if (single <= MaxSeptets && fitsSingleMessage(false, text.size(), single, number))
        return plan;
    plan.concatenated = true;
    cutParts(text, tables, [&plan](qsizetype) { ++plan.parts; });
    return plan;
}

void appendShiftElements(HexBuilder& out, ShiftTables tables)
{
    if (tables.single != NationalLanguage::None) {
        out.octet(SingleShiftElement);
        out.octet(1);
        out.octet(static_cast<std::uint8_t>(tables.single));
    }
    if (tables.locking != NationalLanguage::None) {
        out.octet(LockingShiftElement);
        out.octet(1);
        out.octet(static_cast<std::uint8_t>(tables.locking));
    }
}

struct PartHeader
{
    quint16 reference = 0;
    int count = 1;
    int number = 1;
};

EncodedPdu encodePart(QStringView slice, const QString& number, const QString& smsc,
                      PduOptions options, ShiftTables tables, const PartHeader* concat)
{
    const Septets septets = toNationalSeptets(slice, tables);
    HexBuilder out(static_cast<qsizetype>(septets.size()) * 2 + 64);
    if (options.withSmsc)
        appendAddress(out, smsc, true);
    const qsizetype tpduStart = out.size();
    out.octet(WithHeaderFirstOctet | (options.statusReport ? StatusReportRequest : 0));
    out.octet(0x00); // message reference: the modem assigns it
    appendAddress(out, number, false);
    out.octet(0x00); // protocol identifier
    PduOptions gsm = options;
    gsm.unicode = false;
    out.octet(dataCodingScheme(gsm));
    out.octet(ValidityTwelveHours);
    const bool concatenated = concat != nullptr;
    const int header = headerSeptets(tables, concatenated);
    out.octet(static_cast<std::uint8_t>(header + static_cast<int>(septets.size())));
    out.octet(static_cast<std::uint8_t>(headerOctets(tables, concatenated) - 1));
    if (concat) {
        out.octet(0x08);
        out.octet(0x04);
        out.octet(static_cast<std::uint8_t>(concat->reference >> 8));
        out.octet(static_cast<std::uint8_t>(concat->reference & 0xFF));
        out.octet(static_cast<std::uint8_t>(concat->count));
        out.octet(static_cast<std::uint8_t>(concat->number));
    }
    appendShiftElements(out, tables);
    SeptetPacker packer(out, header * 7 - headerOctets(tables, concatenated) * 8);
    for (const std::uint8_t septet : septets)
        packer.push(septet);
    packer.finish();
    const auto tpduLength = static_cast<quint16>((out.size() - tpduStart) / 2);
    return {out.take(), tpduLength};
}

} // namespace

int nationalPartSeptets(ShiftTables tables, bool concatenated)
{
    return MaxSeptets - headerSeptets(tables, concatenated);
}

std::optional<NationalPlan> planNationalMessage(QStringView prepared, QStringView number)
{
    if (!holdsNonGsmCharacters(prepared.toString()))
        return std::nullopt;
    std::optional<NationalPlan> best;
    for (const ShiftTables tables : nationalTableCandidates(prepared)) {
        const std::optional<NationalPlan> plan = planFor(prepared, number, tables);
        // The candidates come simpler first: a later one must save a part to be taken.
        if (plan && (!best || plan->parts < best->parts))
            best = plan;
    }
    if (!best || best->parts >= ucs2Parts(prepared, number))
        return std::nullopt;
    return best;
}

std::vector<EncodedPdu> encodeNationalPdus(QStringView prepared, const QString& number,
                                           const QString& smsc, quint16 reference,
                                           PduOptions options, const NationalPlan& plan)
{
    if (!plan.concatenated)
        return {encodePart(prepared, number, smsc, options, plan.tables, nullptr)};
    std::vector<qsizetype> starts{0};
    cutParts(prepared, plan.tables, [&starts](qsizetype at) { starts.push_back(at); });
    std::vector<EncodedPdu> pdus;
    const int count = static_cast<int>(starts.size());
    for (int k = 0; k < count; ++k) {
        const qsizetype start = starts[static_cast<std::size_t>(k)];
        const qsizetype end =
            k + 1 < count ? starts[static_cast<std::size_t>(k + 1)] : prepared.size();
        const PartHeader header{reference, count, k + 1};
        pdus.push_back(encodePart(prepared.mid(start, end - start), number, smsc, options,
                                  plan.tables, &header));
    }
    return pdus;
}
