#pragma once

#include <QString>
#include <QStringList>

class Prompter;

// Reads the candidate numbers of a text or workbook file for the exclusion wizard. The contact
// import's readers provide it; the wizard applies its own number rule to what comes back.
class ExclusionNumberFile
{
public:
    virtual ~ExclusionNumberFile() = default;

    // On the UI thread: checks the file and asks for what the reading needs (sheet, columns).
    // False when the file was refused or the user gave up; the reader has said why.
    virtual bool prepare(const QString& path, Prompter& prompter) = 0;
    // Off the UI thread, without widgets: every candidate in file order. False when the
    // reading stopped early; the candidates read before stay.
    virtual bool read(QStringList& candidates) = 0;
    // On the UI thread, after read() returned false.
    virtual void reportFailure(Prompter& prompter) = 0;
};
