#pragma once

#include "stores/Prompter.h"

#include <QList>
#include <QString>
#include <deque>

// Answers questions from a script and records everything it was shown.
class ScriptedPrompter : public Prompter
{
public:
    struct Shown
    {
        QString caption;
        QString text;
        Icon icon;
        bool question;
    };

    ScriptedPrompter& answer(bool yes)
    {
        m_answers.push_back(yes);
        return *this;
    }

    void inform(const QString& caption, const QString& text, Icon icon) override;
    bool confirm(const QString& caption, const QString& text, Icon icon = Icon::Question) override;

    const QList<Shown>& shown() const { return m_shown; }
    bool allAnswersUsed() const { return m_answers.empty(); }

private:
    std::deque<bool> m_answers;
    QList<Shown> m_shown;
};
