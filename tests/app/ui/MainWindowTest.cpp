#include "app/ui/MainWindow.h"

#include "app/ExitSequence.h"
#include "app/QuillonApp.h"
#include "app/ui/DevicePanel.h"
#include "app/ui/OptionsPanel.h"
#include "base/Clock.h"
#include "recipients/ui/MessageEdit.h"
#include "recipients/ui/RecipientTableView.h"
#include "support/ScriptedPrompter.h"
#include "widgets/CSpecialEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

class NoProcesses : public ProcessTable
{
public:
    QList<qint64> processesNamed(const QString&) const override { return {}; }
    void forceEnd(qint64) override {}
};

class NoOpener : public FileOpener
{
public:
    bool openWithDefault(const QString& path) override
    {
        opened.append(path);
        return true;
    }
    bool openWithChooser(const QString&) override { return false; }
    QStringList opened;
};

void press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString& text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &event);
}

// Runs the action while closing every modal window as it opens; the classes of those windows.
QStringList closingModals(const std::function<void()>& action)
{
    QStringList seen;
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [&seen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // A window still loading in the background (disabled) is left to finish first.
        if (dialog && dialog->isEnabled()) {
            seen.append(dialog->metaObject()->className());
            dialog->done(QDialog::Rejected);
        }
    });
    closer.start();
    action();
    closer.stop();
    return seen;
}

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.setPrompter(prompter);
        window.setFileOpener(opener);
        window.show();
    }

    QPushButton* button(const char* name) const
    {
        auto* found = window.findChild<QPushButton*>(QString::fromLatin1(name));
        if (!found)
            ADD_FAILURE() << "no button " << name;
        return found;
    }

    void addRows(const QStringList& numbers)
    {
        for (const QString& number : numbers)
            window.session().recipients().insertRecipient(0, {number, "text"});
    }

    QTemporaryDir dir;
    CQuillonApp app{{dir.filePath("quillon"), "", ""}, Clock::system()};
    NoProcesses processes;
    NoOpener opener;
    ScriptedPrompter prompter;
    CKORV_QuillonDlg window{app, processes};
};

TEST_F(MainWindowTest, OpensWithItsDesignedControlsAndInitialStates)
{
    const QHeaderView* header = window.recipientView()->horizontalHeader();
    EXPECT_EQ(window.session().recipients().headerData(0, Qt::Horizontal), "Number");
    EXPECT_EQ(window.session().recipients().headerData(1, Qt::Horizontal), "Message");
    EXPECT_GE(header->sectionSize(0), 100); // widened to fit a whole number in larger fonts
    // The message column takes the rest: its header in view, no sideways scrolling when empty.
    QApplication::processEvents();
    EXPECT_EQ(header->sectionViewportPosition(1) + header->sectionSize(1),
              window.recipientView()->viewport()->width());
    EXPECT_FALSE(window.recipientView()->horizontalScrollBar()->isVisible());
    EXPECT_EQ(window.numberBox()->maxLength(), 20);
    EXPECT_EQ(window.composer()->limit(), 1600);
    EXPECT_EQ(window.totalNumbersText(), "Total Numbers : 0");
    EXPECT_EQ(window.characterCountText(), "0 Characters");
    QStringList groups;
    for (const QGroupBox* group : window.findChildren<QGroupBox*>())
        groups.append(group->title());
    EXPECT_TRUE(groups.contains("Message Composer :")) << groups.join(", ").toStdString();
    EXPECT_FALSE(window.devicePanel()->showsList());
    EXPECT_EQ(window.devicePanel()->deviceLabel()->text(), "No USB Modem Device is selected.");
    EXPECT_FALSE(window.windowIcon().isNull());

    const OptionsPanel* options = window.optionsPanel();
    EXPECT_EQ(options->messageType()->currentText(), "Standard SMS");
    EXPECT_EQ(options->options(), MainWindowOptions{});
    for (const QComboBox* list :
         {options->pauseEvery(), options->pauseFor(), options->retryCount()})
        EXPECT_FALSE(list->isEnabled());
    EXPECT_EQ(options->pauseFor()->count(), 32);
}

TEST_F(MainWindowTest, ComposerWarnsOfCharactersTheGsmAlphabetCannotCarry)
{
    window.composer()->setPlainText("Dear Mr Garcia €[]{}~|^\\");
    EXPECT_EQ(window.characterCountText(), "24 Characters");
    EXPECT_EQ(window.characterWarningText(), "");

    window.composer()->setPlainText("Dear Mr García “x” ł");
    EXPECT_EQ(window.characterCountText(), "20 Characters");
    EXPECT_TRUE(window.characterWarningText().contains("í “ ” ł"))
        << window.characterWarningText().toStdString();

    window.optionsPanel()->unicode()->setChecked(true);
    ASSERT_TRUE(window.logic().options().unicode);
    EXPECT_EQ(window.characterWarningText(), ""); // Unicode carries them
}

