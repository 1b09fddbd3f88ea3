#include "support/ScriptedPrompter.h"

#include <QStringList>
#include <gtest/gtest.h>

void ScriptedPrompter::inform(const QString& caption, const QString& text, Icon icon)
{
    m_shown.append({caption, text, icon, false, {}});
}

bool ScriptedPrompter::confirm(const QString& caption, const QString& text, Icon icon)
{
    m_shown.append({caption, text, icon, true, {}});
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
    m_shown.append({caption, text, icon, true, {}});
    return next(text);
}

QStringList ScriptedPrompter::texts() const
{
    QStringList all;
    for (const Shown& s : m_shown)
        all.append(s.text);
    return all;
}

std::optional<ScriptedPrompter::Reply> ScriptedPrompter::nextReply(const QString& text)
{
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return std::nullopt;
    }
    const Reply reply = m_answers.front();
    m_answers.pop_front();
    return reply;
}

Prompter::Answer ScriptedPrompter::next(const QString& text)
{
    const std::optional<Reply> reply = nextReply(text);
    if (reply && std::holds_alternative<Answer>(*reply))
        return std::get<Answer>(*reply);
    if (reply)
        ADD_FAILURE() << "a choice scripted for a Yes/No question: " << text.toStdString();
    return Answer::Cancel;
}

int ScriptedPrompter::choose(const QString& caption, const QString& text,
                             const QStringList& choices, Icon icon)
{
    m_shown.append({caption, text, icon, true, false, choices});
    const std::optional<Reply> reply = nextReply(text);
    if (reply && std::holds_alternative<int>(*reply))
        return std::get<int>(*reply);
    if (reply)
        ADD_FAILURE() << "a Yes/No answer scripted for a choice: " << text.toStdString();
    return static_cast<int>(choices.size()) - 1;
}
