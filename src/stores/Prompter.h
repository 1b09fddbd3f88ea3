#pragma once

#include <QString>

// How logic classes ask the user and tell them things. Windows implement it with message
// boxes; tests answer with scripted replies.
class Prompter
{
public:
    enum class Icon
    {
        Information,
        Question,
        Warning,
        Error
    };

    virtual ~Prompter() = default;

    // A message box with one OK button.
    virtual void inform(const QString& caption, const QString& text,
                        Icon icon = Icon::Information) = 0;
    // A Yes/No question; true for Yes. Some questions carry the warning icon.
    virtual bool confirm(const QString& caption, const QString& text,
                         Icon icon = Icon::Question) = 0;
};