TEST_F(MainWindowTest, TickedOptionsReachTheirReaders)
{
    OptionsPanel* options = window.optionsPanel();
    options->messageType()->setCurrentText("Notification");
    options->unicode()->setChecked(true);
    options->skipDuplicates()->setChecked(true);
    options->retries()->setChecked(true);
    options->delayedDelivery()->setChecked(true);
    window.devicePanel()->quotaBox()->setChecked(true);

    EXPECT_TRUE(window.session().sendOptions().flash());
    EXPECT_TRUE(window.session().sendOptions().unicode());
    EXPECT_TRUE(window.session().runOptions().skipDuplicates);
    EXPECT_TRUE(window.session().runOptions().quotaManagement);
    EXPECT_TRUE(options->pauseEvery()->isEnabled());
    EXPECT_EQ(window.logic().sendInputs({}, {}).retryCount, "1");
}

TEST_F(MainWindowTest, OptOutOptionsReachTheNextRun)
{
    OptionsPanel* options = window.optionsPanel();
    EXPECT_FALSE(options->optOut()->isChecked());
    EXPECT_FALSE(options->optOutKeywords()->isEnabled());
    EXPECT_EQ(options->optOutKeywords()->text(), "STOP, STOP ALL, UNSUBSCRIBE, CANCEL, END, QUIT");
    EXPECT_EQ(options->optOutList()->text(), "Opted out");
    EXPECT_EQ(window.session().sendingContext(prompter, nullptr).optOut, nullptr);

    options->optOut()->setChecked(true);
    EXPECT_TRUE(options->optOutKeywords()->isEnabled());
    options->optOutKeywords()->setText(" halt ,, quit,");
    options->optOutKeywords()->textEdited(options->optOutKeywords()->text());
    options->optOutList()->setText("Replies");
    options->optOutList()->textEdited(options->optOutList()->text());
    const OptOutSettings& settings = window.session().optOut();
    EXPECT_TRUE(settings.enabled);
    EXPECT_EQ(settings.keywords, (QStringList{"halt", "quit"}));
    EXPECT_EQ(settings.listName, "Replies");
    EXPECT_NE(window.session().sendingContext(prompter, nullptr).optOut, nullptr);

    // An emptied list box stands for the usual list; a reset turns the option off.
    options->optOutList()->setText("");
    options->optOutList()->textEdited({});
    EXPECT_EQ(window.session().optOut().listName, "Opted out");
    options->showOptions(window.logic().options().afterReset());
    EXPECT_FALSE(options->optOutList()->isEnabled());
    EXPECT_EQ(options->optOutList()->text(), "Opted out");
}

