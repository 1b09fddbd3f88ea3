#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class Prompter;
class RecipientList;

// The rows whose messages hold characters the GSM alphabet cannot carry, found before a send
// with the Unicode option off: such a row cannot go on air as written.
struct NonGsmRows
{
    QList<int> rows;
    QStringList characters; // distinct, in order of first appearance
    int unknown = 0;        // characters with nothing near in the alphabet: "?" when replaced
    int gsmParts = 0;       // SMS parts of these rows with the characters replaced
    int unicodeParts = 0;   // and sent as Unicode

    bool isEmpty() const { return rows.isEmpty(); }
};

// With nationalLanguages the Unicode count is that of PDU mode with the national language
// tables where they save parts.
NonGsmRows findNonGsmRows(const RecipientList& list, bool nationalLanguages = false);

// What the user does about such rows.
enum class NonGsmChoice
{
    SendAsUnicode,
    Replace, // the nearest GSM letters, "?" where nothing is near
    Back     // to the list: nothing sent, nothing changed
};

// Asks once, naming the rows and a few of the characters.
NonGsmChoice askAboutNonGsmRows(Prompter& prompter, const NonGsmRows& found);

// Replaces the characters in the rows' messages by their nearest GSM letters.
void replaceNonGsmCharacters(RecipientList& list, const QList<int>& rows);

// "4 rows (1, 3, 7, 9) hold characters the GSM alphabet cannot carry: í ł “": the rows from 1,
// at most a few of each.
QString describeNonGsmRows(const NonGsmRows& found);
