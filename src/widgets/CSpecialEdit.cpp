#include "widgets/CSpecialEdit.h"

#include "base/Prompter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {

constexpr int kNumberBoxLength = 20;

// Keys that edit or move rather than type: they are the line edit's own business.
bool typesNothing(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7F)
            return false;
    }
    return true;
}

} // namespace

CSpecialEdit::CSpecialEdit(Prompter& prompter, QWidget* parent, std::unique_ptr<IFormat> format)
    : QLineEdit(parent), m_prompter(&prompter), m_format(std::move(format))
{
    setMaxLength(kNumberBoxLength);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void CSpecialEdit::refuse()
{
    m_prompter->inform(tr("Message"), m_format->RefusalText(), Prompter::Icon::Information);
}

void CSpecialEdit::insertChecked(const QString& text)
{
    if (!m_format->IsPasteAllowed(text)) {
        QApplication::beep();
        refuse();
        return;
    }
    insert(text);
}

void CSpecialEdit::pasteChecked()
{
    if (!isReadOnly())
        insertChecked(QApplication::clipboard()->text());
}

void CSpecialEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteChecked();
        return;
    }
    const QString text = event->text();
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) ||
        typesNothing(text)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    for (const QChar c : text) {
        if (!m_format->IsCharAllowed(c)) {
            event->accept();
            refuse();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

QMenu* CSpecialEdit::createCheckedContextMenu()
{
    QMenu* menu = createStandardContextMenu();
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().startsWith(pasteText)) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &CSpecialEdit::pasteChecked);
        }
    }
    return menu;
}

void CSpecialEdit::contextMenuEvent(QContextMenuEvent* event)
{
    std::unique_ptr<QMenu> menu(createCheckedContextMenu());
    menu->exec(event->globalPos());
}

void CSpecialEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection on X11; it obeys the same rule.
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly())
            insertChecked(QApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
