// A text file of numbers as "Load Contacts From File" reads it.

#include "FuzzSupport.h"
#include "recipients/RecipientBatch.h"
#include "recipients/RecipientList.h"
#include "recipients/TextNumberImport.h"
#include "stores/ExclusionSet.h"

#include <QSet>

namespace {

std::vector<RecipientRow> readInPieces(const QByteArray& bytes, std::size_t piece,
                                       const RecipientList& list, const NumberCheckOptions& options)
{
    RecipientBatch batch(list);
    TextNumberTokens tokens(batch, QStringLiteral("hello"), options);
    for (qsizetype at = 0; at < bytes.size(); at += qsizetype(piece))
        tokens.feed(
            QByteArrayView(bytes).sliced(at, std::min(qsizetype(piece), bytes.size() - at)));
    tokens.finish();
    return batch.takeRows();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = writeFuzzFile("numbers.txt", data, size);
    ExclusionSet excluded;
    excluded.add(QStringList{"0700", "+447700900123"});
    NumberCheckOptions options;
    options.skipDuplicateNumbers = true;
    options.useExclusionRules = true;
    options.exclusionSet = &excluded;

    RecipientList list;
    RecipientBatch batch(list);
    if (CheckTextFile(path))
        return 0;
    require(ReadTextNumbers(path, batch, QStringLiteral("hello"), options), "a file is read");
    const std::vector<RecipientRow> rows = batch.takeRows();

    QSet<QString> seen;
    for (const RecipientRow& row : rows) {
        require(!IsInvalidNumber(row.Number), "every number imported is valid");
        require(!excluded.IsExcluded(row.Number), "no excluded number is imported");
        require(!seen.contains(row.Number), "no number is imported twice");
        require(row.Message == u"hello", "every row has the composer text");
        seen.insert(row.Number);
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    require(readInPieces(bytes, 1 + size % 7, list, options) == rows,
            "reading in pieces gives the same rows");
    return 0;
}
