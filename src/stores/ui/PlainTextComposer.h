#pragma once

#include "stores/MessageComposer.h"

class QPlainTextEdit;

// A message composer that is a plain text editor; the editor's own change signal refreshes
// whatever character counter its window shows.
class PlainTextComposer : public MessageComposer
{
public:
    explicit PlainTextComposer(QPlainTextEdit& editor) : m_editor(editor) {}

    QString text() const override;
    int selectionStart() const override;
    int selectionEnd() const override;
    void replaceText(const QString& text) override;

private:
    QPlainTextEdit& m_editor;
};
