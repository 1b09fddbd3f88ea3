#include "stores/DataFolder.h"
#include "stores/StoreHooks.h"
#include "stores/TemplateStore.h"
#include "stores/ui/PlainTextComposer.h"
#include "stores/ui/UpdateTemp.h"
#include "stores/ui/ViewTemplates.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FakeImport : public TemplateImportSource
{
public:
    bool choose(QWidget*) override { return true; }
    QStringList readCells() override { return cells; }
    QStringList cells;
};

class TemplatesWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        data.EnsureDataFolder();
        WriteBytes(data.templatesPath(), Utf16Bytes("oldest\nline one|AP*|DX/line two\nnewest\n"));
        window.show();
        settle();
    }
    void settle()
    {
        while (window.isBusy())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        QApplication::processEvents();
    }
    void selectOnly(int row)
    {
        window.list()->selectionModel()->select(window.list()->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
    }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    TemplateStore store{data};
    ScriptedPrompter prompter;
    QPlainTextEdit composerEdit;
    PlainTextComposer composer{composerEdit};
    CViewTemplates window{store, &composer, &prompter};
};

TEST_F(TemplatesWindowTest, UseTemplateReplacesTheComposerSelectionAndCloseSavesTheList)
{
    EXPECT_EQ(window.totalItemsText(), "Total Items : 3");
    composerEdit.setPlainText("Say: XXX!");
    QTextCursor cursor = composerEdit.textCursor();
    cursor.setPosition(5);
    cursor.setPosition(8, QTextCursor::KeepAnchor);
    composerEdit.setTextCursor(cursor);
    selectOnly(1);
    window.onUseTemplate();
    EXPECT_EQ(composerEdit.toPlainText(), "Say: line one\nline two!");
    EXPECT_EQ(composerEdit.textCursor().position(), composerEdit.toPlainText().size());
    EXPECT_TRUE(window.isVisible());

    ASSERT_TRUE(window.logic().updateTemplate(0, "newest, edited"));
    window.reject(); // Escape
    EXPECT_TRUE(window.isVisible());
    window.onClose();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ReadBytes(data.templatesPath()),
              Utf16Bytes("oldest\nline one|AP*|DX/line two\nnewest, edited\n"));
}

TEST_F(TemplatesWindowTest, ImportGoesThroughTheGivenSource)
{
    FakeImport source;
    source.cells = {"newest", "from sheet", ""};
    window.setImportSource(&source);
    window.onImport();
    settle();
    EXPECT_EQ(window.totalItemsText(), "Total Items : 4");
    EXPECT_EQ(window.logic().model().text(0), "from sheet");
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST(UpdateTempTest, TypingStopsAtTheLimitButAStoredLongerTextIsShownWhole)
{
    CUpdateTemp adding(CUpdateTemp::Mode::Add, QString(1590, 'a'), {});
    EXPECT_EQ(adding.windowTitle(), "Add Template");
    EXPECT_EQ(adding.counterText(), "1590 Characters");
    QTextCursor cursor(adding.editor()->document());
    cursor.setPosition(10);
    cursor.insertText(QString(30, 'b'));
    EXPECT_EQ(adding.text(), QString(10, 'a') + QString(10, 'b') + QString(1580, 'a'));
    EXPECT_EQ(adding.counterText(), "1600 Characters");

    CUpdateTemp updating(CUpdateTemp::Mode::Update, QString(2000, 'x'), {});
    EXPECT_EQ(updating.windowTitle(), "Update Template");
    EXPECT_EQ(updating.text().size(), 2000);
    updating.editor()->moveCursor(QTextCursor::End);
    updating.editor()->insertPlainText("more");
    EXPECT_EQ(updating.text().size(), 2000);
    updating.editor()->textCursor().deletePreviousChar();
    EXPECT_EQ(updating.counterText(), "1999 Characters");
}

} // namespace
