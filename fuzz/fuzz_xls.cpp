// A workbook from the user's disk, seeded with .xls files.

#include "SpreadsheetHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return spreadsheetfuzz::fuzzWorkbook("book.xls", data, size);
}
