#pragma once

#include "recipients/DynamicExcelWizard.h"
#include "recipients/ui/ImportWait.h"
#include "recipients/ui/OpenFileChooser.h"

#include <QDialog>

class ColumnCheckList;
class MessageEdit;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

// The "Dynamic Message Import Wizard": the option page, the file page (workbook, sheet and
// columns) and, for personalised messages, the message page with the column table. The
// readings run off the UI thread behind a progress window; the wizard closes once rows came in.
class CDynamic_Excel_Msg : public QDialog
{
    Q_OBJECT

public:
    enum Page
    {
        OptionPage,
        FilePage,
        MessagePage
    };

    // `choice` is the answer to the replace-or-append question asked before the wizard opened.
    CDynamic_Excel_Msg(RecipientList& list, Prompter& prompter, CLoad_File_Msg::Choice choice,
                       const NumberCheckOptions& options, QWidget* parent = nullptr);

    void setFileChooser(OpenFileChooser chooser) { m_chooseFile = std::move(chooser); }
    // Refreshes the main window's "Total Numbers : %d" while a reading runs.
    void setTotalNumbers(TotalNumbersCallback showTotal) { m_showTotal = std::move(showTotal); }

    int page() const;
    int imported() const { return m_imported; }

    QRadioButton* numbersOption() const { return m_numbersOption; }
    QRadioButton* personalisedOption() const { return m_personalisedOption; }
    QLabel* fileNote() const { return m_fileNote; }
    QComboBox* sheetBox() const { return m_sheetBox; }
    QComboBox* numberColumnBox() const { return m_numberColumnBox; }
    QComboBox* messageColumnBox() const { return m_messageColumnBox; }
    ColumnCheckList* numberColumns() const { return m_numberColumns; }
    QTableWidget* columnTable() const { return m_columnTable; }
    MessageEdit* templateEdit() const { return m_template; }

public slots:
    void onContinue();
    void onBack();
    void onBrowse();
    void onFileFinish();
    void onNext();
    void onMessageFinish();
    void InsertPlaceholder();
    void onShowExample();

private:
    QWidget* buildOptionPage();
    QWidget* buildFilePage();
    QWidget* buildMessagePage();
    void onSheetChosen(int index);
    void fillColumns();
    bool personalised() const;
    void runReading(const std::function<void()>& work, const ImportProgress& progress);
    void finishReading(int imported);

    DynamicExcelWizard m_logic;
    Prompter& m_prompter;
    NumberCheckOptions m_options;
    OpenFileChooser m_chooseFile;
    TotalNumbersCallback m_showTotal;
    int m_imported = 0;

    QStackedWidget* m_pages;
    QRadioButton* m_numbersOption = nullptr;
    QRadioButton* m_personalisedOption = nullptr;
    QLabel* m_optionNote = nullptr;
    QLabel* m_fileNote = nullptr;
    QLineEdit* m_path = nullptr;
    QLabel* m_sheetLabel = nullptr;
    QComboBox* m_sheetBox = nullptr;
    QWidget* m_numberAndMessage = nullptr;
    QComboBox* m_numberColumnBox = nullptr;
    QComboBox* m_messageColumnBox = nullptr;
    ColumnCheckList* m_numberColumns = nullptr;
    QPushButton* m_fileFinish = nullptr;
    QPushButton* m_next = nullptr;
    QTableWidget* m_columnTable = nullptr;
    MessageEdit* m_template = nullptr;
};
