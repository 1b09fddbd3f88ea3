// Reading spreadsheets as the imports do: open, read one sheet into a table, take every cell's
// text. Peak memory is the process's, so run one benchmark at a time to see its own figure,
// e.g. --benchmark_filter=MillionCells.

#include "spreadsheet/SpreadsheetReader.h"
#include "support/XlsFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <zip.h>

namespace {

constexpr int ImportRows = 50'000;

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString message(int i)
{
    return QStringLiteral("Dear customer %1, your order is ready for collection.").arg(i % 1000);
}

double phone(int i)
{
    return 447700900000.0 + i;
}

QByteArray columnName(int column)
{
    QByteArray name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(char('A' + (column - 1) % 26));
    return name;
}

// libzip reads the data at zip_close(): a copy is kept alive until then.
void writeEntry(zip_t* zip, const char* name, const QByteArray& data)
{
    char* copy = static_cast<char*>(std::malloc(size_t(data.size())));
    std::memcpy(copy, data.constData(), size_t(data.size()));
    zip_file_add(zip, name, zip_source_buffer(zip, copy, zip_uint64_t(data.size()), 1), 0);
}

// An xlsx of `rows` rows, alternating number and shared-string columns, written as it goes so
// that making it does not weigh on the reader's memory figure.
QString writeXlsx(const QString& name, int rows, int columns)
{
    const QString path = folder().filePath(name);
    if (QFile::exists(path))
        return path;
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const QByteArray main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    writeEntry(zip, "_rels/.rels",
               "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
               "relationships\"><Relationship Id=\"r1\" Type=\"" +
                   rel + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
    writeEntry(zip, "xl/workbook.xml",
               "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel +
                   "\"><sheets><sheet name=\"Data\" sheetId=\"1\" r:id=\"s1\"/></sheets>"
                   "</workbook>");
    writeEntry(zip, "xl/_rels/workbook.xml.rels",
               "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
               "relationships\"><Relationship Id=\"s1\" Type=\"" +
                   rel +
                   "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"t\" "
                   "Type=\"" +
                   rel + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>");
    QByteArray strings = "<sst xmlns=\"" + main + "\">";
    for (int i = 0; i < 1000; ++i)
        strings += "<si><t>" + message(i).toUtf8() + "</t></si>";
    writeEntry(zip, "xl/sharedStrings.xml", strings + "</sst>");

    // The sheet goes through a file of its own, which libzip packs at zip_close().
    const QString sheetPath = path + QStringLiteral(".sheet");
    QFile sheet(sheetPath);
    sheet.open(QIODevice::WriteOnly);
    sheet.write("<worksheet xmlns=\"" + main + "\"><sheetData>");
    QByteArray chunk;
    for (int r = 1; r <= rows; ++r) {
        const QByteArray row = QByteArray::number(r);
        chunk += "<row r=\"" + row + "\">";
        for (int c = 1; c <= columns; ++c) {
            const QByteArray ref = columnName(c) + row;
            if (c % 2)
                chunk += "<c r=\"" + ref + "\"><v>" +
                         QByteArray::number(phone(r * columns + c), 'f', 0) + "</v></c>";
            else
                chunk +=
                    "<c r=\"" + ref + "\" t=\"s\"><v>" + QByteArray::number(r % 1000) + "</v></c>";
        }
        chunk += "</row>";
        if (chunk.size() > (1 << 20)) {
            sheet.write(chunk);
            chunk.clear();
        }
    }
    sheet.write(chunk + "</sheetData></worksheet>");
    sheet.close();
    zip_file_add(zip, "xl/worksheets/sheet1.xml",
                 zip_source_file(zip, QFile::encodeName(sheetPath).constData(), 0, -1), 0);
    zip_close(zip);
    QFile::remove(sheetPath);
    return path;
}

QString writeXls(int rows)
{
    const QString path = folder().filePath(QStringLiteral("import.xls"));
    if (QFile::exists(path))
        return path;
    xlsfixture::Book book;
    xlsfixture::Sheet sheet{QStringLiteral("Data"), {}, std::nullopt};
    for (int r = 0; r < rows; ++r) {
        sheet.cells.push_back(xlsfixture::number(r, 0, phone(r)));
        sheet.cells.push_back(xlsfixture::text(r, 1, message(r)));
    }
    book.sheets.push_back(std::move(sheet));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(xlsfixture::xls(book));
    return path;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Open, read the first sheet, take every cell's text: what an import does.
void readEverything(benchmark::State& state, const QString& path)
{
    for (auto _ : state) {
        SpreadsheetReader reader;
        if (!reader.open(path).ok()) {
            state.SkipWithError("cannot open");
            return;
        }
        const SheetTable* sheet = reader.sheet(0);
        if (!sheet) {
            state.SkipWithError("cannot read the sheet");
            return;
        }
        qsizetype characters = 0;
        for (int r = 1; r <= sheet->rowCount(); ++r)
            for (int c = 1; c <= sheet->columnCount(); ++c)
                characters += sheet->cellView(r, c).size();
        benchmark::DoNotOptimize(characters);
        state.counters["cells"] = double(sheet->cellCount());
    }
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_Xlsx50kRowsTwoColumns(benchmark::State& state)
{
    readEverything(state, writeXlsx(QStringLiteral("import.xlsx"), ImportRows, 2));
}
BENCHMARK(BM_Xlsx50kRowsTwoColumns)->Unit(benchmark::kMillisecond);

void BM_Xls50kRowsTwoColumns(benchmark::State& state)
{
    readEverything(state, writeXls(ImportRows));
}
BENCHMARK(BM_Xls50kRowsTwoColumns)->Unit(benchmark::kMillisecond);

void BM_XlsxMillionCells(benchmark::State& state)
{
    readEverything(state, writeXlsx(QStringLiteral("million.xlsx"), 100'000, 10));
}
BENCHMARK(BM_XlsxMillionCells)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same sheet streamed without keeping it: the reader's own memory.
class CountingSink final : public CellSink
{
public:
    bool cell(std::uint32_t, std::uint32_t, const CellValue& value) override
    {
        characters += value.text.size();
        ++cells;
        return true;
    }
    qsizetype characters = 0;
    qsizetype cells = 0;
};

void BM_XlsxMillionCellsStreamed(benchmark::State& state)
{
    const QString path = writeXlsx(QStringLiteral("million.xlsx"), 100'000, 10);
    for (auto _ : state) {
        SpreadsheetReader reader;
        CountingSink sink;
        if (!reader.open(path).ok() || !reader.readCells(0, sink).ok()) {
            state.SkipWithError("cannot read the sheet");
            return;
        }
        state.counters["cells"] = double(sink.cells);
    }
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_XlsxMillionCellsStreamed)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
