#include "app/ui/MainWindow.h"

#include "app/ComposerParts.h"
#include "app/ComposerWarning.h"
#include "app/QuillonApp.h"
#include "app/ui/AppIcons.h"
#include "app/ui/DevicePanel.h"
#include "app/ui/OptionsPanel.h"
#include "app/ui/WindowStatusExport.h"
#include "recipients/ui/MessageEdit.h"
#include "recipients/ui/RecipientTableView.h"
#include "sending/ui/CSend_Msg_Info.h"
#include "widgets/CSpecialEdit.h"
#include "widgets/WaitPopup.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

CKORV_QuillonDlg::CKORV_QuillonDlg(CQuillonApp& app, ProcessTable& processes, QWidget* parent)
    : QDialog(parent), m_app(app), m_processes(processes), m_boxes(this), m_prompter(m_boxes),
      m_session(app.dataFolder(), app.clock()), m_desktopOpener(this),
      m_composerQuestion(new CSend_Msg_Info(this)),
      m_logic(std::make_unique<MainWindowLogic>(
          app, m_session,
          MainWindowLogic::Services{m_prompter, processes, &m_desktopOpener, *m_composerQuestion}))
{
    m_launcher = std::make_unique<SendLauncher>(
        m_logic->sendPreparation(), m_session.probe(),
        [this] { return m_session.sendingContext(m_prompter, this); },
        [this](QWidget* window) -> std::unique_ptr<ProcessStatusExport> {
            return std::make_unique<WindowStatusExport>(&m_exports, window);
        });

    setWindowTitle(tr("KORV Quillon"));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    m_logic->setPreviewWindow(this);
    buildLayout();
    connectControls();
    m_options->showOptions(m_logic->options());
    m_logic->initialise();
    m_devices->refresh();
    refreshTotal();
    refreshCharacters();
    resize(1100, 720);
    m_number->setFocus();
    // Once the window is up (and a test has given its prompter): the question about a run that
    // stopped before its end.
    QTimer::singleShot(0, this, &CKORV_QuillonDlg::offerUnfinishedRun);
}

CKORV_QuillonDlg::~CKORV_QuillonDlg()
{
    for (auto& [timer, qtimer] : m_timers)
        qtimer->stop();
}

void CKORV_QuillonDlg::setPrompter(Prompter& prompter)
{
    m_prompter.setTarget(prompter);
    m_scripted = true;
}

void CKORV_QuillonDlg::setFileOpener(FileOpener& opener)
{
    m_logic->setFileOpener(opener);
}

Prompter* CKORV_QuillonDlg::dialogPrompter()
{
    // Opened windows use their own message boxes unless the answers are scripted.
    return m_scripted ? &m_prompter : nullptr;
}

void CKORV_QuillonDlg::buildLayout()
{
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildRecipientArea());

    auto* side = new QWidget(splitter);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(buildComposerArea(), 1);
    m_options = new OptionsPanel(side);
    sideLayout->addWidget(m_options);
    m_devices = new DevicePanel(m_session.devices(), side);
    sideLayout->addWidget(m_devices);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buildCommandRow());
}

QWidget* CKORV_QuillonDlg::buildRecipientArea()
{
    auto* box = new QGroupBox(tr("Phone Numbers and Messages"), this);
    auto* layout = new QVBoxLayout(box);

    auto* entry = new QHBoxLayout;
    m_number = new CSpecialEdit(m_prompter, box);
    m_number->setObjectName(QStringLiteral("numberBox"));
    m_number->setMaxLength(20);
    m_number->setPlaceholderText(tr("Phone number"));
    m_number->setToolTip(tr("Type a number and press Enter to add it with the composer text."));
    entry->addWidget(m_number, 1);
    entry->addWidget(commandButton("addButton", tr("Add"), "list-add", QStyle::SP_DialogYesButton,
                                   &CKORV_QuillonDlg::onAdd));
    layout->addLayout(entry);

    auto* sources = new QGridLayout;
    sources->addWidget(commandButton("loadContactsButton", tr("Load Contacts From File"),
                                     "document-open", QStyle::SP_DialogOpenButton,
                                     &CKORV_QuillonDlg::onLoadContacts,
                                     tr("Import numbers and messages from a text file or an "
                                        "Excel workbook.")),
                       0, 0);
    sources->addWidget(commandButton("addManuallyButton", tr("Add or Paste numbers Manually"),
                                     "edit-paste", QStyle::SP_FileDialogContentsView,
                                     &CKORV_QuillonDlg::onAddManually),
                       0, 1);
    sources->addWidget(commandButton("dynamicExcelButton",
                                     tr("Send unique or personalized SMS to every Contact using "
                                        "Excel"),
                                     "x-office-spreadsheet", QStyle::SP_FileDialogDetailedView,
                                     &CKORV_QuillonDlg::onDynamicExcel,
                                     tr("Build each row's message from workbook columns.")),
                       1, 0, 1, 2);
    layout->addLayout(sources);

    m_list = new RecipientTableView(box);
    m_list->setModel(&m_session.recipients());
    m_list->setToolTip(tr("Enter or double-click edits a row, Delete clears the selected rows."));
    layout->addWidget(m_list, 1);

    auto* listCommands = new QHBoxLayout;
    m_total = new QLabel(box);
    // Counters grow with the list and the composer text; the window's width and its splitter
    // stay where the user put them, so their texts never ask for more room than there is.
    m_total->setMinimumWidth(1);
    listCommands->addWidget(m_total);
    listCommands->addStretch();
    listCommands->addWidget(commandButton("updateSelectedButton", tr("Update Selected Messages"),
                                          "document-edit", QStyle::SP_FileDialogDetailedView,
                                          &CKORV_QuillonDlg::onUpdateSelected));
    listCommands->addWidget(commandButton("clearSelectedButton", tr("Clear Selected"),
                                          "edit-delete", QStyle::SP_TrashIcon,
                                          &CKORV_QuillonDlg::onClearSelected));
    listCommands->addWidget(commandButton("clearAllButton", tr("Clear All"), "edit-clear-all",
                                          QStyle::SP_DialogResetButton,
                                          &CKORV_QuillonDlg::onClearAll));
    listCommands->addWidget(commandButton("exportButton", tr("Export"), "document-save-as",
                                          QStyle::SP_DialogSaveButton, &CKORV_QuillonDlg::onExport,
                                          tr("Write the list to a text, HTML or Excel file.")));
    layout->addLayout(listCommands);
    return box;
}

