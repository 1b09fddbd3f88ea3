#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

void ScriptedPrompter::inform(const QString& caption, const QString& text, Icon icon)
{
    m_shown.append({caption, text, icon, false});
}

bool ScriptedPrompter::confirm(const QString& caption, const QString& text, Icon icon)
{
    m_shown.append({caption, text, icon, true});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}
