#include "WholeProgram.h"
#include "app/QuillonApp.h"
#include "app/ui/DevicePanel.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MainWindowWiring.h"
#include "devices/ui/CPhone_List_Dlg.h"
#include "exports/ui/StatusChoiceDialog.h"
#include "recipients/ui/MessageEdit.h"
#include "sending/SendQueueModel.h"
#include "sending/SendingRun.h"
#include "sending/ui/CSMS_Sending.h"
#include "spreadsheet/Spreadsheet.h"
#include "support/DeviceWindowFixture.h"
#include "support/ExportFakes.h"
#include "widgets/CSpecialEdit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <map>
#include <set>

namespace {

void pressEnter(QWidget* widget)
{
    QKeyEvent event(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The first column of every row of the first sheet, header included.
QStringList firstColumn(const QString& path)
{
    class Collect : public CellSink
    {
    public:
        bool cell(std::uint32_t, std::uint32_t column, const CellValue& value) override
        {
            if (column == 1)
                cells.append(value.text.toString());
            return true;
        }
        QStringList cells;
    } sink;
    SpreadsheetError error;
    const std::unique_ptr<Workbook> book = OpenWorkbook(path, error);
    if (!book || !book->readCells(0, sink).ok())
        return {};
    return sink.cells;
}

const QString Message = QStringLiteral("Quillon flow check");
const QStringList Typed{"+447700900101", "+447700900102"};

// The program as a user meets it: three simulated modems (the second text mode only), the real
// main window with the real command wiring, a program folder of its own, designed waits run
// fifty times faster.
class WholeFlowTest : public DeviceDialogFixture
{
protected:
    void SetUp() override
    {
        modems.start({"", "text-only", ""});
        QFile numbers(home.filePath("numbers.txt"));
        ASSERT_TRUE(numbers.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 5; ++i)
            numbers.write(QStringLiteral("+44770090020%1\r\n").arg(i).toUtf8());
        numbers.close();

        window.setPrompter(prompter);
        window.setHooks(MakeMainWindowHooks(
            nullptr, [this](QWidget*, const QString&) { return home.filePath("numbers.txt"); }));
        window.exports() = ExportCommands({&exportPrompter, &saveDialog, &worker, &result, {}});
        window.show();
    }

    QTemporaryDir home;
    PortsEnvironment portsVariable{modems.folder()};
    Clock fastClock{50};
    CQuillonApp app{{home.filePath("bin/quillon"), home.filePath("data"), ""}, fastClock};
    NoProcesses processes;
    CKORV_QuillonDlg window{app, processes};
    ScriptedPrompter exportPrompter;
    ScriptedSaveDialog saveDialog;
    ThreadExportWorker worker;
    ScriptedResultPrompt result;
    ModalDriver driver;
};

TEST_F(WholeFlowTest, ScanTypeImportSendAndExport)
{
    // The connection wizard: wait for the scan, keep every device.
    driver.on("CPhone_List_Dlg", [](QWidget* wizard) {
        auto* list = named<QTreeWidget>(wizard, "deviceList");
        if (list->topLevelItemCount() == 3 && list->isEnabled() &&
            !named<QPushButton>(wizard, "stopButton")->isEnabled())
            clickLater(named<QPushButton>(wizard, "confirmButton"));
    });
    window.devicePanel()->wizardButton()->click();
    ASSERT_TRUE(window.devicePanel()->showsList());
    QComboBox* devices = window.devicePanel()->deviceList();
    devices->setCurrentIndex(devices->findText(AllDeviceText()));
    ASSERT_EQ(devices->currentText(), AllDeviceText());

    // Numbers typed one by one, then a file of five appended.
    window.composer()->setPlainText(Message);
    for (const QString& number : Typed) {
        window.numberBox()->setText(number);
        pressEnter(window.numberBox());
    }
    prompter.answer(Prompter::Answer::No); // keep the typed numbers
    named<QPushButton>(&window, "loadContactsButton")->click();
    ASSERT_TRUE(processUntil([&] { return window.session().recipients().count() == 7; }));
    EXPECT_EQ(window.totalNumbersText(), "Total Numbers : 7");

    // Send; when the run has finished, export every status, then close the run window.
    bool exported = false;
    QStringList statuses, sentTo;
    driver.on("CSMS_Sending", [&](QWidget* widget) {
        auto* run = static_cast<CSMS_Sending*>(widget);
        // The buttons change a refresh after the status: act on what a user can press.
        if (run->statusText() != "Finish." || !run->exportButton()->isVisible() ||
            !run->exportButton()->isEnabled() || run->stopButton()->text() != "Close" ||
            !run->run().waitUntilSettled(std::chrono::milliseconds(0)))
            return;
        if (!exported) {
            exported = true;
            for (int row = 0; row < run->model().rowCount(); ++row) {
                statuses.append(
                    run->model().data(run->model().index(row, StatusColumn)).toString());
                sentTo.append(run->model().data(run->model().index(row, NumberColumn)).toString());
            }
            clickLater(run->exportButton());
        } else if (!result.shown.isEmpty()) {
            clickLater(run->stopButton());
        }
    });
    // The preview of Send goes on as it is.
    driver.on("CampaignPreviewDlg",
              [](QWidget* preview) { clickLater(named<QPushButton>(preview, "continueButton")); });
    // Every row already carries the composer text: the change question goes on as it is.
    driver.on("CSend_Msg_Info", [](QWidget* question) {
        clickLater(named<QPushButton>(question, "continueButton"));
    });
    driver.on("StatusChoiceDialog", [](QWidget* choice) {
        clickLater(choice->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
    });
    const QString exportPath = home.filePath("statuses.xlsx");
    saveDialog.choose(exportPath, 1);
    named<QPushButton>(&window, "sendButton")->click();
    ASSERT_TRUE(processUntil(
        [&] { return exported && !result.shown.isEmpty() && !QApplication::activeModalWidget(); }));

    EXPECT_EQ(statuses, QStringList(7, "Message sent successfully."));
    const std::vector<sim::AirMessage> air = modems.air();
    QStringList delivered;
    std::set<QString> modemsUsed;
    for (const sim::AirMessage& message : air) {
        delivered.append(message.destination);
        modemsUsed.insert(message.port);
        EXPECT_EQ(message.text, Message);
        EXPECT_EQ(message.mode, message.port == "COM5" ? "text" : "pdu")
            << message.port.toStdString();
    }
    delivered.sort();
    sentTo.sort();
    EXPECT_EQ(delivered, sentTo);
    EXPECT_EQ(modemsUsed.size(), 3u);

    const QStringList exportedNumbers = firstColumn(exportPath);
    ASSERT_EQ(exportedNumbers.size(), 8) << exportedNumbers.join(',').toStdString();
    for (const QString& number : sentTo)
        EXPECT_TRUE(exportedNumbers.contains(number)) << number.toStdString();
    EXPECT_TRUE(driver.seen().count("CSMS_Sending"));
    EXPECT_TRUE(prompter.allAnswersUsed());
    EXPECT_EQ(prompter.shown().size(), 1); // the replace-or-append question only
}

} // namespace
