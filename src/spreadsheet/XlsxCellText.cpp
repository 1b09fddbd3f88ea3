#include "spreadsheet/XlsxCellText.h"

#include "spreadsheet/ExcelCellLimit.h"

#include <QString>

namespace {

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool looksLikeEscape(QStringView text, qsizetype at)
{
    if (text[at] != u'_' || at + 7 > text.size() || text[at + 1] != u'x' || text[at + 6] != u'_')
        return false;
    for (qsizetype i = at + 2; i < at + 6; ++i) {
        if (!isHexDigit(text[i]))
            return false;
    }
    return true;
}

bool mustEscape(QStringView text, qsizetype at)
{
    const char16_t c = text[at].unicode();
    if (c == 0 || c == 0xFFFE || c == 0xFFFF)
        return true;
    if (QChar::isHighSurrogate(c))
        return at + 1 >= text.size() || !text[at + 1].isLowSurrogate();
    if (QChar::isLowSurrogate(c))
        return at == 0 || !text[at - 1].isHighSurrogate();
    return false;
}

bool needsRewrite(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (looksLikeEscape(text, i) || mustEscape(text, i))
            return true;
    }
    return false;
}

QString escapeOf(char16_t unit)
{
    return QStringLiteral("_x") + QString::number(unit, 16).toUpper().rightJustified(4, u'0') +
           u'_';
}

} // namespace

QByteArray XlsxCellText(QStringView text, qsizetype& cutCells)
{
    const QStringView cell = ExcelCellText(text, cutCells);
    if (!needsRewrite(cell))
        return cell.toUtf8();
    QString out;
    out.reserve(cell.size() + 32);
    qsizetype codePoints = 0;
    qsizetype i = 0;
    for (; i < cell.size(); ++i) {
        QString piece;
        if (looksLikeEscape(cell, i))
            piece = QStringLiteral("_x005F_");
        else if (mustEscape(cell, i))
            piece = escapeOf(cell[i].unicode());
        else if (cell[i].isHighSurrogate())
            piece = cell.mid(i, 2).toString();
        else
            piece = cell[i];
        const qsizetype pieceCodePoints =
            piece.size() == 2 && piece[0].isHighSurrogate() ? 1 : piece.size();
        if (codePoints + pieceCodePoints > XlsxCellMaxCodePoints)
            break;
        codePoints += pieceCodePoints;
        out += piece;
        if (piece.size() == 2 && piece[0].isHighSurrogate())
            ++i;
    }
    if (i < cell.size() && cell.size() == text.size())
        ++cutCells;
    return out.toUtf8();
}
