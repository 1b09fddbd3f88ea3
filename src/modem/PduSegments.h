#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// The user data of a long message cut into the parts of a concatenated SMS. Every part starts
// right after a 7-octet concatenation header, which is exactly eight septets, so GSM data is
// packed per part with no fill bits.

constexpr int GsmSeptetsPerPart = 152;
constexpr int Ucs2UnitsPerPart = 66;

struct PduSegment
{
    QString userData; // hex digits
    int units = 0;    // septets (GSM) or UTF-16 code units (UCS2)
};

// The cutting rules, shared with the counting of parts (MessageCount.h) so that a count and
// the parts on the air cannot differ.

// Whether a character of width septets (2 for an escape pair) opens a new part after a part
// already holding septets.
constexpr bool gsmPartFull(int septets, int width)
{
    return septets + width > GsmSeptetsPerPart;
}

// The UTF-16 code units of the UCS2 part that starts at start.
qsizetype ucs2PartUnits(QStringView text, qsizetype start);

// Parts of at most 152 septets. A character's escape pair never straddles two parts: a
// receiver decodes each part on its own and would show the pair's halves as a space and the
// wrong character.
std::vector<PduSegment> splitGsmSegments(const QString& text);

// Parts of at most 66 code units, keeping each surrogate pair in one part for the same reason.
std::vector<PduSegment> splitUcs2Segments(const QString& text);
