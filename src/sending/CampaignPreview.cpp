#include "sending/CampaignPreview.h"

#include "modem/GsmAlphabet.h"
#include "modem/GsmLookalikes.h"
#include "modem/PartSubmission.h"
#include "modem/PduAddress.h"
#include "recipients/RecipientList.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int RowsNamed = 10;

QString tr(const char* text)
{
    return QCoreApplication::translate("CampaignPreview", text);
}

// What the look-alike table does to one text.
struct LookalikeCount
{
    bool replaceable = false;
    std::vector<char32_t> characters; // outside the alphabet, distinct
    int ucs2Parts = 0;
    int gsmParts = 0;
};

// What nonGsmCharacters finds, without a string for each: a list of a million rows with a curly
// quote in each is looked through.
std::vector<char32_t> nonGsmCodePoints(const QString& text)
{
    std::vector<char32_t> found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isGsmCharacter(c.unicode()))
            continue;
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text[++i]);
        if (std::find(found.begin(), found.end(), code) == found.end())
            found.push_back(code);
    }
    return found;
}

// counted: the row's count with the options in force. With the Unicode option off it is the
// count of the replaced text, so the replacement is not done again.
LookalikeCount lookalikeCountOf(const RecipientRow& row, MessageCountOptions options,
                                const MessageCount& counted)
{
    LookalikeCount count;
    std::optional<int> gsmParts;
    if (!options.unicode) {
        if (counted.unreplaceable > 0)
            return count;
        gsmParts = counted.parts;
    } else {
        const std::optional<QString> replaced = replaceLookalikes(row.Message);
        if (!replaced)
            return count;
        gsmParts = countMessage(*replaced, row.Number, {false, options.textMode}).parts;
    }
    count.replaceable = true;
    count.characters = nonGsmCodePoints(row.Message);
    count.ucs2Parts = counted.encoding == MessageEncoding::Ucs2
                          ? counted.parts
                          : ucs2MessageParts(row.Message, row.Number, options.textMode);
    count.gsmParts = *gsmParts;
    return count;
}

// Counting a list of a million rows that share one text counts it once: the count depends on
// the number only through the length of its address field.
class CountCache
{
public:
    explicit CountCache(MessageCountOptions options) : m_options(options) {}

    const MessageCount& count(const RecipientRow& row)
    {
        const int octets = destinationAddressOctets(row.Number);
        if (!m_valid || octets != m_octets ||
            !(row.Message.isSharedWith(m_text) || row.Message == m_text)) {
            m_count = countMessage(row.Message, row.Number, m_options);
            m_lookalikes.reset();
            m_text = row.Message;
            m_octets = octets;
            m_valid = true;
        }
        return m_count;
    }

    // Of the row count() was last given.
    const LookalikeCount& lookalikes(const RecipientRow& row)
    {
        if (!m_lookalikes)
            m_lookalikes = lookalikeCountOf(row, m_options, m_count);
        return *m_lookalikes;
    }

private:
    MessageCountOptions m_options;
    bool m_valid = false;
    QString m_text;
    int m_octets = 0;
    MessageCount m_count;
    std::optional<LookalikeCount> m_lookalikes;
};

struct ModemLoad
{
    PreviewModem modem;
    CountCache counts;
    ModemShare share;
};

ModemLoad* freeFirst(std::vector<ModemLoad>& loads)
{
    ModemLoad* chosen = nullptr;
    for (ModemLoad& load : loads) {
        if (load.modem.quota >= 0 && load.share.rows >= load.modem.quota)
            continue;
        if (!chosen || load.share.busyMs < chosen->share.busyMs)
            chosen = &load;
    }
    return chosen;
}

void noteLookalikes(LookalikeRows& found, std::vector<char32_t>& seen, int index,
                    const LookalikeCount& count)
{
    if (!count.replaceable)
        return;
    found.rows.append(index);
    for (const char32_t character : count.characters) {
        if (std::find(seen.begin(), seen.end(), character) != seen.end())
            continue;
        seen.push_back(character);
        found.characters.append(QString::fromUcs4(&character, 1));
    }
    found.ucs2Parts += count.ucs2Parts;
    found.gsmParts += count.gsmParts;
}

QString rowNumbers(const QList<int>& rows)
{
    QStringList named;
    for (const int row : rows.mid(0, RowsNamed))
        named.append(QString::number(row + 1));
    if (rows.size() > RowsNamed)
        named.append(QStringLiteral("..."));
    return named.join(QStringLiteral(", "));
}

} // namespace

std::int64_t messageBusyMs(int parts, int messageMode, bool fast)
{
    const std::int64_t answer =
        fast ? EstimatedAnswerMs : std::max<std::int64_t>(SubmissionPauseMs, EstimatedAnswerMs);
    // Text mode gives the modem its designed wait between the prompt and the body.
    const std::int64_t prompt = messageMode == 2 && !fast ? SubmissionPauseMs : 0;
    const std::int64_t afterPart = parts > 1 ? (fast ? FastPauseAfterPartMs : PauseAfterPartMs) : 0;
    return parts * (answer + prompt + afterPart);
}

