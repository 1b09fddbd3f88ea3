#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

// One received SMS (one part of a long message) as the inbox store keeps it.
struct InboxPart
{
    enum class Coding
    {
        Text,     // GSM 7-bit or UCS2: the text as sent
        EightBit, // binary data: the text is its octets in hex
    };

    QString port;                // the modem it came through, "COM3"
    QString sender;              // "+" before an international number; a sender name as given
    QDateTime serviceCentreTime; // the network's time stamp; invalid when unreadable
    QDateTime receivedAt;        // when the program took it from the modem
    Coding coding = Coding::Text;
    int reference = -1; // the concatenation reference; -1 for a message in one part
    int partCount = 1;
    int part = 1;
    QString text;

    bool operator==(const InboxPart&) const = default;

    // What a second copy of the same part has in common with the first: a part read again
    // after a failure between storing and deleting it gives the same key.
    QString duplicateKey() const;
};

namespace InboxRecord {

// The line of a part without its line end, as in the delivery-report store: BEL, "M", then
// each field after a VT: port, sender, service-centre time, received time (ISO 8601 with
// their offset, empty when unknown), coding ("text" or "8bit"), reference, part count, part,
// text; every "\n" as the newline token.
QString ToLine(const InboxPart& part);

// One line back; nullopt for a line that is not a whole record.
std::optional<InboxPart> FromLine(QStringView line);

} // namespace InboxRecord
