#include "support/ScriptedPrompter.h"

#include <QStringList>
#include <gtest/gtest.h>

void ScriptedPrompter::inform(const QString& caption, const QString& text, Icon icon)
{
    m_shown.append({caption, text, icon, false});
}

bool ScriptedPrompter::confirm(const QString& caption, const QString& text, Icon icon)
{
    m_shown.append({caption, text, icon, true});
    return next(text) == Answer::Yes;
}

bool ScriptedPrompter::confirmOkCancel(const QString& caption, const QString& text, Icon icon)
{
    m_shown.append({caption, text, icon, true, true});
    return next(text) == Answer::Yes;
}

Prompter::Answer ScriptedPrompter::askYesNoCancel(const QString& caption, const QString& text,
                                                  Icon icon)
{
    m_shown.append({caption, text, icon, true});
    return next(text);
}

QStringList ScriptedPrompter::texts() const
{
    QStringList all;
    for (const Shown& s : m_shown)
        all.append(s.text);
    return all;
}

Prompter::Answer ScriptedPrompter::next(const QString& text)
{
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return Answer::Cancel;
    }
    const Answer reply = m_answers.front();
    m_answers.pop_front();
    return reply;
}
