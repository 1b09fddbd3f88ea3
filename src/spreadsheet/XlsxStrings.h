#pragma once

#include "spreadsheet/Spreadsheet.h"

#include <QString>
#include <QStringView>
#include <utility>
#include <vector>

class XlsxPart;

// Text of a string element (<si> of the shared strings, <is> of an inline string) whose start
// tag was just read: its <t> texts and rich text runs joined, phonetic guides left out, and
// escaped characters (_x000D_) restored. Reads up to the element's end tag.
QString ReadXlsxRichText(XlsxPart& part);

// "_x000D_" and the like stand for characters XML cannot carry; "_x005F_" for "_".
QString DecodeXlsxEscapes(const QString& text);

// The workbook's shared strings, in one buffer.
class XlsxSharedStrings
{
public:
    SpreadsheetError read(XlsxPart& part, const ReadLimits& limits);
    std::size_t size() const { return m_spans.size(); }
    QStringView at(std::size_t index) const
    {
        return QStringView(m_text).mid(m_spans[index].first, m_spans[index].second);
    }

private:
    QString m_text;
    std::vector<std::pair<qsizetype, qsizetype>> m_spans;
};
