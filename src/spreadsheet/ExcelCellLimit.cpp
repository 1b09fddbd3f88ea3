#include "spreadsheet/ExcelCellLimit.h"

QStringView ExcelCellText(QStringView text, qsizetype& cutCells)
{
    if (text.size() <= ExcelCellMaxChars)
        return text;
    ++cutCells;
    qsizetype keep = ExcelCellMaxChars;
    if (text[keep - 1].isHighSurrogate())
        --keep;
    return text.first(keep);
}
