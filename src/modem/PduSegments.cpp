#include "modem/PduSegments.h"

#include "modem/GsmAlphabet.h"
#include "modem/PduHex.h"
#include "modem/SeptetPacking.h"

#include <algorithm>

std::vector<PduSegment> splitGsmSegments(const QString& text)
{
    std::vector<PduSegment> segments;
    HexBuilder data((GsmSeptetsPerPart * 7 / 8 + 1) * 2);
    SeptetPacker packer(data);
    int septets = 0;
    auto closeSegment = [&] {
        packer.finish();
        segments.push_back({data.take(), septets});
        septets = 0;
    };
    for (const QChar c : text) {
        const GsmCode code = GsmCodeOf(c);
        const int width = code.escape ? 2 : 1;
        if (gsmPartFull(septets, width))
            closeSegment();
        if (code.escape)
            packer.push(GsmEscape);
        packer.push(code.code);
        septets += width;
    }
    if (septets > 0)
        closeSegment();
    return segments;
}

qsizetype ucs2PartUnits(QStringView text, qsizetype start)
{
    qsizetype units = std::min<qsizetype>(Ucs2UnitsPerPart, text.size() - start);
    const qsizetype end = start + units;
    if (end < text.size() && text[end - 1].isHighSurrogate() && text[end].isLowSurrogate())
        --units;
    return units;
}

std::vector<PduSegment> splitUcs2Segments(const QString& text)
{
    std::vector<PduSegment> segments;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype units = ucs2PartUnits(text, start);
        HexBuilder data(units * 4);
        for (qsizetype i = start; i < start + units; ++i)
            data.codeUnit(text[i].unicode());
        segments.push_back({data.take(), static_cast<int>(units)});
        start += units;
    }
    return segments;
}
