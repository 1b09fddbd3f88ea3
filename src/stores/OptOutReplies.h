#pragma once

#include "base/FileError.h"

#include <QString>
#include <QStringList>

class DataFolder;

// "Add numbers that reply STOP to an exclusion list": what a reply must say, and where its
// sender goes. Off by default, as it changes who gets messages.
struct OptOutSettings
{
    bool enabled = false;
    QStringList keywords = defaultKeywords();
    QString listName = defaultListName();

    static QStringList defaultKeywords();
    static QString defaultListName();
};

// Whether a reply is one of the keywords as a whole message, letter case and surrounding
// blanks ignored ("stop " is, "stop it" is not).
bool isOptOutReply(const QString& text, const QStringList& keywords);

// Adds a number to the exclusion list of that name, unless the list holds it already (letter
// case ignored). A list that does not exist yet is created and put in use, so the next runs
// that use exclusion rules skip the number too. False, and nothing written, for a name that
// cannot be a file name.
bool AddToExclusionList(const DataFolder& folder, const QString& listName, const QString& number,
                        FileError* error = nullptr);
