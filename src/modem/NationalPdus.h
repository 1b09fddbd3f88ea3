#pragma once

#include "modem/NationalLanguageTables.h"
#include "modem/PduEncoder.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// Messages in the GSM 7-bit alphabet with national language tables, named by shift elements in
// the user-data header, for texts the default alphabet cannot carry. The header and the fill
// bits after it take septets from every part, so a part holds fewer characters.

struct NationalPlan
{
    ShiftTables tables;
    bool concatenated = false;
    int parts = 1;
    qsizetype septets = 0; // of the text, escapes counted
};

// Septets of text a part holds after its header: one message, or a part of a long one.
int nationalPartSeptets(ShiftTables tables, bool concatenated);

// The tables that carry the whole prepared text in the fewest parts to number, when that is
// fewer parts than UCS2 takes; nullopt otherwise, and for a text the default alphabet carries.
std::optional<NationalPlan> planNationalMessage(QStringView prepared, QStringView number);

// The PDUs of a planned message, parts carrying reference.
std::vector<EncodedPdu> encodeNationalPdus(QStringView prepared, const QString& number,
                                           const QString& smsc, quint16 reference,
                                           PduOptions options, const NationalPlan& plan);
