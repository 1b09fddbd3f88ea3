#include "stores/ExclusionWizard.h"

#include "base/Prompter.h"
#include "stores/DataFolder.h"
#include "stores/ExclusionNumberFile.h"
#include "stores/NumberKey.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {

// Valid positions only, in ascending order, each once.
std::vector<int> sortedRows(std::vector<int> rows, qsizetype count)
{
    std::erase_if(rows, [count](int row) { return row < 0 || row >= count; });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool containsName(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

} // namespace

ExclusionWizard::ExclusionWizard(const DataFolder& folder, Prompter& prompter,
                                 ExclusionWizardServices services)
    : m_folder(folder), m_prompter(prompter), m_services(std::move(services)), m_store(folder)
{}

void ExclusionWizard::start()
{
    m_folder.EnsureDataFolder();
    FileError error;
    if (!m_store.readIndex(m_available, &error))
        fileFailed(error);
    if (!m_store.readInUse(m_inUse, &error))
        fileFailed(error);
}

QString ExclusionWizard::totalNumbersText() const
{
    return tr("Total Numbers : %1").arg(m_numbers.size());
}

void ExclusionWizard::inform(const QString& text)
{
    m_prompter.inform(tr("Message"), text, Prompter::Icon::Information);
}

std::vector<int> ExclusionWizard::chosenRows(const QStringList& list,
                                             const std::vector<int>& selected,
                                             const QString& emptyText, const QString& noneText)
{
    if (list.isEmpty()) {
        inform(emptyText);
        return {};
    }
    std::vector<int> rows = sortedRows(selected, list.size());
    if (rows.empty())
        inform(noneText);
    return rows;
}

bool ExclusionWizard::confirm(const QString& text)
{
    return m_prompter.confirm(tr("Confirm"), text, Prompter::Icon::Question);
}

void ExclusionWizard::fileFailed(const FileError& error)
{
    inform(FileErrorText(error));
}

void ExclusionWizard::reload()
{
    if (m_services.reloadExclusionSet)
        m_services.reloadExclusionSet();
}

// --- First page -------------------------------------------------------------------------------

void ExclusionWizard::addToInUse(const std::vector<int>& selectedAvailable)
{
    const std::vector<int> rows =
        chosenRows(m_available, selectedAvailable, tr("Available list is empty."),
                   tr("Please select a record from the available list "
                      "to continue."));
    if (rows.empty())
        return;
    QStringList added;
    for (const int row : rows) {
        const QString& name = m_available[row];
        if (!containsName(m_inUse, name) && !containsName(added, name))
            added.append(name);
    }
    if (added.isEmpty())
        return inform(tr("Selected list is already in use."));
    m_inUse.append(added);
    m_inUseChanged = true;
}

void ExclusionWizard::addAllToInUse()
{
    if (m_available.isEmpty())
        return inform(tr("Available list is empty."));
    std::vector<int> all(size_t(m_available.size()));
    for (int row = 0; row < int(all.size()); ++row)
        all[size_t(row)] = row;
    if (std::all_of(m_available.begin(), m_available.end(),
                    [this](const QString& name) { return containsName(m_inUse, name); }))
        return inform(tr("All available lists are already in use."));
    addToInUse(all);
}

void ExclusionWizard::removeFromInUse(const std::vector<int>& selectedInUse)
{
    const std::vector<int> rows =
        chosenRows(m_inUse, selectedInUse, tr("'Exclude when sending SMS' list is empty."),
                   tr("Please select a record from 'Exclude when sending SMS' list to continue."));
    if (rows.empty())
        return;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        m_inUse.removeAt(*row);
    m_inUseChanged = true;
}

void ExclusionWizard::removeAllFromInUse()
{
    if (m_inUse.isEmpty())
        return inform(tr("'Exclude when sending SMS' list is empty."));
    m_inUse.clear();
    m_inUseChanged = true;
}

bool ExclusionWizard::saveInUse()
{
    return confirm(tr("Are you sure you want to continue?")) && writeInUse();
}

bool ExclusionWizard::writeInUse()
{
    m_folder.EnsureDataFolder();
    FileError error;
    if (!m_store.rewriteInUse(m_inUse, &error)) {
        fileFailed(error);
        return false;
    }
    m_inUseChanged = false;
    reload();
    return true;
}

void ExclusionWizard::addNew()
{
    m_page = Page::NewList;
}

bool ExclusionWizard::updateList(const std::vector<int>& selectedAvailable)
{
    const std::vector<int> rows =
        chosenRows(m_available, selectedAvailable, tr("Available list is empty."),
                   tr("Please select a record from the available list "
                      "to continue."));
    if (rows.empty())
        return false;
    if (rows.size() > 1) {
        inform(tr("Please select only one record to update."));
        return false;
    }
    const QString name = m_available[rows.front()];
    QStringList numbers;
    FileError error;
    if (!m_store.readNumbers(name, numbers, &error)) {
        fileFailed(error);
        return false;
    }
    m_page = Page::Numbers;
    m_isNew = false;
    m_listName = name;
    m_numbers = std::move(numbers);
    m_numbersChanged = false;
    return true;
}

bool ExclusionWizard::deleteLists(const std::vector<int>& selectedAvailable)
{
    const std::vector<int> rows =
        chosenRows(m_available, selectedAvailable, tr("Available list is empty."),
                   tr("Please select a record from the available list "
                      "to continue."));
    if (rows.empty())
        return false;
    if (!confirm(tr("Are you sure you want to delete the selected available list?")))
        return false;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        const QString name = m_available.takeAt(*row);
        m_store.removeNumberFile(name);
        m_inUse.removeAll(name);
    }
    m_folder.EnsureDataFolder();
    FileError error;
    if (!m_store.rewriteIndex(m_available, &error))
        fileFailed(error);
    else if (!m_store.rewriteInUse(m_inUse, &error))
        fileFailed(error);
    reload();
    return true;
}

