#pragma once

#include "exports/ExportResult.h"
#include "exports/ExportTable.h"

// The HTML exports, written as UTF-16 little-endian text with the byte-order mark. Every text
// from the lists is escaped, so a message is shown as written and never becomes markup.
namespace HtmlExport {

// &, <, > and " as character references.
QString EscapedText(QStringView text);
// A message: escaped, then each line feed as "<br>" and each space as "&nbsp;".
QString MessageText(QStringView text);

// The templates (column 0), numbered from 1.
ExportResult WriteTemplates(const QString& path, const ExportTable& templates);

// Sent items with the columns Number, Message, Date, Status, numbered from 1, under the period
// they were chosen from.
ExportResult WriteSentItems(const QString& path, const ExportTable& items, const QString& startDate,
                            const QString& endDate);

// Received messages with the columns Number, Message, Received, Modem, Last sent item,
// numbered from 1.
ExportResult WriteInbox(const QString& path, const ExportTable& messages);

} // namespace HtmlExport
