#include "modem/MessageCount.h"

#include "modem/GsmAlphabet.h"
#include "modem/GsmLookalikes.h"
#include "modem/NationalPdus.h"
#include "modem/PduSegments.h"
#include "modem/PduSubmission.h"
#include "modem/TextModeText.h"

#include <array>

namespace {

// Septets per ASCII character, 0 for one the alphabet lacks: counting a list of a million
// rows looks up every character.
constexpr std::array<std::uint8_t, 128> makeAsciiWidths()
{
    std::array<std::uint8_t, 128> widths{};
    for (char16_t c = 0; c < widths.size(); ++c)
        widths[c] = !isGsmAscii(c) ? 0 : gsmAsciiTable[c].escape ? 2 : 1;
    return widths;
}

constexpr std::array<std::uint8_t, 128> asciiWidths = makeAsciiWidths();

// Septets of one character, 0 when the alphabet lacks it.
int gsmWidth(char16_t c)
{
    if (c < asciiWidths.size())
        return asciiWidths[c];
    if (!isGsmCharacter(c))
        return 0;
    return gsmNonAsciiCode(c).escape ? 2 : 1;
}

struct GsmWalk
{
    bool carried = true; // every character in the alphabet
    qsizetype septets = 0;
    int parts = 1; // as a concatenated message
};

GsmWalk walkGsm(QStringView text)
{
    GsmWalk walk;
    int inPart = 0;
    for (const QChar c : text) {
        const int width = gsmWidth(c.unicode());
        if (width == 0) {
            walk.carried = false;
            return walk;
        }
        if (gsmPartFull(inPart, width)) {
            ++walk.parts;
            inPart = 0;
        }
        inPart += width;
        walk.septets += width;
    }
    return walk;
}

int surrogatePairs(QStringView text)
{
    int pairs = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate()) {
            ++pairs;
            ++i;
        }
    }
    return pairs;
}

int concatenatedUcs2Parts(QStringView text)
{
    int parts = 0;
    for (qsizetype start = 0; start < text.size(); start += ucs2PartUnits(text, start))
        ++parts;
    return std::max(parts, 1);
}

int textModeSliceCount(QStringView text, bool unicode)
{
    int slices = 0;
    qsizetype from = 0;
    do {
        from += textModeSliceLength(text, from, unicode);
        ++slices;
    } while (from < text.size());
    return slices;
}

} // namespace

namespace {

// A copy of a QString shares its data: only a text with CR LF in it is copied.
QString preparedText(const QString& text)
{
    // A one-character search first: most texts hold no CR at all.
    return text.contains(u'\r') && text.contains(QLatin1String("\r\n")) ? prepareMessageText(text)
                                                                        : text;
}

} // namespace

int ucs2MessageParts(const QString& text, QStringView number, bool textMode)
{
    const QString prepared = preparedText(text);
    if (fitsSingleMessage(true, prepared.size(), 0, number))
        return 1;
    return textMode ? textModeSliceCount(prepared, true) : concatenatedUcs2Parts(prepared);
}

MessageCount countMessage(const QString& text, QStringView number, MessageCountOptions options)
{
    QString prepared = preparedText(text);
    GsmWalk gsm = walkGsm(prepared);
    const bool outsideGsm = !gsm.carried;
    const bool unicode = options.unicode && (!options.textMode || !gsm.carried);
    MessageCount count;
    if (!unicode && !gsm.carried) {
        GsmReplacement replaced = replaceWithNearestGsm(prepared);
        count.unreplaceable = replaced.unknown;
        prepared = std::move(replaced.text);
        gsm = walkGsm(prepared);
    }
    count.outsideGsm = outsideGsm;
    if (unicode && outsideGsm && options.nationalLanguages && !options.textMode) {
        if (const std::optional<NationalPlan> plan = planNationalMessage(prepared, number)) {
            count.tables = plan->tables;
            count.parts = plan->parts;
            count.characters = static_cast<int>(prepared.size());
            count.units = static_cast<int>(plan->septets);
            count.tooLong = count.parts > MaxConcatenatedParts;
            return count;
        }
    }
    count.encoding = unicode ? MessageEncoding::Ucs2 : MessageEncoding::Gsm7;
    const qsizetype length = prepared.size();
    count.characters = static_cast<int>(unicode ? length - surrogatePairs(prepared) : length);
    count.units = static_cast<int>(unicode ? length : gsm.septets);
    if (fitsSingleMessage(unicode, length, gsm.septets, number))
        return count;
    count.parts = unicode ? concatenatedUcs2Parts(prepared) : gsm.parts;
    count.tooLong = count.parts > MaxConcatenatedParts;
    if (options.textMode) {
        count.parts = textModeSliceCount(prepared, unicode);
        count.tooLong = false;
    }
    return count;
}
