#include "stores/DataFolder.h"
#include "stores/ExclusionSet.h"
#include "stores/ExclusionWizard.h"
#include "stores/ui/CExclusion_Wizard.h"
#include "stores/ui/ExclusionWizardCommand.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"
#include "widgets/CSpecialEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void press(QWidget* target, int key, const QString& text = QString())
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &event);
}

void type(QWidget* target, const QString& text)
{
    for (const QChar c : text)
        press(target, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A, QString(c));
}

class ExclusionWizardWindowTest : public ::testing::Test
{
protected:
    ExclusionWizardWindowTest() { data.EnsureDataFolder(); }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    ScriptedPrompter prompter;
};

TEST_F(ExclusionWizardWindowTest, BoxesKeepTheirLimitsAndKeysWork)
{
    CExclusion_Wizard window(data, prompter, {});
    window.show();
    window.onAddNew();
    type(window.nameBox(), QString(60, 'n'));
    EXPECT_EQ(window.nameBox()->text(), QString(50, 'n'));
    window.nameBox()->setText("Staff");
    window.onNext();
    ASSERT_EQ(window.logic().page(), ExclusionWizard::Page::Numbers);

    type(window.numberBox(), "0123456789012345678901");
    EXPECT_EQ(window.numberBox()->text().size(), 20);
    window.numberBox()->setText("0700");
    press(window.numberBox(), Qt::Key_Return);
    EXPECT_EQ(window.logic().numbers(), QStringList{"0700"});
    EXPECT_TRUE(window.numberBox()->text().isEmpty());
    EXPECT_EQ(window.totalNumbersText(), "Total Numbers : 1");

    window.numberList()->selectAll();
    press(window.numberList(), Qt::Key_Delete);
    EXPECT_TRUE(window.logic().numbers().isEmpty());
    EXPECT_EQ(window.totalNumbersText(), "Total Numbers : 0");

    // Escape closes; the removal left unsaved changes, declined here.
    prompter.answer(false);
    press(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(ExclusionWizardWindowTest, EntryPointSavesAListPutsItInUseAndReloadsTheSet)
{
    ExclusionSet set;
    prompter.answer(true).answer(true);
    QTimer::singleShot(0, [] {
        auto* window = qobject_cast<CExclusion_Wizard*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->onAddNew();
        window->nameBox()->setText("Staff");
        window->onNext();
        window->numberBox()->setText("0700");
        window->onAddNumber();
        window->onSaveList();
        window->onAddAll();
        window->onSaveInUse();
        window->reject();
    });

    OpenExclusionWizard(nullptr, {data, prompter, set, true});

    EXPECT_EQ(ReadBytes(data.appExclusionPath()), Utf16Bytes("Staff\n"));
    EXPECT_TRUE(set.IsExcluded("0700"));
    EXPECT_TRUE(prompter.allAnswersUsed());
}

} // namespace
