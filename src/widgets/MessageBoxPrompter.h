#pragma once

#include "base/Prompter.h"

class QWidget;

// Asks and tells through modal message boxes over a parent window.
class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget* parent) : m_parent(parent) {}

    void inform(const QString& caption, const QString& text,
                Icon icon = Icon::Information) override;
    bool confirm(const QString& caption, const QString& text, Icon icon = Icon::Question) override;
    bool confirmOkCancel(const QString& caption, const QString& text,
                         Icon icon = Icon::Question) override;
    Answer askYesNoCancel(const QString& caption, const QString& text,
                          Icon icon = Icon::Question) override;
    int choose(const QString& caption, const QString& text, const QStringList& choices,
               Icon icon = Icon::Question) override;

private:
    QWidget* m_parent;
};
