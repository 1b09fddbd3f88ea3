#pragma once

#include "base/FileError.h"
#include "exports/ExportFormat.h"

#include <optional>

class Prompter;
class SaveDialog;

// Where an export goes and in which format.
struct ExportTargetChoice
{
    QString path;
    ExportFormat format = ExportFormat::Xls;
};

struct PreparedTarget
{
    enum class Status
    {
        Chosen,
        Cancelled, // the save dialog was cancelled
        Refused    // the file exists and cannot be replaced; the user was told
    };

    Status status = Status::Cancelled;
    ExportTargetChoice target; // when chosen
};

// The steps every export starts with: the save dialog with the export's filters, the chosen
// filter's extension appended when the name lacks it, and, for a file that exists, the proof
// that it can be replaced (otherwise its file error is shown).
PreparedTarget PrepareExportTarget(SaveDialog& dialog, Prompter& prompter,
                                   const QList<ExportFormat>& formats);

// Whether an existing file can be opened for reading and writing; a missing one is fine.
std::optional<FileError> CheckReplaceable(const QString& path);
