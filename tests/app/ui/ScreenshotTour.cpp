#include "WholeProgram.h"
#include "app/QuillonApp.h"
#include "app/ui/DevicePanel.h"
#include "app/ui/MainWindow.h"
#include "app/ui/MainWindowWiring.h"
#include "recipients/ui/MessageEdit.h"
#include "sending/SendingRun.h"
#include "sending/ui/CSMS_Sending.h"
#include "support/DeviceWindowFixture.h"
#include "support/ExportFakes.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>

// Not a test: `scripts/screenshots` runs it to picture the main window and each of its windows
// with realistic content. QUILLON_SCREENSHOTS names the output folder, QUILLON_DEMO the demo
// folder (contacts.xlsx, QUILLON_DATA).

namespace {

void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + "/" + entry.fileName();
        if (entry.isDir())
            copyFolder(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

// The window's own Close when it has one (some ignore Escape), else Escape; again until it
// has gone, as a window still loading refuses to close.
void closeWindow(QWidget* window)
{
    if (!window->isVisible())
        return;
    if (window->isEnabled()) {
        QAbstractButton* close = nullptr;
        for (QAbstractButton* candidate : window->findChildren<QAbstractButton*>())
            if (candidate->text() == "Close" && candidate->isVisible())
                close = candidate;
        if (close)
            close->click();
        else
            static_cast<QDialog*>(window)->reject();
    }
    QTimer::singleShot(100, window, [window] { closeWindow(window); });
}

class ScreenshotTour : public DeviceDialogFixture
{
protected:
    void SetUp() override
    {
        out = qEnvironmentVariable("QUILLON_SCREENSHOTS");
        demo = qEnvironmentVariable("QUILLON_DEMO");
        ASSERT_FALSE(out.isEmpty());
        ASSERT_TRUE(QFile::exists(demo + "/contacts.xlsx"));
        QDir().mkpath(out);
        copyFolder(demo + "/QUILLON_DATA", home.filePath("QUILLON_DATA"));
        modems.start({"", "text-only", ""});
        ports = std::make_unique<PortsEnvironment>(modems.folder());
        app = std::make_unique<CQuillonApp>(
            StartupEnvironment{home.filePath("bin/quillon"), home.path(), ""}, fastClock);
        window = std::make_unique<CKORV_QuillonDlg>(*app, processes);
        window->setHooks(MakeMainWindowHooks(
            nullptr, [this](QWidget*, const QString&) { return demo + "/contacts.xlsx"; }));
        window->exports() = ExportCommands({nullptr, &saveDialog, nullptr, nullptr, nullptr});
        window->resize(1100, 760);
        window->show();
    }

    // Saves the window as `name`.png once it has painted its current state.
    void shoot(QWidget* widget, const QString& name)
    {
        QApplication::processEvents();
        widget->repaint();
        EXPECT_TRUE(widget->grab().save(out + "/" + name + ".png")) << name.toStdString();
        shot.insert(name);
    }

    // Pictures a modal window the first time it is on top, then runs `then` on it.
    void picture(
        const char* className, const QString& name,
        std::function<void(QWidget*)> then = [](QWidget* w) { static_cast<QDialog*>(w)->reject(); })
    {
        driver.on(className, [this, name, then](QWidget* w) {
            if (shot.count(name))
                return;
            shoot(w, name);
            QTimer::singleShot(0, w, [w, then] { then(w); });
        });
    }

    QTemporaryDir home;
    Clock fastClock{50};
    std::unique_ptr<PortsEnvironment> ports;
    std::unique_ptr<CQuillonApp> app;
    NoProcesses processes;
    std::unique_ptr<CKORV_QuillonDlg> window;
    ScriptedSaveDialog saveDialog; // exports stop at the file name
    ModalDriver driver;
    QString out, demo;
    std::set<QString> shot;
};

TEST_F(ScreenshotTour, DISABLED_EveryWindow)
{
    // Any message on the way is answered with its default button.
    driver.on("QMessageBox", [](QWidget* widget) {
        auto* box = static_cast<QMessageBox*>(widget);
        std::cout << "message: " << box->text().toStdString() << "\n";
        if (QAbstractButton* yes = box->button(QMessageBox::Yes))
            clickLater(yes);
        else
            QTimer::singleShot(0, box, &QDialog::accept);
    });
    // The connection wizard once its scan has listed the three modems; all are kept.
    driver.on("CPhone_List_Dlg", [this](QWidget* wizard) {
        auto* list = named<QTreeWidget>(wizard, "deviceList");
        if (shot.count("connection-wizard") || list->topLevelItemCount() < 3 ||
            !list->isEnabled() || named<QPushButton>(wizard, "stopButton")->isEnabled())
            return;
        shoot(wizard, "connection-wizard");
        clickLater(named<QPushButton>(wizard, "confirmButton"));
    });
    window->devicePanel()->wizardButton()->click();
    QComboBox* devices = window->devicePanel()->deviceList();
    devices->setCurrentIndex(devices->findText(AllDeviceText()));

    // The numbers of the demo workbook (its first column) and a message.
    window->composer()->setPlainText(
        "Dear customer, your order is ready for collection at our Main Street shop. "
        "Opening hours 9:00-18:00.");
    picture("CExcel_Info_Dlg", "import-columns", [](QWidget* dialog) {
        for (QAbstractButton* box : dialog->findChildren<QAbstractButton*>())
            if (box->isCheckable() && box->isEnabled()) {
                box->setChecked(true);
                break;
            }
        clickLater(button(dialog, "OK"));
    });
    named<QPushButton>(window.get(), "loadContactsButton")->click();
    processUntil([this] { return window->session().recipients().count() > 0; }, 5000);
    shoot(window.get(), "main-window");

    // Device settings and their connection test.
    picture("CAutomated_GSM_Sending", "connection-test",
            [](QWidget* test) { clickLater(named<QPushButton>(test, "closeButton")); });
    driver.on("CSelected_Device_Details_GSM", [this](QWidget* review) {
        if (!shot.count("device-settings")) {
            shoot(review, "device-settings");
            clickLater(named<QPushButton>(review, "troubleshootingButton"));
        } else if (shot.count("connection-test")) {
            QTimer::singleShot(0, review, [review] { static_cast<QDialog*>(review)->reject(); });
        }
    });
    window->devicePanel()->settingsButton()->click();

    picture("CQuota_Dlg", "quota");
    window->devicePanel()->quotaButton()->click();

    // A run to its end, then its window; the preview comes first.
    driver.on("CampaignPreviewDlg", [this](QWidget* preview) {
        if (!shot.count("campaign-preview"))
            shoot(preview, "campaign-preview");
        clickLater(named<QPushButton>(preview, "continueButton"));
    });
    driver.on("CSend_Msg_Info", [](QWidget* question) {
        clickLater(named<QPushButton>(question, "continueButton"));
    });
    driver.on("CSMS_Sending", [this](QWidget* widget) {
        auto* run = static_cast<CSMS_Sending*>(widget);
        if (shot.count("sending") || run->statusText() != "Finish." ||
            run->stopButton()->text() != "Close" ||
            !run->run().waitUntilSettled(std::chrono::milliseconds(0)))
            return;
        run->refresh();
        shoot(run, "sending");
        clickLater(run->stopButton());
    });
    named<QPushButton>(window.get(), "sendButton")->click();
    processUntil([this] { return shot.count("sending") && !QApplication::activeModalWidget(); });

    for (const char* name : {"main-window", "connection-wizard", "device-settings",
                             "connection-test", "campaign-preview", "sending"})
        EXPECT_TRUE(shot.count(name)) << name;
    std::cout << "Pictured:";
    for (const QString& name : shot)
        std::cout << " " << name.toStdString();
    std::cout << "\nWindows seen:";
    for (const QString& name : driver.seen())
        std::cout << " " << name.toStdString();
    std::cout << "\n";
}

} // namespace