// --- Names ------------------------------------------------------------------------------------

std::optional<QString> ExclusionWizard::nameRefusal(const QString& trimmedName) const
{
    if (trimmedName.isEmpty())
        return tr("Please enter exclusion list name.");
    const bool forbidden = std::any_of(trimmedName.begin(), trimmedName.end(), [](QChar c) {
        return QStringView(u"\\/:*?\"<>|").contains(c);
    });
    if (forbidden || !IsReservedFileName(trimmedName))
        return tr("Please enter a valid name.");
    // The index file's own name; compared exactly, as the lists are.
    if (trimmedName == QLatin1String("ExListIndex"))
        return tr("Please enter the another name.");
    if (containsName(m_available, trimmedName))
        return tr("Entered exclusion list name already exists.");
    return std::nullopt;
}

bool ExclusionWizard::next(const QString& name, const QString& filePath)
{
    const QString trimmed = name.trimmed();
    if (const std::optional<QString> refusal = nameRefusal(trimmed)) {
        inform(*refusal);
        return false;
    }
    m_page = Page::Numbers;
    m_isNew = true;
    m_listName = trimmed;
    m_numbers.clear();
    m_numbersChanged = false;
    if (!filePath.trimmed().isEmpty() && QFileInfo(filePath.trimmed()).isFile())
        loadNumbers(filePath);
    return true;
}

bool ExclusionWizard::renameList(const QString& newName)
{
    if (m_page != Page::Numbers || m_isNew)
        return false;
    const QString trimmed = newName.trimmed();
    if (const std::optional<QString> refusal = nameRefusal(trimmed)) {
        inform(*refusal);
        return false;
    }
    if (!confirm(tr("Are you sure you want to continue?")))
        return false;
    if (!m_store.numberFileExists(m_listName)) {
        inform(tr("Error in file accessing."));
        return false;
    }
    FileError error;
    if (!m_store.renameNumberFile(m_listName, trimmed, &error)) {
        fileFailed(error);
        return false;
    }
    for (QStringList* names : {&m_available, &m_inUse})
        std::replace(names->begin(), names->end(), m_listName, trimmed);
    m_listName = trimmed;
    m_folder.EnsureDataFolder();
    if (!m_store.rewriteIndex(m_available, &error))
        fileFailed(error);
    else if (!m_store.rewriteInUse(m_inUse, &error))
        fileFailed(error);
    return true;
}

// --- Numbers page -----------------------------------------------------------------------------

