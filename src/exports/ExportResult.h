#pragma once

#include <QString>

// How writing an export file ended. On any failure no file is left under the target name (an
// older file there stays as it was).
enum class ExportStatus
{
    Written,
    CannotCreate,  // no file could be made in the target folder (read-only, missing, no space)
    WriteFailed,   // writing stopped half-way (disk full, file too large)
    CannotReplace, // the finished file could not take the target name
};

struct ExportResult
{
    ExportStatus status = ExportStatus::Written;
    int errorNumber = 0;    // the system error behind a failure
    qsizetype cutCells = 0; // workbook cells cut to the cell limit

    bool ok() const { return status == ExportStatus::Written; }
};

// The message for a failed export: "Error in file.\n\nOR\n\nThere is not enough space on the
// disk.".
QString ExportFailureText(const ExportResult& result);

// The success text, followed by how many cells were cut when there were any.
QString ExportSuccessText(const QString& successText, const ExportResult& result);