TEST_F(MainWindowTest, EscapeInAnyControlLeavesTheWindowOpen)
{
    const OptionsPanel* options = window.optionsPanel();
    for (QWidget* control : std::initializer_list<QWidget*>{
             &window, window.numberBox(), window.composer(), window.recipientView(),
             options->unicode(), options->pauseEvery(), button("sendButton")}) {
        press(control, Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible()) << control->metaObject()->className();
    }
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(MainWindowTest, EnterInTheNumberBoxAddsAndCtrlASelectsEveryRow)
{
    press(window.numberBox(), Qt::Key_Return);
    EXPECT_TRUE(prompter.shown().isEmpty()); // an empty box adds nothing and says nothing

    window.composer()->setPlainText("Hello");
    for (const QString number : {"+4470001", "+4470002"}) {
        window.numberBox()->setText(number);
        press(window.numberBox(), Qt::Key_Return);
    }
    ASSERT_EQ(window.session().recipients().count(), 2);
    EXPECT_EQ(window.session().recipients().at(0), (RecipientRow{"+4470002", "Hello"}));
    EXPECT_TRUE(window.numberBox()->text().isEmpty());
    EXPECT_EQ(window.totalNumbersText(), "Total Numbers : 2");

    press(window.recipientView(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window.recipientView()->selectedRows(), (QList<int>{0, 1}));
}

TEST_F(MainWindowTest, EnterOnARowOpensItsEditor)
{
    addRows({"123456"});
    window.recipientView()->selectOnly(0);
    const QStringList opened =
        closingModals([&] { press(window.recipientView(), Qt::Key_Return); });
    EXPECT_EQ(opened, QStringList{"CUpdate_Num_Message"});
}

TEST_F(MainWindowTest, TabInTheComposerReplacesTheSelectionByOneTab)
{
    MessageEdit* composer = window.composer();
    composer->setPlainText("Hello world");
    QTextCursor cursor = composer->textCursor();
    cursor.setPosition(5);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    composer->setTextCursor(cursor);
    composer->setFocus();
    press(composer, Qt::Key_Tab, Qt::NoModifier, "\t");
    EXPECT_EQ(composer->text(), "Hello\t");
    EXPECT_EQ(window.characterCountText(), "6 Characters");
    EXPECT_EQ(window.focusWidget(), composer);
}

TEST_F(MainWindowTest, ResetOnAnEmptyListAsksAndTurnsEveryOptionOff)
{
    OptionsPanel* options = window.optionsPanel();
    for (QCheckBox* box : options->findChildren<QCheckBox*>())
        box->setChecked(true);
    options->pauseEvery()->setCurrentIndex(3);
    options->messageType()->setCurrentText("Notification");
    window.composer()->setPlainText("Hi");
    window.numberBox()->setText("12");

    prompter.answer(true);
    button("resetButton")->click();
    EXPECT_EQ(prompter.texts(), QStringList{"Are you sure you want to continue to reset?"});
    EXPECT_EQ(options->options(), MainWindowOptions{});
    for (const QComboBox* list :
         {options->pauseEvery(), options->pauseFor(), options->retryCount()})
        EXPECT_FALSE(list->isEnabled());
    EXPECT_FALSE(window.session().runOptions().retriesOn);
    EXPECT_FALSE(window.session().sendOptions().flash());
    EXPECT_FALSE(window.session().sendOptions().deliveryReports());
    EXPECT_TRUE(window.composer()->text().isEmpty());
    EXPECT_TRUE(window.numberBox()->text().isEmpty());
    EXPECT_EQ(window.characterCountText(), "0 Characters");
    EXPECT_EQ(window.focusWidget(), window.numberBox());
}

TEST_F(MainWindowTest, WhileBusyResetSentItemsHelpAndExitDoNothing)
{
    app.busyFlag().setBusy(true);
    const QStringList opened = closingModals([&] {
        for (const char* name : {"resetButton", "sentItemsButton", "helpButton", "exitButton"})
            button(name)->click();
        window.close();
    });
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, TextsAndRowsLeaveTheWindowSizeAndTheSplitterAlone)
{
    // At its narrowest, any growth of what the window needs would show in its width.
    window.resize(1, window.height());
    QApplication::processEvents();
    auto* splitter = window.findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    const int width = window.width();
    const QList<int> sizes = splitter->sizes();

    window.composer()->setPlainText(QString(1600, u'\x4E2D'));
    QApplication::processEvents();
    EXPECT_EQ(window.width(), width); // with the warning beside the counter
    QStringList numbers;
    for (int i = 0; i < 2000; ++i)
        numbers.append(QString::number(447700900000LL + i));
    addRows(numbers);
    window.onWaitTimer(WaitTimer::ListOperation);
    window.composer()->setPlainText(QString(1600, u'x'));
    QApplication::processEvents();
    EXPECT_EQ(window.width(), width);
    EXPECT_EQ(splitter->sizes(), sizes);
}

TEST_F(MainWindowTest, HelpWithTheFileMissingSaysSo)
{
    button("helpButton")->click();
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_TRUE(prompter.shown()[0].text.contains("KORVQuillon.chm"));
    EXPECT_TRUE(opener.opened.isEmpty());
}

struct DialogCommand
{
    const char* button; // its object name
    bool withRows;
    const char* opens; // the window's class, or empty when a message answers
    const char* message;
};

TEST_F(MainWindowTest, CommandsReachTheirOwners)
{
    const DialogCommand commands[] = {
        {"addManuallyButton", false, "CManually_Multiple_Num_Add", ""},
        {"viewTemplatesButton", false, "CViewTemplates", ""},
        {"sentItemsButton", false, "CSent_Items", ""},
        {"quotaButton", false, "", "Phone numbers-Messages list is empty."},
        {"quotaButton", true, "CQuota_Dlg", ""},
        {"sendButton", true, "", ""},
    };
    for (const DialogCommand& command : commands) {
        SCOPED_TRACE(command.button);
        window.session().recipients().clear();
        if (command.withRows)
            addRows({"5550001"});
        const int before = int(prompter.shown().size());
        const QStringList opened = closingModals([&] { button(command.button)->click(); });
        EXPECT_EQ(opened,
                  QString(command.opens).isEmpty() ? QStringList() : QStringList{command.opens});
        if (QString(command.message).isEmpty() && QString(command.opens).isEmpty()) {
            ASSERT_EQ(prompter.shown().size(), before + 1); // Send without a device
            EXPECT_TRUE(prompter.shown().last().text.startsWith("Either USB Modem Device"));
        } else if (!QString(command.message).isEmpty()) {
            ASSERT_EQ(prompter.shown().size(), before + 1);
            EXPECT_EQ(prompter.shown().last().text, command.message);
        }
    }
}

TEST_F(MainWindowTest, HooksAreCalledAndTheDeviceAreaRefreshesAfterTheWizard)
{
    QStringList called;
    MainWindowHooks hooks;
    hooks.loadContactsFromFile = [&](CKORV_QuillonDlg& w) { called << "load"; };
    hooks.dynamicExcelWizard = [&](CKORV_QuillonDlg&) { called << "excel"; };
    hooks.exclusionListWizard = [&](CKORV_QuillonDlg&) { called << "exclusion"; };
    hooks.modemConnectionWizard = [&](CKORV_QuillonDlg& w) {
        called << "wizard";
        w.session().devices().setChoiceList({{"COM3 - Modem at COM3", 3}}, 0);
    };

    // Unset hooks do nothing.
    for (const char* name :
         {"loadContactsButton", "exclusionWizardButton", "dynamicExcelButton", "wizardButton"})
        button(name)->click();
    EXPECT_FALSE(window.devicePanel()->showsList());

    window.setHooks(hooks);
    for (const char* name : {"loadContactsButton", "exclusionWizardButton", "dynamicExcelButton"})
        button(name)->click();
    ClickableLabel* label = window.devicePanel()->deviceLabel();
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), label->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &click);
    EXPECT_EQ(called, (QStringList{"load", "exclusion", "excel", "wizard"}));
    EXPECT_TRUE(window.devicePanel()->showsList());
    EXPECT_EQ(window.devicePanel()->deviceList()->currentText(), "COM3 - Modem at COM3");
}

