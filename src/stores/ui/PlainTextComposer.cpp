#include "stores/ui/PlainTextComposer.h"

#include <QPlainTextEdit>
#include <QTextCursor>

QString PlainTextComposer::text() const
{
    return m_editor.toPlainText();
}

int PlainTextComposer::selectionStart() const
{
    return m_editor.textCursor().selectionStart();
}

int PlainTextComposer::selectionEnd() const
{
    return m_editor.textCursor().selectionEnd();
}

void PlainTextComposer::replaceText(const QString& text)
{
    m_editor.setPlainText(text);
    m_editor.moveCursor(QTextCursor::End);
}
