#pragma once

#include "stores/ExclusionStore.h"

#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class DataFolder;
class ExclusionNumberFile;
class Prompter;

// What the wizard takes from outside the stores: the recipients' number rule, the file reader,
// the reload of the main window's exclusion set, and how long reading is run.
struct ExclusionWizardServices
{
    std::function<QString(const QString&)> stripSeparators;
    std::function<bool(const QString&)> isInvalidNumber;
    ExclusionNumberFile* numberFile = nullptr;
    // LoadExclusionSet for the main window's set; run after every change of the in-use numbers.
    std::function<void()> reloadExclusionSet;
    // Runs the reading of a file; windows run it off the UI thread behind the wait pop-up.
    // Unset: runs it at once.
    std::function<void(const std::function<void()>&)> runReading;
};

// The exclusion list wizard without its widgets: the lists it shows, the page it is on, its
// two change marks, and every operation with its checks and messages. Rows are given by
// position in the list concerned.
class ExclusionWizard
{
    Q_DECLARE_TR_FUNCTIONS(ExclusionWizard)

public:
    enum class Page
    {
        Lists,   // "Available Lists" and "Exclude when sending SMS"
        NewList, // the name and file of a new list
        Numbers  // the numbers of the list being edited
    };

    static constexpr int NameLimit = 50;
    static constexpr int NumberLimit = 20;

    ExclusionWizard(const DataFolder& folder, Prompter& prompter, ExclusionWizardServices services);

    // Reads the index and the in-use file into the first page's lists.
    void start();

    const QStringList& availableLists() const { return m_available; }
    const QStringList& inUseLists() const { return m_inUse; }
    const QStringList& numbers() const { return m_numbers; }
    Page page() const { return m_page; }
    const QString& listName() const { return m_listName; }
    bool isNewList() const { return m_isNew; }
    bool numbersChanged() const { return m_numbersChanged; }
    bool inUseChanged() const { return m_inUseChanged; }
    QString totalNumbersText() const;

    // First page.
    void addToInUse(const std::vector<int>& selectedAvailable);
    void addAllToInUse();
    void removeFromInUse(const std::vector<int>& selectedInUse);
    void removeAllFromInUse();
    bool saveInUse();
    void addNew();
    bool updateList(const std::vector<int>& selectedAvailable);
    bool deleteLists(const std::vector<int>& selectedAvailable);

    // "Next >" on the new-list page: the numbers page opens when the name is accepted, loading
    // the file when a path was given and exists.
    bool next(const QString& name, const QString& filePath);

    // Numbers page.
    bool addNumber(const QString& entry);
    // The row "Update Number" opens, or nothing when the list is empty or nothing is selected.
    std::optional<int> numberToUpdate(const std::vector<int>& selected) const;
    // The "Update" of `CUpdate_Ex_Num`: true when the dialog may close.
    bool updateNumber(int row, const QString& text);
    bool removeNumbers(const std::vector<int>& selected);
    // "Load": returns how many numbers were taken.
    int loadNumbers(const QString& path);
    bool saveList();
    bool renameList(const QString& newName);

    // "< Back": true when the page changed.
    bool back();
    // Closing the wizard: true when it may close.
    bool close();

    // The reason a list name is refused, or nothing when it may be used.
    std::optional<QString> nameRefusal(const QString& trimmedName) const;

private:
    bool writeList();
    bool writeInUse();
    void inform(const QString& text);
    // The valid selected rows in order; tells emptyText for an empty list and noneText when
    // nothing valid is selected, and then returns none.
    std::vector<int> chosenRows(const QStringList& list, const std::vector<int>& selected,
                                const QString& emptyText, const QString& noneText);
    bool confirm(const QString& text);
    void fileFailed(const FileError& error);
    bool isListedNumber(const QString& number, int exceptRow = -1) const;
    void reload();
    void leaveNumbersPage();

    const DataFolder& m_folder;
    Prompter& m_prompter;
    ExclusionWizardServices m_services;
    ExclusionStore m_store;
    QStringList m_available;
    QStringList m_inUse;
    QStringList m_numbers;
    Page m_page = Page::Lists;
    QString m_listName;
    bool m_isNew = false;
    bool m_numbersChanged = false;
    bool m_inUseChanged = false;
};
