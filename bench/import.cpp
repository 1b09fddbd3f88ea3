// The wizard's "Import Numbers and their respective messages" over a 50,000-row two-column
// sheet, with "Skip Duplicate Numbers" and "Use Exclusion Rules" on: open the workbook, read the
// sheet, check every number and put the rows at the top of the list. Wall and CPU time are both
// reported, since the machine may be shared.

#include "exports/BiffWriter.h"
#include "exports/XlsxExportWriter.h"
#include "recipients/DynamicExcelWizard.h"
#include "recipients/RecipientList.h"
#include "stores/ExclusionSet.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 50'000;

QString writeSheet(const QString& name)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    ExportTable table;
    table.columns = {QStringLiteral("Number"), QStringLiteral("Message")};
    table.rowCount = Rows - 1;
    table.row = [](qsizetype i) {
        return QStringList{QString::number(447700900000LL + i),
                           QStringLiteral("Dear customer %1, your order is ready.").arg(i % 1000)};
    };
    if (name.endsWith(QLatin1String(".xlsx")))
        WriteXlsx(path, table);
    else
        WriteXls(path, table);
    return path;
}

// The wizard tells nothing on a good import; anything it says is a failure here.
class FailingPrompter : public Prompter
{
public:
    explicit FailingPrompter(benchmark::State& state) : m_state(state) {}
    void inform(const QString&, const QString& text, Icon) override
    {
        m_state.SkipWithError(text.toStdString().c_str());
    }
    bool confirm(const QString&, const QString&, Icon) override { return false; }
    Answer askYesNoCancel(const QString&, const QString&, Icon) override { return Answer::Cancel; }

private:
    benchmark::State& m_state;
};

// The whole wizard path: browse (open the workbook), choose the sheet (read its cells and
// header), then the reading with the progress kept up to date.
void importSheet(benchmark::State& state, const QString& path)
{
    ExclusionSet exclusions;
    for (int i = 0; i < 1000; ++i)
        exclusions.add(QString::number(447700900000LL + 7 * i));
    const NumberCheckOptions options{true, true, &exclusions};
    FailingPrompter prompter(state);
    const ProgressRunner inThisThread = [](const std::function<void()>& work,
                                           const ImportProgress&) { work(); };
    for (auto _ : state) {
        RecipientList list;
        DynamicExcelWizard wizard(list, prompter, CLoad_File_Msg::Choice::Append);
        wizard.browse(path);
        wizard.chooseSheet(0);
        benchmark::DoNotOptimize(wizard.ImportNumbersAndMessages(0, 1, options, inThisThread));
    }
    state.SetItemsProcessed(state.iterations() * Rows);
}

void BM_ImportNumbersAndMessagesXlsx(benchmark::State& state)
{
    importSheet(state, writeSheet(QStringLiteral("import.xlsx")));
}
BENCHMARK(BM_ImportNumbersAndMessagesXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportNumbersAndMessagesXls(benchmark::State& state)
{
    importSheet(state, writeSheet(QStringLiteral("import.xls")));
}
BENCHMARK(BM_ImportNumbersAndMessagesXls)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
