#pragma once

#include <QString>
#include <QStringList>

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

    enum class Answer
    {
        Yes,
        No,
        Cancel
    };

    virtual ~Prompter() = default;

    // A message box with one OK button.
    virtual void inform(const QString& caption, const QString& text,
                        Icon icon = Icon::Information) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(const QString& caption, const QString& text,
                         Icon icon = Icon::Question) = 0;
    // An OK/Cancel question; true for OK. Prompters without buttons of their own answer it as
    // a Yes/No question.
    virtual bool confirmOkCancel(const QString& caption, const QString& text,
                                 Icon icon = Icon::Question)
    {
        return confirm(caption, text, icon);
    }
    // A Yes/No/Cancel question.
    virtual Answer askYesNoCancel(const QString& caption, const QString& text,
                                  Icon icon = Icon::Question) = 0;
    // A question answered by one of its own buttons, given in order with the way back last:
    // the index of the button chosen; closing the box chooses the way back, and so do
    // prompters without buttons of their own.
    virtual int choose(const QString& caption, const QString& text, const QStringList& choices,
                       Icon icon = Icon::Question)
    {
        return int(choices.size()) - 1;
    }
};
