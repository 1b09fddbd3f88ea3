#pragma once

#include "base/Prompter.h"

#include <QCoreApplication>
#include <QString>

// Something an import tells the user: the box's caption, text and icon.
struct ImportNotice
{
    QString caption;
    QString text;
    Prompter::Icon icon = Prompter::Icon::Information;

    void showWith(Prompter& prompter) const { prompter.inform(caption, text, icon); }
    bool operator==(const ImportNotice&) const = default;
};

// The texts of the file and Excel imports, shared by the main window, the wizard and the
// command-line tool.
namespace ImportText {

// The context lupdate gives tr() calls in this namespace: another one finds no translation.
inline QString tr(const char* text)
{
    return QCoreApplication::translate("ImportText", text);
}

inline ImportNotice message(const char* text)
{
    return {tr("Message"), tr(text), Prompter::Icon::Information};
}

inline ImportNotice excelError(const char* text)
{
    return {tr("Excel Error"), tr(text), Prompter::Icon::Error};
}

inline ImportNotice fileMissing()
{
    return {tr("Warning"), tr("File does not exist on selected location."),
            Prompter::Icon::Warning};
}
inline ImportNotice invalidFile()
{
    return message("Please select a valid file.");
}
inline ImportNotice notAnsi()
{
    return message("Please select the ANSI encoded text file.");
}
inline ImportNotice fileEmpty()
{
    return message("File is empty.");
}
inline ImportNotice nothingImported()
{
    return message("Either file is corrupted or selected file contains invalid "
                   "characters.\n\nOR\n\nRecipient number is skipped because of using 'Skip "
                   "Duplicate Numbers' or 'Exclusion List' option.");
}

inline ImportNotice openFailed()
{
    return excelError("Failed to open Excel file!");
}
inline ImportNotice sheetFailed()
{
    return excelError("Failed to get Excel Worksheet!");
}
inline ImportNotice rangeFailed()
{
    return excelError("Failed to get header cell range!");
}
inline ImportNotice sheetEmpty()
{
    return excelError("Excel sheet is empty.");
}
inline ImportNotice readingDiscarded()
{
    return excelError("Excel Error : File reading process is discarded.");
}

inline QString fileFilter()
{
    return tr("Text & Excel Files(*.txt;*.xls;*.xlsx)|*.txt;*.xls;*.xlsx||");
}
inline QString excelFilter()
{
    return tr("Excel Files(*.xls;*.xlsx)|*.xls;*.xlsx||");
}
inline QString readingSheetWait()
{
    return tr("Reading contents of Excel sheet, Please wait...");
}

} // namespace ImportText
