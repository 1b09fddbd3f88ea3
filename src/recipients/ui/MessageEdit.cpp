#include "recipients/ui/MessageEdit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

MessageEdit::MessageEdit(QWidget* parent, int limit) : QPlainTextEdit(parent), m_limit(limit)
{
    setTabChangesFocus(false);
}

int MessageEdit::room() const
{
    const int length = document()->characterCount() - 1;
    const QTextCursor cursor = textCursor();
    return m_limit - (length - (cursor.selectionEnd() - cursor.selectionStart()));
}

void MessageEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool types = !text.isEmpty() && !event->matches(QKeySequence::Paste) &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) &&
                       text != QLatin1String("\b") && text != QChar(0x7F) && text != QChar(0x1B);
    if (types && text.size() > room()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MessageEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText())
        return;
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    const int fits = std::max(0, room());
    if (text.size() > fits) {
        text.truncate(fits);
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1); // never half a character
    }
    if (!text.isEmpty() || textCursor().hasSelection())
        insertPlainText(text);
}
