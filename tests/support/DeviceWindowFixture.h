#pragma once

#include "devices/ui/DeviceCommands.h"
#include "support/DeviceDialogFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QThread>
#include <QTreeWidget>
#include <atomic>
#include <functional>

// Runs the event loop until the condition holds; gives up after ten seconds, or after a
// shorter time when a test only gives the window a chance to do something wrong.
inline bool processUntil(const std::function<bool()>& condition, int limitMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

// The button with the given caption, for dialogs whose buttons have no object name.
inline QAbstractButton* button(const QWidget* root, const QString& caption)
{
    for (QAbstractButton* child : root->findChildren<QAbstractButton*>()) {
        if (child->text() == caption)
            return child;
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

// The child of the given type a window gives the object name.
template <class Widget> Widget* named(const QWidget* root, const char* name)
{
    auto* child = root->findChild<Widget*>(QString::fromLatin1(name));
    if (!child)
        ADD_FAILURE() << "no child named " << name;
    return child;
}

// The line edits a user can type into now.
inline QList<QLineEdit*> editableFields(const QWidget* root)
{
    QList<QLineEdit*> fields;
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) {
        if (field->isEnabled() && !field->isReadOnly())
            fields.append(field);
    }
    return fields;
}

// The titles of the columns a user sees.
inline QStringList visibleHeaders(const QTreeWidget* list)
{
    QStringList titles;
    for (int c = 0; c < list->columnCount(); ++c) {
        if (!list->isColumnHidden(c))
            titles.append(list->headerItem()->text(c));
    }
    return titles;
}

inline QStringList columnTexts(const QTreeWidget* list, int column)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts.append(list->topLevelItem(i)->text(column));
    return texts;
}

// A mouse click in the middle of a row, as the user makes it.
inline void clickRow(QTreeWidget* list, int row)
{
    const QPoint at = list->visualItemRect(list->topLevelItem(row)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
}

// Keys typed one by one, as the user types them.
inline void typeInto(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

inline void pressEscape(QWidget* window)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window, &press);
}

// Passes everything to the scripted prompter, running a hook before each question: what
// happens on other threads while a user reads a question.
class HookedPrompter : public Prompter
{
public:
    explicit HookedPrompter(ScriptedPrompter& script) : m_script(script) {}

    void inform(const QString& caption, const QString& text, Icon icon) override
    {
        m_script.inform(caption, text, icon);
    }
    bool confirm(const QString& caption, const QString& text, Icon icon) override
    {
        if (beforeQuestion)
            beforeQuestion();
        return m_script.confirm(caption, text, icon);
    }
    bool confirmOkCancel(const QString& caption, const QString& text, Icon icon) override
    {
        if (beforeQuestion)
            beforeQuestion();
        return m_script.confirmOkCancel(caption, text, icon);
    }
    Answer askYesNoCancel(const QString& caption, const QString& text, Icon icon) override
    {
        if (beforeQuestion)
            beforeQuestion();
        return m_script.askYesNoCancel(caption, text, icon);
    }
    int choose(const QString& caption, const QString& text, const QStringList& choices,
               Icon icon) override
    {
        if (beforeQuestion)
            beforeQuestion();
        return m_script.choose(caption, text, choices, icon);
    }

    std::function<void()> beforeQuestion;

private:
    ScriptedPrompter& m_script;
};

// Simulated modems and the context the device windows are opened with. Calls the windows make
// to close every channel are counted per thread: the scan thread's n-th call is a port probe.
class DeviceWindowFixture : public DeviceDialogFixture
{
protected:
    static bool onUiThread() { return QThread::currentThread() == qApp->thread(); }

    void closeAllChannels()
    {
        if (!onUiThread() && onWorkerCloseAll)
            onWorkerCloseAll(++workerCloseAllCalls);
    }

    std::atomic<int> workerCloseAllCalls{0};
    std::function<void(int call)> onWorkerCloseAll;
    HookedPrompter hooked{prompter};
    DeviceDialogContext context{
        state, clock, modems.ports(), hooked, [this] { closeAllChannels(); }, {}};
};
