#pragma once

#include "base/FileError.h"

#include <QSet>
#include <QString>
#include <QStringList>

class DataFolder;
class Prompter;

// The numbers of every exclusion list in use. A number is excluded when some entry equals it as
// a whole text, letter case ignored; nothing else is normalised ("+4477" and "4477" differ).
// Copies are cheap snapshots (the index is shared until one side changes), so a sending run
// can keep its own while the main window's set is reloaded.
class ExclusionSet
{
public:
    void clear();
    void add(const QString& number);
    void add(const QStringList& numbers);
    bool IsExcluded(const QString& number) const;

    // Entries as read, duplicates included.
    qsizetype size() const { return m_entries; }
    bool isEmpty() const { return m_entries == 0; }

private:
    QSet<QString> m_keys;
    qsizetype m_entries = 0;
};

// What reading the stores gave: the set, and whether the in-use file could be opened.
struct ExclusionSetRead
{
    ExclusionSet set;
    bool opened = true;
    FileError error;
};

// Reads the numbers of every list named in the in-use file, in file order. A list whose file
// is missing contributes nothing. Never asks or tells anything, so it may run off the UI thread.
ExclusionSetRead ReadExclusionSet(const DataFolder& folder);

// Puts a finished read in place; a failed open of the in-use file is reported with its
// FileErrorText and leaves the set empty.
void ApplyExclusionSetRead(ExclusionSet& set, ExclusionSetRead&& read, Prompter& prompter);

// Reloads the set when "Use Exclusion Rules" is ticked and does nothing otherwise. To be called
// when the option is ticked, at every Send while it is ticked, and after the exclusion wizard
// saves a list, saves the in-use lists or deletes lists. True when it loaded.
bool LoadExclusionSet(ExclusionSet& set, bool useExclusionRules, const DataFolder& folder,
                      Prompter& prompter);
