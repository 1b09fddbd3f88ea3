#include "exports/ui/DesktopFileOpener.h"
#include "exports/ui/ExportCommands.h"
#include "exports/ui/ExportOption.h"
#include "exports/ui/ExportResultDialog.h"
#include "exports/ui/FileSaveDialog.h"
#include "exports/ui/StatusChoiceDialog.h"
#include "stores/DataFolder.h"
#include "support/ExportFakes.h"
#include "support/FileBytes.h"
#include "support/NextDialog.h"
#include "widgets/WaitPopup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList buttonTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        texts.append(button->text());
    return texts;
}

TEST(ExportResultDialog, AsksWhetherToOpenTheFile)
{
    ExportResultDialog dialog("Sent Items have been exported successfully.");
    EXPECT_EQ(dialog.windowTitle(), "Message");
    EXPECT_EQ(dialog.text(), "Sent Items have been exported successfully.");
    EXPECT_EQ(dialog.openBox()->text(), "Open exported file.");
    EXPECT_EQ(buttonTexts(dialog), (QStringList{"OK", "Cancel"}));

    const struct
    {
        bool ticked;
        bool ok;
        bool open;
    } cases[] = {{true, true, true}, {false, true, false}, {true, false, false}};
    for (const auto& c : cases) {
        ExportResultDialog each("done");
        each.openBox()->setChecked(c.ticked);
        c.ok ? each.accept() : each.reject();
        EXPECT_EQ(each.openRequested(), c.open);
    }
}

TEST(StatusChoiceDialog, StartsAtAllItemsAndStaysOpenWhileTheCheckRefuses)
{
    QList<StatusChoice> asked;
    bool allow = false;
    StatusChoiceDialog dialog([&](StatusChoice choice) {
        asked.append(choice);
        return allow;
    });
    EXPECT_EQ(dialog.windowTitle(), "Export");
    EXPECT_EQ(dialog.choice(), StatusChoice::All);
    EXPECT_EQ(dialog.button(StatusChoice::Succeeded)->text(), "Only Successfully sent items");
    EXPECT_EQ(dialog.button(StatusChoice::Failed)->text(), "Only Failed items");

    dialog.show();
    dialog.button(StatusChoice::Failed)->setChecked(true);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    allow = true;
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(asked, (QList<StatusChoice>{StatusChoice::Failed, StatusChoice::Failed}));
}

TEST(ExportOptionDialog, PresetsThePeriodAndSendsTheFocusToAnEndBeforeTheStart)
{
    ScriptedPrompter prompter;
    const std::vector<SentItem> records = {{"1", "m", "10/05/2026", "Message sent successfully."}};
    ExportOptionLogic logic(prompter, records, StatusChoice::All, QDate(2026, 5, 31));
    CExport_Option dialog(logic);
    EXPECT_EQ(dialog.windowTitle(), "Export");
    EXPECT_EQ(dialog.startDate()->date(), QDate(2026, 5, 1));
    EXPECT_EQ(dialog.endDate()->date(), QDate(2026, 5, 31));
    EXPECT_EQ(dialog.startDate()->displayFormat(), "dd/MM/yyyy");
    EXPECT_EQ(dialog.format(), ExportFormat::Txt);
    EXPECT_EQ(dialog.formatButton(ExportFormat::Xls)->text(),
              "Export into Excel (97-2003) File (*.xls)");

    dialog.show();
    dialog.endDate()->setDate(QDate(2026, 4, 30));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.endDate());
    EXPECT_EQ(prompter.texts(),
              QStringList{"End date should be greater than or equal to Start date."});

    dialog.endDate()->setDate(QDate(2026, 5, 10));
    dialog.formatButton(ExportFormat::Xlsx)->setChecked(true);
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.options().format, ExportFormat::Xlsx);
    EXPECT_EQ(dialog.options().end, QDate(2026, 5, 10));
}

TEST(FileSaveDialog, OffersTheFiltersAndTheDefaultExtensionFollowsTheChosenOne)
{
    QTemporaryDir dir;
    QStringList filters;
    QStringList suffixes;
    onNextDialog<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        suffixes.append(dialog->defaultSuffix());
        // The user picks the third filter.
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        if (types) {
            types->setCurrentIndex(2);
            // What a click makes the box say.
            emit types->activated(2);
            emit types->textActivated(types->itemText(2));
        }
        suffixes.append(dialog->defaultSuffix());
        dialog->selectFile(dir.filePath("numbers"));
        static_cast<QDialog*>(dialog)->accept();
    });
    FileSaveDialog save(nullptr);
    const auto choice =
        save.askSavePath({ExportFormat::Xls, ExportFormat::Xlsx, ExportFormat::Txt});
    EXPECT_EQ(filters, (QStringList{"Excel(97-2003) Files(*.xls)", "Excel Files(*.xlsx)",
                                    "Text Files(*.txt)"}));
    EXPECT_EQ(suffixes, (QStringList{"xls", "txt"}));
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->filterIndex, 2);
    EXPECT_EQ(choice->path.toStdString(), dir.filePath("numbers.txt").toStdString());
}

TEST(DesktopFileOpener, WithoutADesktopBusTheChooserReportsFailure)
{
    // No bus at this address: the call fails at once instead of hanging.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/quillon-test-bus");
    QTemporaryDir dir;
    WriteBytes(dir.filePath("list.xls"), "data");
    DesktopFileOpener opener(nullptr);
    EXPECT_FALSE(opener.openWithChooser(dir.filePath("list.xls")));
    EXPECT_FALSE(opener.openWithChooser(dir.filePath("missing.xls")));
}

TEST(DesktopFileOpener, TheDefaultApplicationCountsOnlyWhenTheOpenerSucceeds)
{
    // A stand-in xdg-open first on the path, in the test programs' folder where programs may
    // run (a temporary folder may not allow that).
    QTemporaryDir bin(QCoreApplication::applicationDirPath() + "/opener-test-XXXXXX");
    const QString path = qEnvironmentVariable("PATH");
    qputenv("PATH", (bin.path() + u':' + path).toLocal8Bit());
    QTemporaryDir dir;
    WriteBytes(dir.filePath("list.xls"), "data");
    const struct
    {
        const char* script;
        bool opened;
    } cases[] = {
        {"#!/bin/sh\nexit 0\n", true},
        {"#!/bin/sh\nexit 4\n", false}, // no application could take the file
        {"#!/bin/sh\nexit 3\n", false},
        {"#!/bin/sh\nkill -9 $$\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        const QString opener = bin.filePath("xdg-open");
        QFile::remove(opener);
        WriteBytes(opener, c.script);
        QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        DesktopFileOpener desktop(nullptr);
        EXPECT_EQ(desktop.openWithDefault(dir.filePath("list.xls")), c.opened);
    }
    QFile::remove(bin.filePath("xdg-open"));
    DesktopFileOpener desktop(nullptr);
    qputenv("PATH", bin.path().toLocal8Bit()); // no opener at all
    EXPECT_FALSE(desktop.openWithDefault(dir.filePath("list.xls")));
    qputenv("PATH", path.toLocal8Bit());
}

} // namespace