QWidget* CKORV_QuillonDlg::buildComposerArea()
{
    auto* box = new QGroupBox(tr("Message Composer :"), this);
    auto* layout = new QVBoxLayout(box);
    m_composer = new MessageEdit(box);
    m_composer->setToolTip(tr("The text that added numbers receive; at most 1600 characters."));
    m_composerAccess = std::make_unique<PlainTextComposer>(*m_composer);
    layout->addWidget(m_composer, 1);

    // The counts on a line of their own: beside the buttons a narrow composer would squeeze
    // them out of sight.
    auto* counts = new QHBoxLayout;
    m_characters = new QLabel(box);
    m_characters->setMinimumWidth(1);
    counts->addWidget(m_characters);
    m_parts = new QLabel(box);
    m_parts->setObjectName(QStringLiteral("composerParts"));
    m_parts->setMinimumWidth(1);
    m_parts->setToolTip(tr("The SMS this text takes in PDU mode, and their alphabet."));
    counts->addWidget(m_parts, 1);
    layout->addLayout(counts);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(commandButton("viewTemplatesButton", tr("View Templates"),
                                 "document-open-recent", QStyle::SP_FileDialogListView,
                                 &CKORV_QuillonDlg::onViewTemplates));
    row->addWidget(commandButton("applyMessageButton", tr("Apply this message to list items"),
                                 "go-previous", QStyle::SP_ArrowLeft,
                                 &CKORV_QuillonDlg::onApplyMessage,
                                 tr("Copy the composer text into all, the selected or the blank "
                                    "rows.")));
    layout->addLayout(row);
    layout->addLayout(buildCharacterWarning(box));
    return box;
}

// On a line of its own under the counter, so that neither the icon nor a long text asks the
// window or the splitter for more room.
QLayout* CKORV_QuillonDlg::buildCharacterWarning(QWidget* box)
{
    auto* row = new QHBoxLayout;
    m_warningIcon = new QLabel(box);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_warningIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize));
    row->addWidget(m_warningIcon);
    m_characterWarning = new QLabel(box);
    m_characterWarning->setMinimumWidth(1);
    m_characterWarning->setToolTip(
        tr("With \"Enable non-English (Unicode) characters support\" off, Send asks whether to "
           "send such rows as Unicode or with the nearest GSM letters."));
    row->addWidget(m_characterWarning, 1);
    return row;
}

