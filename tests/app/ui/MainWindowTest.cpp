#include "app/ui/MainWindow.h"

#include "app/ExitSequence.h"
#include "app/QuillonApp.h"
#include "modem/Clock.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class NoProcesses : public ProcessTable
{
public:
    QList<qint64> processesNamed(const QString&) const override { return {}; }
    void forceEnd(qint64) override {}
};

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.setPrompter(prompter);
        window.show();
    }

    QTemporaryDir dir;
    CQuillonApp app{{dir.filePath("quillon"), "", ""}, Clock::system()};
    NoProcesses processes;
    ScriptedPrompter prompter;
    CKORV_QuillonDlg window{app, processes};
};

TEST_F(MainWindowTest, EscapeNeverClosesTheWindow)
{
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(MainWindowTest, ClosingAsksAndStaysOpenOnNo)
{
    prompter.answer(false).answer(true);
    window.close();
    EXPECT_TRUE(window.isVisible());
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(prompter.allAnswersUsed());
}

} // namespace