bool ExclusionWizard::isListedNumber(const QString& number, int exceptRow) const
{
    for (int row = 0; row < m_numbers.size(); ++row) {
        if (row != exceptRow && m_numbers[row].compare(number, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool ExclusionWizard::addNumber(const QString& entry)
{
    const QString number = entry.trimmed();
    if (number.isEmpty() || number.indexOf(u'+', 1) >= 0 || m_services.isInvalidNumber(number)) {
        inform(tr("Please enter a valid phone number."));
        return false;
    }
    if (isListedNumber(number)) {
        inform(tr("Entered number already exists."));
        return false;
    }
    m_numbers.prepend(number);
    m_numbersChanged = true;
    return true;
}

std::optional<int> ExclusionWizard::numberToUpdate(const std::vector<int>& selected) const
{
    const std::vector<int> rows = sortedRows(selected, m_numbers.size());
    if (rows.empty())
        return std::nullopt;
    return rows.front();
}

bool ExclusionWizard::updateNumber(int row, const QString& text)
{
    if (row < 0 || row >= m_numbers.size())
        return false;
    if (text == m_numbers[row])
        return true;
    const QString number = text.trimmed();
    if (number.indexOf(u'+', 1) >= 0 || m_services.isInvalidNumber(number)) {
        inform(tr("Please enter a valid phone number."));
        return false;
    }
    // The edited row itself is no duplicate: " 0700" for "0700" only loses its blank.
    if (isListedNumber(number, row)) {
        inform(tr("Entered number already exists."));
        return false;
    }
    m_numbers[row] = number;
    m_numbersChanged = true;
    return true;
}

bool ExclusionWizard::removeNumbers(const std::vector<int>& selected)
{
    const std::vector<int> rows =
        chosenRows(m_numbers, selected, tr("Exclusion number list is empty."),
                   tr("Please select at least one record from the exclusion number list to "
                      "continue."));
    if (rows.empty())
        return false;
    QStringList kept;
    kept.reserve(m_numbers.size() - qsizetype(rows.size()));
    auto next = rows.begin();
    for (int row = 0; row < m_numbers.size(); ++row) {
        if (next != rows.end() && *next == row)
            ++next;
        else
            kept.append(m_numbers[row]);
    }
    m_numbers = std::move(kept);
    m_numbersChanged = true;
    return true;
}

int ExclusionWizard::loadNumbers(const QString& path)
{
    const QString file = path.trimmed();
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        inform(tr("Please select a valid file path."));
        return 0;
    }
    ExclusionNumberFile* reader = m_services.numberFile;
    if (!reader || !reader->prepare(file, m_prompter))
        return 0;

    bool complete = false;
    QStringList taken;
    const auto work = [&] {
        QStringList candidates;
        complete = reader->read(candidates);
        QSet<QString> listed;
        listed.reserve(m_numbers.size() + candidates.size());
        for (const QString& number : std::as_const(m_numbers))
            listed.insert(NumberKey(number));
        for (const QString& candidate : std::as_const(candidates)) {
            const QString number = m_services.stripSeparators(candidate).trimmed();
            if (number.isEmpty() || m_services.isInvalidNumber(number))
                continue;
            const QString key = NumberKey(number);
            if (listed.contains(key))
                continue;
            listed.insert(key);
            taken.append(number);
        }
    };
    if (m_services.runReading)
        m_services.runReading(work);
    else
        work();

    if (!taken.isEmpty()) {
        m_numbers = taken + m_numbers;
        m_numbersChanged = true;
    }
    if (!complete)
        reader->reportFailure(m_prompter);
    else if (taken.isEmpty())
        inform(tr("Either file is corrupted or selected file contains invalid characters.\n\nOR\n\n"
                  "Numbers are skipped because of duplicate number already exits in the "
                  "exclusion list."));
    return int(taken.size());
}

bool ExclusionWizard::saveList()
{
    if (m_numbers.isEmpty()) {
        inform(tr("Exclusion number list is empty."));
        return false;
    }
    return confirm(tr("Are you sure you want to continue?")) && writeList();
}

bool ExclusionWizard::writeList()
{
    if (m_numbers.isEmpty()) {
        inform(tr("Exclusion number list is empty."));
        return false;
    }
    m_folder.EnsureDataFolder();
    FileError error;
    const bool written = m_isNew ? m_store.appendNewList(m_listName, m_numbers, &error)
                                 : m_store.rewriteNumbers(m_listName, m_numbers, &error);
    if (!written) {
        fileFailed(error);
        return false;
    }
    if (m_isNew)
        m_available.append(m_listName);
    leaveNumbersPage();
    reload();
    return true;
}

void ExclusionWizard::leaveNumbersPage()
{
    m_page = Page::Lists;
    m_numbers.clear();
    m_numbersChanged = false;
    m_listName.clear();
    m_isNew = false;
}

// --- Leaving ----------------------------------------------------------------------------------

namespace {

QString unsavedNumbersQuestion()
{
    return ExclusionWizard::tr("You have made changes in exclusion number list that have not been "
                               "saved yet.\n\nDo you want to save the Changes?");
}

} // namespace

bool ExclusionWizard::back()
{
    switch (m_page) {
    case Page::Lists:
        return false;
    case Page::NewList:
        m_page = Page::Lists;
        return true;
    case Page::Numbers:
        break;
    }
    if (m_numbersChanged) {
        return confirm(unsavedNumbersQuestion()) && saveList();
    }
    const bool wasNew = m_isNew;
    leaveNumbersPage();
    if (wasNew)
        m_page = Page::NewList;
    return true;
}

bool ExclusionWizard::close()
{
    if (m_page == Page::Numbers && m_numbersChanged) {
        if (!confirm(unsavedNumbersQuestion()))
            return true;
        // A save that fails or is not confirmed keeps the wizard open rather than losing the
        // numbers.
        if (!saveList())
            return false;
    }
    if (m_inUseChanged &&
        confirm(tr("You have made changes in 'Exclude when sending SMS' list that have not been "
                   "saved yet.\n\nDo you want to save the Changes?")))
        return writeInUse();
    return true;
}
