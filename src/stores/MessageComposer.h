#pragma once

#include <QString>

// The main window's message composer, as the templates window sees it.
class MessageComposer
{
public:
    virtual ~MessageComposer() = default;

    virtual QString text() const = 0;
    // The selected range [start, end); both equal the caret position when nothing is selected.
    virtual int selectionStart() const = 0;
    virtual int selectionEnd() const = 0;
    // Replaces the whole text, puts the caret at its end and refreshes the character counter.
    virtual void replaceText(const QString& text) = 0;
};
