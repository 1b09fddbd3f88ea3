#include "spreadsheet/XlsxStrings.h"

#include "spreadsheet/XlsxPart.h"

namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The character of "_xHHHH_" at position i, or -1.
int escapeAt(const QString& text, qsizetype i)
{
    if (i + 7 > text.size() || text[i] != u'_' || text[i + 1] != u'x' || text[i + 6] != u'_')
        return -1;
    int value = 0;
    for (qsizetype k = i + 2; k < i + 6; ++k) {
        const int digit = hexValue(text[k]);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

QString DecodeXlsxEscapes(const QString& text)
{
    if (!text.contains(QStringLiteral("_x")))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int value = escapeAt(text, i);
        if (value >= 0) {
            out.append(QChar(char16_t(value)));
            i += 6;
        } else {
            out.append(text[i]);
        }
    }
    return out;
}

QString ReadXlsxRichText(XlsxPart& part)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !part.atEnd()) {
        switch (part.next()) {
        case QXmlStreamReader::StartElement: {
            const QStringView name = part.xml().name();
            if (name == u"t")
                text += part.elementText();
            else if (name == u"rPh" || name == u"phoneticPr")
                part.xml().skipCurrentElement();
            else
                ++depth;
            break;
        }
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return DecodeXlsxEscapes(text);
}

SpreadsheetError XlsxSharedStrings::read(XlsxPart& part, const ReadLimits& limits)
{
    while (!part.atEnd()) {
        if (part.next() != QXmlStreamReader::StartElement || part.xml().name() != u"si")
            continue;
        const QString text = ReadXlsxRichText(part);
        if (m_text.size() + text.size() > limits.maxTextChars)
            return {SpreadsheetErrorCode::TooLarge,
                    QStringLiteral("Shared strings beyond %1 characters").arg(limits.maxTextChars)};
        m_spans.emplace_back(m_text.size(), text.size());
        m_text.append(text);
    }
    return part.finish();
}
