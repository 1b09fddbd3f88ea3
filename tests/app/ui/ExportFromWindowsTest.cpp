#include "exports/ui/ExportCommands.h"
#include "exports/ui/ExportOption.h"
#include "exports/ui/StatusChoiceDialog.h"
#include "stores/DataFolder.h"
#include "stores/SentItemStore.h"
#include "stores/TemplateStore.h"
#include "stores/ui/SentItems.h"
#include "stores/ui/ViewTemplates.h"
#include "support/ExportFakes.h"
#include "support/FileBytes.h"
#include "support/NextDialog.h"
#include "widgets/WaitPopup.h"

#include <QApplication>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

// The windows of the stores with the real exports behind them, as the program wires them.
namespace {

class ExportWindowsTest : public ::testing::Test
{
protected:
    template <typename Window> void settle(Window& window)
    {
        while (window.isBusy())
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        QApplication::processEvents();
    }
    QString at(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    FakeExportDesk desk;
    // The real export thread, wait pop-up and cursor; the desktop's dialogs scripted.
    ExportCommands exports{
        ExportSeams{&desk.prompter, &desk.dialog, nullptr, &desk.result, &desk.opener}};
};

TEST_F(ExportWindowsTest, TemplatesExportOverTheWindowAndLeaveItAsItWas)
{
    data.EnsureDataFolder();
    WriteBytes(data.templatesPath(), Utf16Bytes("oldest\nnewest\n"));
    TemplateStore store{data};
    CViewTemplates window{store, nullptr, &desk.prompter};
    window.setExport(&exports);
    window.show();
    settle(window);

    desk.dialog.choose(at("templates"), 2);
    window.onExport();
    EXPECT_EQ(desk.result.shown,
              QStringList{"Template Message List has been exported successfully."});
    const QByteArray text = ReadBytes(at("templates.txt"));
    EXPECT_LT(text.indexOf(Utf16Bytes("S.No : 1\r\n---------\r\nMessage  : newest", false)),
              text.indexOf(Utf16Bytes("S.No : 2\r\n---------\r\nMessage  : oldest", false)));

    desk.dialog.choose(at("missing/templates"), 0);
    window.onExport();
    EXPECT_EQ(desk.prompter.texts(),
              QStringList{"Error in file.\n\nOR\n\nThere is not enough space on the disk."});
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(window.isEnabled());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(window.findChildren<WaitPopup*>().isEmpty());
        QApplication::processEvents();
    }
    EXPECT_FALSE(exports.isRunning());
}

TEST_F(ExportWindowsTest, SentItemsGoThroughTheStatusChoiceAndTheExportOptions)
{
    SentItemStore store{data};
    const QDate today = QDate::currentDate();
    ASSERT_TRUE(store.Append("111", "sent", "Message sent successfully.", today));
    ASSERT_TRUE(store.Append("222", "failed", "Error : +CMS ERROR: 500", today));
    ASSERT_TRUE(store.Append("333", "old", "Error : +CMS ERROR: 500", today.addDays(-40)));
    CSent_Items window{store, &desk.prompter};
    window.setExport(&exports);
    window.show();
    settle(window);

    bool runningMeanwhile = false;
    onNextDialog<StatusChoiceDialog>([&](StatusChoiceDialog* dialog) {
        runningMeanwhile = exports.isRunning();
        dialog->setChoice(StatusChoice::Failed);
        dialog->accept();
    });
    onNextDialog<CExport_Option>([](CExport_Option* dialog) {
        dialog->formatButton(ExportFormat::Xlsx)->setChecked(true);
        dialog->accept();
    });
    desk.dialog.choose(at("failed"));
    window.onExport();

    EXPECT_TRUE(runningMeanwhile);
    ASSERT_EQ(desk.dialog.offered.size(), 1);
    EXPECT_EQ(desk.dialog.offered[0], QList<ExportFormat>{ExportFormat::Xlsx});
    EXPECT_EQ(desk.result.shown, QStringList{"Sent Items have been exported successfully."});
    EXPECT_TRUE(ReadBytes(at("failed.xlsx")).startsWith("PK"));
    EXPECT_TRUE(desk.prompter.shown().isEmpty());
    EXPECT_FALSE(exports.isRunning());
}

} // namespace