QLayout* CKORV_QuillonDlg::buildCommandRow()
{
    auto* row = new QHBoxLayout;
    row->addWidget(commandButton("exclusionWizardButton", tr("Exclusion List Wizard"),
                                 "action-unavailable", QStyle::SP_MessageBoxWarning,
                                 &CKORV_QuillonDlg::onExclusionWizard,
                                 tr("Keep lists of numbers that are never to receive messages.")));
    row->addWidget(commandButton("sentItemsButton", tr("Sent Items"), "mail-mark-read",
                                 QStyle::SP_FileDialogInfoView, &CKORV_QuillonDlg::onSentItems));
    row->addWidget(commandButton("lastRunButton", tr("Last Run"), "document-save-as",
                                 QStyle::SP_DialogSaveButton, &CKORV_QuillonDlg::onLastRun,
                                 tr("Export the statuses of the last sending run, as its journal "
                                    "kept them.")));
    row->addWidget(commandButton(
        "sharedOutboxButton", tr("Shared Outbox"), "network-server", QStyle::SP_DriveNetIcon,
        &CKORV_QuillonDlg::onSharedOutbox,
        tr("Send the list through the modems of other computers that share an outbox.")));
    row->addWidget(commandButton("inboxButton", tr("Inbox"), "mail-folder-inbox",
                                 QStyle::SP_DirOpenIcon, &CKORV_QuillonDlg::onInbox,
                                 tr("The messages the modems received, with the last sent item "
                                    "to each sender.")));
    row->addStretch();
    row->addWidget(commandButton("helpButton", tr("Help"), "help-contents",
                                 QStyle::SP_DialogHelpButton, &CKORV_QuillonDlg::onHelp));
    row->addWidget(commandButton("aboutButton", tr("&About"), "help-about",
                                 QStyle::SP_MessageBoxInformation, &CKORV_QuillonDlg::onAbout));
    row->addWidget(commandButton("resetButton", tr("Reset"), "view-refresh",
                                 QStyle::SP_BrowserReload, &CKORV_QuillonDlg::onReset,
                                 tr("Empty the list and the composer and turn every option off.")));
    row->addWidget(commandButton("exitButton", tr("Exit"), "application-exit",
                                 QStyle::SP_DialogCloseButton, &CKORV_QuillonDlg::onExit));
    row->addWidget(commandButton("previewButton", tr("Campaign Preview"), "document-preview",
                                 QStyle::SP_FileDialogContentsView, &CKORV_QuillonDlg::onPreview,
                                 tr("The SMS parts, time and cost the list would take.")));
    QPushButton* send = commandButton("sendButton", tr("Send"), "mail-send", QStyle::SP_MediaPlay,
                                      &CKORV_QuillonDlg::onSend,
                                      tr("Check the list and the devices, then send every row."));
    QFont bold = send->font();
    bold.setBold(true);
    send->setFont(bold);
    row->addWidget(send);
    return row;
}

QPushButton* CKORV_QuillonDlg::commandButton(const char* name, const QString& text,
                                             const char* icon, int fallback,
                                             void (CKORV_QuillonDlg::*slot)(), const QString& tip)
{
    auto* button = new QPushButton(ThemedIcon(icon, static_cast<QStyle::StandardPixmap>(fallback)),
                                   text, this);
    button->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the number box and the list, never to a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void CKORV_QuillonDlg::connectControls()
{
    RecipientList& list = m_session.recipients();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&list, signal, this, &CKORV_QuillonDlg::refreshTotal);
    connect(&list, &QAbstractItemModel::modelReset, this, &CKORV_QuillonDlg::refreshTotal);
    connect(m_composer, &QPlainTextEdit::textChanged, this, &CKORV_QuillonDlg::refreshCharacters);
    connect(m_number, &QLineEdit::returnPressed, this, [this] {
        if (!m_number->text().trimmed().isEmpty())
            onAdd();
    });
    connect(m_list, &RecipientTableView::editRequested, this, &CKORV_QuillonDlg::onEditRow);
    connect(m_list, &RecipientTableView::clearSelectedRequested, this,
            &CKORV_QuillonDlg::onClearSelected);
    connect(m_options, &OptionsPanel::changed, this, &CKORV_QuillonDlg::onOptionsChanged);
    connect(m_devices->quotaBox(), &QCheckBox::toggled, this, &CKORV_QuillonDlg::onOptionsChanged);
    connect(m_devices->quotaButton(), &QPushButton::clicked, this, &CKORV_QuillonDlg::onQuota);
    connect(m_devices->wizardButton(), &QPushButton::clicked, this,
            &CKORV_QuillonDlg::onModemWizard);
    connect(m_devices->deviceLabel(), &ClickableLabel::clicked, this,
            &CKORV_QuillonDlg::onModemWizard);
    connect(m_devices->settingsButton(), &QPushButton::clicked, this,
            &CKORV_QuillonDlg::onDeviceSettings);
}

void CKORV_QuillonDlg::showTotalNumbersText(const QString& text)
{
    m_total->setText(text);
}

QString CKORV_QuillonDlg::totalNumbersText() const
{
    return m_total->text();
}

QString CKORV_QuillonDlg::characterCountText() const
{
    return m_characters->text();
}

QString CKORV_QuillonDlg::characterWarningText() const
{
    return m_characterWarning->isHidden() ? QString() : m_characterWarning->text();
}

void CKORV_QuillonDlg::refreshTotal()
{
    m_total->setText(UpdateCounters(m_session.recipients()));
}

void CKORV_QuillonDlg::refreshCharacters()
{
    m_characters->setText(UpdateCharacterCount(m_composer->text()));
    m_parts->setText(ComposerPartsText(m_composer->text(), m_logic->options().unicode,
                                       m_logic->options().nationalLanguages));
    const QString warning =
        ComposerCharacterWarning(m_composer->text(), m_logic->options().unicode);
    m_characterWarning->setText(warning);
    m_characterWarning->setHidden(warning.isEmpty());
    m_warningIcon->setHidden(warning.isEmpty());
}

void CKORV_QuillonDlg::reject()
{
    // Escape is swallowed: the main window closes only through Exit.
}

void CKORV_QuillonDlg::closeEvent(QCloseEvent* event)
{
    if (m_exitConfirmed) {
        event->accept();
        return;
    }
    event->ignore();
    onExit();
}
