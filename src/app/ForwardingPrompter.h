#pragma once

#include "base/Prompter.h"

// A prompter that passes everything to another one, which can be swapped while the parts that
// were handed this one keep their reference (tests script the main window's answers this way).
class ForwardingPrompter : public Prompter
{
public:
    explicit ForwardingPrompter(Prompter& target) : m_target(&target) {}

    void setTarget(Prompter& target) { m_target = &target; }

    void inform(const QString& caption, const QString& text, Icon icon) override
    {
        m_target->inform(caption, text, icon);
    }
    bool confirm(const QString& caption, const QString& text, Icon icon) override
    {
        return m_target->confirm(caption, text, icon);
    }
    bool confirmOkCancel(const QString& caption, const QString& text, Icon icon) override
    {
        return m_target->confirmOkCancel(caption, text, icon);
    }
    Answer askYesNoCancel(const QString& caption, const QString& text, Icon icon) override
    {
        return m_target->askYesNoCancel(caption, text, icon);
    }
    int choose(const QString& caption, const QString& text, const QStringList& choices,
               Icon icon) override
    {
        return m_target->choose(caption, text, choices, icon);
    }

private:
    Prompter* m_target;
};
