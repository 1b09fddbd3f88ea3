#include "sending/InboxReading.h"

#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/InboxCommands.h"
#include "modem/ModemCommands.h"
#include "sending/DirectMessages.h"
#include "stores/InboxStore.h"

namespace {

constexpr std::uint32_t ReadingTimeoutMs = 5000;
// A full storage frees one place per deletion; more rounds than this would mean a modem that
// keeps listing what it was told to delete.
constexpr int MaxListingRounds = 20;

bool choosePduMode(ModemChannel& channel, int messageMode)
{
    if (messageMode == 2)
        return !SelectTextMode(channel);
    if (SelectPduMode(channel))
        return true;
    return !SelectTextMode(channel);
}

// Selects UCS2 for a text-mode reading, so every sender and text comes back whole; the
// modem's own set again when it ends.
class Ucs2Reading
{
public:
    Ucs2Reading(ModemChannel& channel, bool pduMode) : m_channel(channel)
    {
        if (pduMode)
            return;
        m_previous = charsetOfReply(QueryCharsetStream(channel));
        m_switched =
            m_previous != QLatin1String("UCS2") && selectCharset(channel, QStringLiteral("UCS2"));
        m_charset = m_switched ? QStringLiteral("UCS2") : m_previous;
    }
    ~Ucs2Reading()
    {
        if (!m_switched || m_previous.isEmpty())
            return;
        try {
            (void)selectCharset(m_channel, m_previous);
        } catch (const CSMSException&) {
            // The channel broke; the reading reports it.
        }
    }
    Ucs2Reading(const Ucs2Reading&) = delete;
    Ucs2Reading& operator=(const Ucs2Reading&) = delete;

    const QString& charset() const { return m_charset; }

private:
    ModemChannel& m_channel;
    QString m_previous;
    QString m_charset;
    bool m_switched = false;
};

} // namespace

InboxPart inboxPartOf(const DeliverMessage& message, const QString& port,
                      const QDateTime& receivedAt)
{
    InboxPart part;
    part.port = port;
    part.sender = message.sender.text;
    part.serviceCentreTime = message.serviceCentreTime;
    part.receivedAt = receivedAt;
    part.coding = message.coding == MessageCoding::EightBit ? InboxPart::Coding::EightBit
                                                            : InboxPart::Coding::Text;
    if (message.concatenation && message.concatenation->count > 1) {
        part.reference = message.concatenation->reference;
        part.partCount = message.concatenation->count;
        part.part = message.concatenation->sequence;
    }
    part.text = message.text;
    return part;
}

InboxReading ReadInbox(ModemChannel& channel, bool pduMode, const QString& port, InboxStore& store,
                       bool deleteAfterStoring, const AfterStoring& afterStoring)
{
    InboxReading reading;
    const Ucs2Reading charset(channel, pduMode);
    for (int round = 0; round < MaxListingRounds; ++round) {
        const std::optional<StorageListing> listing =
            listReceivedMessages(channel, pduMode, charset.charset());
        if (!listing) {
            reading.error = QStringLiteral("the modem did not list its messages");
            break;
        }
        // Each listing shows all the modem still holds: the last one says what is left.
        int left = static_cast<int>(listing->list.unreadable.size());
        const QDateTime now = QDateTime::currentDateTime();
        int deleted = 0;
        for (const StoredMessage& stored : listing->list.messages) {
            const InboxPart part = inboxPartOf(stored.message, port, now);
            const InboxStore::AddResult added = store.Add(part);
            if (added == InboxStore::AddResult::Failed) {
                ++left;
                continue;
            }
            if (added == InboxStore::AddResult::Added) {
                ++reading.stored;
                reading.added.push_back(part);
            } else {
                ++reading.duplicates;
            }
            // A copy kept before counts as well: what it asked for may not have been done.
            if (afterStoring)
                afterStoring(part);
            // Stored first, deleted after: a failure in between gives it twice, never loses it.
            if (deleteAfterStoring && deleteStoredMessage(channel, stored.index))
                ++deleted;
            else
                ++left;
        }
        reading.left = left;
        const bool wasFull = listing->use && listing->use->full();
        if (!deleteAfterStoring || deleted == 0 || !wasFull)
            break;
    }
    return reading;
}

std::vector<InboxReading> ReadInboxFromModems(const std::vector<InboxSource>& sources,
                                              const PortMap& ports, const Clock& clock,
                                              InboxStore& store, bool deleteAfterStoring)
{
    std::vector<InboxReading> readings;
    readings.reserve(sources.size());
    for (const InboxSource& source : sources) {
        CSMSSerialPort channel(ports, clock);
        InboxReading reading;
        try {
            channel.Open(source.port, ReadingTimeoutMs);
            (void)sendCommand(channel, "AT\r");
            (void)sendCommand(channel, "ATE0\r");
            const bool pduMode = choosePduMode(channel, source.messageMode);
            const QString port = QStringLiteral("COM%1").arg(source.port);
            const bool acknowledge = directMessagesNeedAcknowledgement(channel);
            reading = ReadInbox(channel, pduMode, port, store, deleteAfterStoring);
            // Messages the modem handed over meanwhile instead of storing them.
            const DirectMessagesTaken direct =
                TakeDirectMessages(channel, channel.takeUnsolicited(), port, store, acknowledge);
            reading.stored += direct.stored;
            reading.duplicates += direct.duplicates;
            reading.added.insert(reading.added.end(), direct.added.begin(), direct.added.end());
        } catch (const CSMSException& error) {
            reading.error = GetModemErrorText(error);
        }
        reading.port = source.port;
        channel.Close();
        readings.push_back(std::move(reading));
    }
    return readings;
}
