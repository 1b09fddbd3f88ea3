#include "stores/PreviewChoiceStore.h"

#include "stores/DataFolder.h"
#include "stores/RecordFile.h"

#include <QStringList>
#include <cmath>

namespace {

const QString PriceName = QStringLiteral("PricePerPart");
const QString ShowName = QStringLiteral("ShowOnSend");

} // namespace

PreviewChoiceStore::PreviewChoiceStore(const DataFolder& folder) : m_folder(folder) {}

QString PreviewChoiceStore::path() const
{
    return m_folder.folder() + QStringLiteral("/CampaignPreview.korv");
}

PreviewChoices PreviewChoiceStore::load() const
{
    PreviewChoices choices;
    QStringList lines;
    if (!RecordFile::ReadLines(path(), lines))
        return choices;
    for (const QString& line : lines) {
        const qsizetype separator = line.indexOf(u';');
        if (separator < 0)
            continue;
        const QString name = line.left(separator);
        const QString value = line.mid(separator + 1).trimmed();
        if (name == PriceName) {
            bool ok = false;
            const double price = value.toDouble(&ok);
            if (ok && std::isfinite(price) && price >= 0)
                choices.pricePerPart = price;
        } else if (name == ShowName) {
            choices.showOnSend = value != u"N";
        }
    }
    return choices;
}

bool PreviewChoiceStore::save(const PreviewChoices& choices, FileError* error) const
{
    m_folder.EnsureDataFolder();
    const QStringList records = {
        PriceName + u';' + QString::number(choices.pricePerPart, 'g', 15),
        ShowName + u';' + (choices.showOnSend ? u'Y' : u'N'),
    };
    return RecordFile::Rewrite(path(), records, RecordFile::LineEnd::CRLF, error);
}
