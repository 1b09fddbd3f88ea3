#pragma once

#include <QString>
#include <stdexcept>
#include <utility>

// The system's description of an error number. Error 0 reads as on the system the stores were
// designed for, "The operation completed successfully.", which callers test for.
QString SystemErrorText(int errorNumber);

// What went wrong when a file could not be opened.
struct FileError
{
    int errorNumber = 0;
    bool creating = false; // the open was meant to create the file

    QString description() const;
};

// A failed write, seek or close on an open file (disk full and the like).
class FileException : public std::runtime_error
{
public:
    FileException(int errorNumber, const QString& path);

    int errorNumber() const { return m_errorNumber; }
    const QString& path() const { return m_path; }
    FileError error() const { return {m_errorNumber, false}; }

private:
    int m_errorNumber;
    QString m_path;
};

// Runs file work that reports failure by throwing FileException (writes, seeks, Close) and
// turns that into a result: true when the body ran through; false when it threw, with the
// error in *error when one is given. Other exceptions pass on.
template <class Body> [[nodiscard]] bool CatchFileError(FileError* error, Body&& body)
{
    try {
        std::forward<Body>(body)();
    } catch (const FileException& e) {
        if (error)
            *error = e.error();
        return false;
    }
    return true;
}