TEST_F(MainWindowTest, WaitTimersShowTheirTextsAndTheTotal)
{
    window.startWaitTimer(WaitTimer::ListOperation);
    EXPECT_EQ(window.waitText(), "It may take a while, Please wait...");
    addRows({"111", "222", "333"});
    window.onWaitTimer(WaitTimer::ListOperation);
    EXPECT_EQ(window.totalNumbersText(), "Total Numbers : 3");

    window.startWaitTimer(WaitTimer::ClearTexts);
    EXPECT_TRUE(window.waitText().isEmpty());
    window.killWaitTimer(WaitTimer::ClearTexts);
    window.startWaitTimer(WaitTimer::Import);
    EXPECT_EQ(window.waitText(), "Importing contacts from file, Please wait ...");

    window.killWaitTimer(WaitTimer::ListOperation);
    EXPECT_TRUE(window.waitTimerActive(WaitTimer::Import));
    window.killWaitTimer(WaitTimer::Import);
    EXPECT_FALSE(window.waitTimerActive(WaitTimer::Import));
    EXPECT_TRUE(window.waitText().isEmpty());
}

TEST_F(MainWindowTest, ClearingAfterSendingFromAnotherThreadEmptiesTheFields)
{
    addRows({"111", "222"});
    window.composer()->setPlainText("Hi");
    std::thread([&] { window.clearMainWindowFields(); }).join();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.session().recipients().isEmpty());
    EXPECT_TRUE(window.composer()->text().isEmpty());
    EXPECT_EQ(window.totalNumbersText(), "Total Numbers : 0");
}

} // namespace

TEST_F(MainWindowTest, ComposerShowsItsPartsAndThePreviewOpensFromTheWindow)
{
    window.composer()->setPlainText(QString(161, u'a'));
    auto* parts = window.findChild<QLabel*>("composerParts");
    ASSERT_NE(parts, nullptr);
    EXPECT_EQ(parts->text(), "2 SMS, GSM 7-bit");
    window.composer()->setPlainText("Caf\u00E9 \u201Cx\u201D");
    EXPECT_EQ(parts->text(), "1 SMS, GSM 7-bit") << "sent with the nearest GSM letters";
    window.optionsPanel()->unicode()->setChecked(true);
    EXPECT_EQ(parts->text(), "1 SMS, UCS2");
    window.composer()->setPlainText(QString(100, u'\u0131'));
    EXPECT_EQ(parts->text(), "2 SMS, UCS2");
    window.optionsPanel()->nationalLanguages()->setChecked(true);
    ASSERT_TRUE(window.logic().options().nationalLanguages);
    EXPECT_TRUE(window.session().sendOptions().nationalLanguages());
    EXPECT_EQ(parts->text(), "1 SMS, GSM 7-bit with national tables");

    addRows({"5550001"});
    EXPECT_EQ(closingModals([&] { button("previewButton")->click(); }),
              QStringList{"CampaignPreviewDlg"});
}
