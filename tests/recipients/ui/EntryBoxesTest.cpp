#include "recipients/ui/MessageEdit.h"
#include "support/ScriptedPrompter.h"
#include "widgets/CSpecialEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

namespace {

void type(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

void key(QWidget* box, int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(box, &press);
}

TEST(CSpecialEditTest, TypingLetsOnlyNumberCharactersThrough)
{
    ScriptedPrompter prompter;
    CSpecialEdit box(prompter);
    type(&box, "+44 7a(7)");
    EXPECT_EQ(box.text(), "+4477");
    EXPECT_EQ(prompter.texts(), QStringList(4, "Invalid number."));
    EXPECT_EQ(prompter.shown()[0].caption, "Message");

    type(&box, "123456789012345678901234");
    EXPECT_EQ(box.text().size(), 20); // typing stops at 20 characters

    bool entered = false;
    QObject::connect(&box, &QLineEdit::returnPressed, [&] { entered = true; });
    key(&box, Qt::Key_Backspace, Qt::NoModifier, "\b");
    key(&box, Qt::Key_Return, Qt::NoModifier, "\r");
    key(&box, Qt::Key_Escape, Qt::NoModifier, "\x1b");
    key(&box, Qt::Key_Delete, Qt::NoModifier, "\x7f");
    EXPECT_TRUE(entered);
    EXPECT_EQ(box.text().size(), 19);
    EXPECT_EQ(prompter.shown().size(), 4); // edit keys are never refused
}

TEST(CSpecialEditTest, PasteIsTakenOrRefusedWhole)
{
    ScriptedPrompter prompter;
    CSpecialEdit box(prompter);
    const struct
    {
        const char* clipboard;
        const char* after;
    } cases[] = {
        {"0700 123", ""},
        {"0700123\n", ""},
        {"+0700123", "+0700123"},
    };
    for (const auto& c : cases) {
        box.clear();
        QApplication::clipboard()->setText(c.clipboard);
        key(&box, Qt::Key_V, Qt::ControlModifier, "\x16");
        EXPECT_EQ(box.text(), c.after) << c.clipboard;
    }
    EXPECT_EQ(prompter.texts(), QStringList(2, "Invalid number."));
    // The context menu's Paste obeys the same rule.
    box.clear();
    QApplication::clipboard()->setText("12ab");
    std::unique_ptr<QMenu> menu(box.createCheckedContextMenu());
    int pastes = 0;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith("&Paste")) {
            action->trigger();
            ++pastes;
        }
    }
    EXPECT_EQ(pastes, 1);
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(prompter.texts(), QStringList(3, "Invalid number."));
}

TEST(MessageEditTest, StopsAtItsLimitAndTypesTabs)
{
    MessageEdit box(nullptr, 6);
    type(&box, "ab");
    key(&box, Qt::Key_Tab, Qt::NoModifier, "\t");
    type(&box, "cdefg");
    EXPECT_EQ(box.text(), "ab\tcde");

    box.selectAll();
    QApplication::clipboard()->setText("1\r\n2345678");
    key(&box, Qt::Key_V, Qt::ControlModifier, "\x16");
    EXPECT_EQ(box.text(), "1\n2345"); // a paste is cut to what fits
    key(&box, Qt::Key_Backspace, Qt::NoModifier, "\b");
    type(&box, "xy");
    EXPECT_EQ(box.text(), "1\n234x");
}

} // namespace
