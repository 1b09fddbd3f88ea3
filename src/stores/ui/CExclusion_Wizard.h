#pragma once

#include "stores/ExclusionNumberFile.h"
#include "stores/ExclusionWizard.h"

#include <QDialog>
#include <functional>
#include <memory>

class CSpecialEdit;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStackedWidget;
class QStringListModel;

// What the wizard window is given besides the data folder and the prompter.
struct ExclusionWizardWiring
{
    // Reloads the main window's exclusion set over the given window (the wizard).
    std::function<void(QWidget* window)> reloadExclusionSet;
    // "Export Number": the numbers in display order.
    std::function<void(QWidget* parent, const QStringList& numbers)> exportNumbers;
    // "Load" reads through it; unset, the wizard offers no file to load from.
    std::function<std::unique_ptr<ExclusionNumberFile>(QWidget* window)> numberFile;
};

// "Exclusion List Wizard": the lists in use, and the lists themselves with their numbers, over
// ExclusionWizard. Modal; closing asks about unsaved changes.
class CExclusion_Wizard : public QDialog
{
    Q_OBJECT

public:
    CExclusion_Wizard(const DataFolder& folder, Prompter& prompter, ExclusionWizardWiring wiring,
                      QWidget* parent = nullptr);
    ~CExclusion_Wizard() override;

    ExclusionWizard& logic() { return m_logic; }
    QListView* availableList() const { return m_available; }
    QListView* inUseList() const { return m_inUse; }
    QListView* numberList() const { return m_numbers; }
    QLineEdit* nameBox() const { return m_name; }
    QLineEdit* filePathBox() const { return m_newFilePath; }
    CSpecialEdit* numberBox() const { return m_number; }
    QString totalNumbersText() const;

public slots:
    void onAdd();
    void onAddAll();
    void onRemove();
    void onRemoveAll();
    void onSaveInUse();
    void onAddNew();
    void onUpdate();
    void onDelete();
    void onNext();
    void onBack();
    void onLoad();
    void onAddNumber();
    void onUpdateNumber();
    void onRemoveNumber();
    void onExportNumber();
    void onSaveList();
    void onUpdateName();
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildListsPage();
    QWidget* buildNewListPage();
    QWidget* buildNumbersPage();
    QPushButton* button(const QString& text, void (CExclusion_Wizard::*slot)());
    QListView* listView(QStringListModel* model);
    void browse(QLineEdit* target);
    void refresh();
    void finish();

    ExclusionWizardWiring m_wiring;
    std::unique_ptr<ExclusionNumberFile> m_numberFile;
    ExclusionWizard m_logic;
    Prompter& m_prompter;
    bool m_started = false;
    bool m_closing = false;

    QStackedWidget* m_pages = nullptr;
    QStringListModel* m_availableModel;
    QStringListModel* m_inUseModel;
    QStringListModel* m_numberModel;
    QListView* m_available = nullptr;
    QListView* m_inUse = nullptr;
    QListView* m_numbers = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_newFilePath = nullptr;
    QLabel* m_title = nullptr;
    QLineEdit* m_newName = nullptr;
    QPushButton* m_updateName = nullptr;
    QLineEdit* m_filePath = nullptr;
    CSpecialEdit* m_number = nullptr;
    QLabel* m_total = nullptr;
};