CampaignPreview previewCampaign(int rowCount, const std::function<const RecipientRow&(int)>& rowAt,
                                const PreviewSettings& settings)
{
    std::vector<ModemLoad> loads;
    const QList<PreviewModem> modems =
        settings.modems.isEmpty() ? QList<PreviewModem>{PreviewModem{}} : settings.modems;
    loads.reserve(static_cast<std::size_t>(modems.size()));
    for (const PreviewModem& modem : modems)
        loads.push_back(
            {modem,
             CountCache({settings.unicode, modem.messageMode == 2, settings.nationalLanguages}),
             ModemShare{modem.label}});

    CampaignPreview preview;
    preview.rows = rowCount;
    int sent = 0;
    std::vector<char32_t> lookalikesSeen;
    for (int i = 0; i < rowCount; ++i) {
        const RecipientRow& row = rowAt(i);
        ModemLoad* load = freeFirst(loads);
        if (!load) {
            ++preview.unsentRows;
            continue;
        }
        const MessageCount& count = load->counts.count(row);
        // A text the national language tables carry goes in 7-bit already.
        if (count.outsideGsm && count.tables.isDefault())
            noteLookalikes(preview.lookalikes, lookalikesSeen, i, load->counts.lookalikes(row));
        ++load->share.rows;
        ++sent;
        if (count.tooLong) {
            ++preview.tooLongRows;
            continue;
        }
        load->share.parts += count.parts;
        load->share.busyMs +=
            messageBusyMs(count.parts, load->modem.messageMode, settings.pacing.fast);
        preview.parts += count.parts;
        (count.encoding == MessageEncoding::Ucs2 ? preview.ucs2Parts : preview.gsmParts) +=
            count.parts;
        ++preview.rowsByParts[count.parts];
    }

    std::int64_t longest = 0;
    for (ModemLoad& load : loads) {
        longest = std::max(longest, load.share.busyMs);
        preview.modems.append(load.share);
    }
    const PreviewPacing& pacing = settings.pacing;
    // No pause follows the last message.
    if (pacing.pauseEvery > 0 && pacing.pauseForMs > 0 && sent > 0)
        preview.pauses = (sent - 1) / pacing.pauseEvery;
    preview.estimatedMs = longest + preview.pauses * pacing.pauseForMs;
    return preview;
}

CampaignPreview previewCampaign(const RecipientList& list, const PreviewSettings& settings)
{
    return previewCampaign(
        list.count(), [&list](int row) -> const RecipientRow& { return list.at(row); }, settings);
}

int replaceLookalikeCharacters(RecipientList& list, const QList<int>& rows)
{
    int changed = 0;
    for (const int row : rows) {
        if (row < 0 || row >= list.count())
            continue;
        std::optional<QString> replaced = replaceLookalikes(list.at(row).Message);
        if (!replaced)
            continue;
        RecipientRow recipient = list.at(row);
        recipient.Message = std::move(*replaced);
        list.setRecipient(row, std::move(recipient));
        ++changed;
    }
    return changed;
}

QString durationText(std::int64_t milliseconds)
{
    const std::int64_t seconds = (milliseconds + 999) / 1000;
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = seconds / 60 % 60;
    if (hours > 0)
        return tr("%1 h %2 min").arg(hours).arg(minutes, 2, 10, QLatin1Char('0'));
    if (minutes > 0)
        return tr("%1 min %2 s").arg(minutes).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return tr("%1 s").arg(seconds);
}

QStringList previewLines(const CampaignPreview& preview, double pricePerPart)
{
    QStringList lines;
    lines.append(tr("Rows: %1").arg(preview.rows));
    lines.append(tr("SMS parts: %1 (GSM 7-bit: %2, UCS2: %3)")
                     .arg(preview.parts)
                     .arg(preview.gsmParts)
                     .arg(preview.ucs2Parts));
    QStringList byParts;
    for (const auto& [parts, rows] : preview.rowsByParts)
        byParts.append(tr("%1 with %2 parts").arg(rows).arg(parts));
    if (!byParts.isEmpty())
        lines.append(tr("Rows by parts: %1").arg(byParts.join(QStringLiteral(", "))));
    for (const ModemShare& modem : preview.modems)
        lines.append(tr("%1: %2 rows, %3 parts")
                         .arg(modem.label.isEmpty() ? tr("Modem") : modem.label)
                         .arg(modem.rows)
                         .arg(modem.parts));
    if (preview.unsentRows > 0)
        lines.append(tr("Left unsent beyond the quotas: %1 rows").arg(preview.unsentRows));
    if (preview.tooLongRows > 0)
        lines.append(tr("Too long for one message: %1 rows").arg(preview.tooLongRows));
    lines.append(tr("Estimated time: %1 (%2 pauses)")
                     .arg(durationText(preview.estimatedMs))
                     .arg(preview.pauses));
    if (pricePerPart > 0)
        lines.append(tr("Estimated cost: %1 (%2 per part)")
                         .arg(QString::number(preview.cost(pricePerPart), 'f', 2))
                         .arg(pricePerPart));
    const LookalikeRows& lookalikes = preview.lookalikes;
    if (!lookalikes.rows.isEmpty()) {
        lines.append(tr("UCS2 because of a few characters: %1 rows (%2): %3")
                         .arg(lookalikes.rows.size())
                         .arg(rowNumbers(lookalikes.rows), namedCharacters(lookalikes.characters)));
        lines.append(
            tr("\"Replace look-alike characters\" saves %1 parts").arg(lookalikes.saved()));
    }
    return lines;
}
