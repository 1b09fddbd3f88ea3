#pragma once

#include "exports/ExportResult.h"

#include <QString>

// A new export file that takes its target name only once it is complete. Everything is written
// to a temporary file in the target folder, which replaces the target in one step on commit().
// Destroying the object without a successful commit() removes the temporary file, so a failure
// never leaves a file that looks complete, and an older file under the target name stays.
class ExportTarget
{
public:
    explicit ExportTarget(QString path);
    ~ExportTarget();
    ExportTarget(const ExportTarget&) = delete;
    ExportTarget& operator=(const ExportTarget&) = delete;

    // Creates the temporary file; false (errorNumber() set) when the folder refuses it.
    bool create();
    int fd() const { return m_fd; }
    const QString& temporaryPath() const { return m_tempPath; }

    // Puts the written data on disk and gives the file its target name. Returns WriteFailed
    // when the data cannot be flushed, CannotReplace when the rename fails.
    ExportStatus commit();
    int errorNumber() const { return m_errorNumber; }

private:
    void discard();

    QString m_path;
    QString m_tempPath;
    int m_fd = -1;
    int m_errorNumber = 0;
};
