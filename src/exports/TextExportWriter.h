#pragma once

#include "exports/ExportResult.h"
#include "exports/ExportTable.h"

// The text-file exports, each under its banner framed by lines of 132 equals signs, every line
// ending with "\r\n". The writers read the cells they need from the table's rows; its column
// titles are not written.
namespace TextExport {

// One number per line (column 0), in the program's 8-bit code page.
ExportResult WriteExclusionList(const QString& path, const ExportTable& numbers);

// The templates (column 0) numbered from 1, as UTF-16 text with the byte-order mark.
ExportResult WriteTemplates(const QString& path, const ExportTable& templates);

// Sent items with the columns Number, Message, Date, Status, numbered from 1, under the period
// they were chosen from, as UTF-16 text with the byte-order mark.
ExportResult WriteSentItems(const QString& path, const ExportTable& items, const QString& startDate,
                            const QString& endDate);

// Received messages with the columns Number, Message, Received, Modem, Last sent item,
// numbered from 1, as UTF-16 text with the byte-order mark.
ExportResult WriteInbox(const QString& path, const ExportTable& messages);

} // namespace TextExport
