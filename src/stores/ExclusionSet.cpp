#include "stores/ExclusionSet.h"

#include "base/Prompter.h"
#include "stores/DataFolder.h"
#include "stores/NumberKey.h"
#include "stores/RecordFile.h"
#include "stores/StdioFileEx.h"

#include <QCoreApplication>

void ExclusionSet::clear()
{
    m_keys.clear();
    m_entries = 0;
}

void ExclusionSet::add(const QString& number)
{
    m_keys.insert(NumberKey(number));
    ++m_entries;
}

void ExclusionSet::add(const QStringList& numbers)
{
    // Growing the index step by step would rehash it over and over.
    m_keys.reserve(m_keys.size() + numbers.size());
    for (const QString& number : numbers)
        add(number);
}

bool ExclusionSet::IsExcluded(const QString& number) const
{
    return !m_keys.isEmpty() && m_keys.contains(NumberKey(number));
}

namespace {

void addLinesOf(const QString& path, ExclusionSet& set)
{
    QStringList numbers;
    if (RecordFile::ReadLines(path, numbers))
        set.add(numbers);
}

} // namespace

ExclusionSetRead ReadExclusionSet(const DataFolder& folder)
{
    ExclusionSetRead read;
    folder.EnsureDataFolder();
    CStdioFileEx inUse;
    if (!inUse.Open(folder.appExclusionPath(), CStdioFileEx::typeText, &read.error)) {
        read.opened = false;
        return read;
    }
    QString name;
    while (inUse.ReadString(name))
        addLinesOf(folder.exclusionListPath(name), read.set);
    return read;
}

void ApplyExclusionSetRead(ExclusionSet& set, ExclusionSetRead&& read, Prompter& prompter)
{
    if (!read.opened) {
        set.clear();
        prompter.inform(QCoreApplication::translate("ExclusionSet", "Message"),
                        FileErrorText(read.error));
        return;
    }
    set = std::move(read.set);
}

bool LoadExclusionSet(ExclusionSet& set, bool useExclusionRules, const DataFolder& folder,
                      Prompter& prompter)
{
    if (!useExclusionRules)
        return false;
    set.clear();
    ApplyExclusionSetRead(set, ReadExclusionSet(folder), prompter);
    return true;
}
