#pragma once

#include "base/Prompter.h"

#include <QList>
#include <QString>
#include <deque>
#include <optional>
#include <variant>

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
        bool okCancel = false; // asked with OK/Cancel in place of Yes/No
        QStringList choices;   // the buttons of a choose() question
    };

    ScriptedPrompter& answer(bool yes) { return answer(yes ? Answer::Yes : Answer::No); }
    ScriptedPrompter& answer(Answer reply)
    {
        m_answers.push_back(reply);
        return *this;
    }
    // The button, by its index, that the next choose() question gets.
    ScriptedPrompter& choice(int index)
    {
        m_answers.push_back(index);
        return *this;
    }

    void inform(const QString& caption, const QString& text, Icon icon) override;
    bool confirm(const QString& caption, const QString& text, Icon icon) override;
    bool confirmOkCancel(const QString& caption, const QString& text, Icon icon) override;
    Answer askYesNoCancel(const QString& caption, const QString& text, Icon icon) override;
    int choose(const QString& caption, const QString& text, const QStringList& choices,
               Icon icon) override;

    const QList<Shown>& shown() const { return m_shown; }
    // The texts shown, in order, for compact expectations.
    QStringList texts() const;
    bool allAnswersUsed() const { return m_answers.empty(); }

private:
    using Reply = std::variant<Answer, int>;
    Answer next(const QString& text);
    std::optional<Reply> nextReply(const QString& text);

    std::deque<Reply> m_answers;
    QList<Shown> m_shown;
};
