// The sent-items log and the templates file as a hand edit or a crash may leave them.

#include "FuzzSupport.h"
#include "spreadsheet/CodePage.h"
#include "stores/DataFolder.h"
#include "stores/SentItemStore.h"
#include "stores/TemplateStore.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DataFolder folder(fuzzFolder().path());
    folder.EnsureDataFolder();
    writeFuzzFile(folder.sentItemPath(), data, size);
    writeFuzzFile(folder.templatesPath(), data, size);

    const SentItemStore sentItems(folder);
    std::vector<SentItem> records;
    require(sentItems.Load(records), "the sent items load");
    for (const SentItem& record : records)
        require(!record.number.isEmpty(), "every record has a number");

    TemplateStore templates(folder);
    QStringList loaded;
    require(templates.LoadTemplates(loaded), "the templates load");
    require(QSet<QString>(loaded.cbegin(), loaded.cend()).size() == loaded.size(),
            "each template once");
    const QString probe = loaded.isEmpty() ? QStringLiteral("x") : loaded.first();
    templates.TemplateStored(probe, CodePage::Windows1252);
    templates.TemplateStored(probe, CodePage::Utf8);
    return 0;
}
