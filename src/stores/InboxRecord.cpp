#include "stores/InboxRecord.h"

#include "stores/RecordFields.h"
#include "stores/RecordFile.h"

#include <QStringList>

namespace {

constexpr QChar kBel = RecordFields::Bel;
constexpr QChar kVt = RecordFields::Vt;
constexpr qsizetype kFields = 10;
constexpr int kMaxReference = 0xFFFF;
constexpr int kMaxParts = 255;

QString field(const QString& text)
{
    return RecordFields::clean(text);
}

// A line end inside a text is kept as "\n" alone: a CR could be taken for the record's own.
QString lineEnds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

using RecordFields::numberOf;
using RecordFields::timeOf;
using RecordFields::timeText;

QString codingText(InboxPart::Coding coding)
{
    return coding == InboxPart::Coding::EightBit ? QStringLiteral("8bit") : QStringLiteral("text");
}

} // namespace

QString InboxPart::duplicateKey() const
{
    // The instant, not its text: a time read back from the file may name its zone otherwise.
    return QStringList{port,
                       sender,
                       serviceCentreTime.isValid()
                           ? QString::number(serviceCentreTime.toMSecsSinceEpoch())
                           : QString(),
                       QString::number(reference),
                       QString::number(part),
                       lineEnds(text)}
        .join(kVt);
}

namespace InboxRecord {

QString ToLine(const InboxPart& part)
{
    const QStringList fields = {QStringLiteral("M"),
                                field(part.port),
                                field(part.sender),
                                timeText(part.serviceCentreTime),
                                timeText(part.receivedAt),
                                codingText(part.coding),
                                QString::number(part.reference),
                                QString::number(part.partCount),
                                QString::number(part.part),
                                field(lineEnds(part.text))};
    return RecordFile::ToRecordText(kBel + fields.join(kVt));
}

std::optional<InboxPart> FromLine(QStringView line)
{
    const QString text = RecordFile::FromRecordText(line.toString());
    if (!text.startsWith(kBel))
        return std::nullopt;
    const QStringList f = text.mid(1).split(kVt);
    if (f.size() != kFields || f[0] != u"M")
        return std::nullopt;
    const auto reference = numberOf(f[6], -1, kMaxReference);
    const auto count = numberOf(f[7], 1, kMaxParts);
    const auto part = numberOf(f[8], 1, kMaxParts);
    if (!reference || !count || !part || *part > *count || (f[5] != u"text" && f[5] != u"8bit"))
        return std::nullopt;
    InboxPart result;
    result.port = f[1];
    result.sender = f[2];
    result.serviceCentreTime = timeOf(f[3]);
    result.receivedAt = timeOf(f[4]);
    result.coding = f[5] == u"8bit" ? InboxPart::Coding::EightBit : InboxPart::Coding::Text;
    result.reference = *reference;
    result.partCount = *count;
    result.part = *part;
    result.text = f[9];
    return result;
}

} // namespace InboxRecord
