#include "stores/ui/InboxWindow.h"

#include "stores/InboxStore.h"
#include "stores/SentItemStore.h"
#include "stores/StoreHooks.h"
#include "widgets/BackgroundJob.h"
#include "widgets/ListColumns.h"
#include "widgets/MessageBoxPrompter.h"
#include "widgets/SelectedRows.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

struct CInbox::Loaded
{
    std::vector<InboxPart> parts;
    std::vector<SentItem> sent;
    InboxReadState read;
    InboxReadSummary summary;
    bool readModems = false;
};

namespace {

Prompter& chosenPrompter(Prompter* given, std::unique_ptr<Prompter>& own, QWidget* parent)
{
    if (given)
        return *given;
    own = std::make_unique<MessageBoxPrompter>(parent);
    return *own;
}

// Unread lines in bold, incomplete ones in italics.
class MarkedInbox : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::FontRole)
            return QIdentityProxyModel::data(index, role);
        const bool unread = QIdentityProxyModel::data(index, InboxModel::UnreadRole).toBool();
        const bool incomplete =
            QIdentityProxyModel::data(index, InboxModel::IncompleteRole).toBool();
        if (!unread && !incomplete)
            return {};
        QFont font;
        font.setBold(unread);
        font.setItalic(incomplete);
        return font;
    }
};

QString caption()
{
    return QCoreApplication::translate("CInbox", "Message");
}

} // namespace

CInbox::CInbox(InboxStore& inbox, SentItemStore& sentItems, const Clock& clock, Prompter* prompter,
               QWidget* parent)
    : CloseButtonDialog(parent), m_prompter(chosenPrompter(prompter, m_ownPrompter, this)),
      m_inbox(inbox), m_sentItems(sentItems), m_clock(clock), m_loaded(std::make_shared<Loaded>()),
      m_list(new QTableView(this)), m_filter(new QCheckBox(tr("Filter by date"), this)),
      m_from(new QDateEdit(this)), m_to(new QDateEdit(this)), m_total(new QLabel(this))
{
    setWindowTitle(tr("Inbox"));
    m_list->setObjectName(QStringLiteral("inboxList"));
    auto* marked = new MarkedInbox(this);
    marked->setSourceModel(&m_model);
    m_list->setModel(marked);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->hide();
    m_list->setColumnWidth(InboxModel::NumberColumn, NumberColumnWidth(*m_list));
    m_list->setColumnWidth(InboxModel::ReceivedColumn, 140);
    m_list->setColumnWidth(InboxModel::ModemColumn, 70);
    m_list->setColumnWidth(InboxModel::RepliesToColumn, 200);
    FillWithColumn(*m_list->horizontalHeader(), InboxModel::MessageColumn);
    // A message shown selected has been read.
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { markRead(SelectedRows(m_list->selectionModel())); });

    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        edit->setDate(QDate::currentDate());
        edit->setEnabled(false);
        connect(edit, &QDateEdit::dateChanged, this, &CInbox::refreshRows);
    }
    connect(m_filter, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        refreshRows();
    });
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(m_filter);
    filterRow->addWidget(new QLabel(tr("From"), this));
    filterRow->addWidget(m_from);
    filterRow->addWidget(new QLabel(tr("To"), this));
    filterRow->addWidget(m_to);
    filterRow->addStretch();
    filterRow->addWidget(m_total);

    auto* buttons = new QHBoxLayout;
    m_readButton = addButton(buttons, tr("Read Messages"), &CInbox::onReadMessages);
    m_composerButton =
        addButton(buttons, tr("Send selected items to SMS Composer"), &CInbox::onSendToComposer);
    m_markButton = addButton(buttons, tr("Mark as Read"), &CInbox::onMarkRead);
    m_exportButton = addButton(buttons, tr("Export"), &CInbox::onExport);
    buttons->addStretch();
    addButton(buttons, tr("Close"), &CInbox::onClose);
    m_readButton->setEnabled(false);
    m_composerButton->setEnabled(false);
    m_exportButton->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    refreshRows();
    resize(820, 520);
}

CInbox::~CInbox() = default;

QPushButton* CInbox::addButton(QBoxLayout* row, const QString& text, void (CInbox::*slot)())
{
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    row->addWidget(button);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void CInbox::setComposerHandler(SentItemsToComposer handler)
{
    m_composer = std::move(handler);
    m_composerButton->setEnabled(bool(m_composer));
}

void CInbox::setReader(InboxModemReader* reader)
{
    m_reader = reader;
    m_readButton->setEnabled(reader != nullptr);
}

void CInbox::setExport(InboxExport* exporter)
{
    m_export = exporter;
    m_exportButton->setEnabled(exporter != nullptr);
}

bool CInbox::isBusy() const
{
    return m_busy || (m_export && m_export->isRunning());
}

QString CInbox::totalText() const
{
    int unread = 0;
    for (const InboxRow& row : m_model.rows())
        unread += row.unread ? 1 : 0;
    return tr("Total Messages : %1, unread %2").arg(m_model.rowCount()).arg(unread);
}

void CInbox::showEvent(QShowEvent* event)
{
    CloseButtonDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        startLoading(false);
    }
}

void CInbox::startLoading(bool readModems)
{
    m_busy = true;
    auto loaded = std::make_shared<Loaded>();
    loaded->readModems = readModems;
    QPointer<CInbox> self(this);
    // The stores and the reader belong to the application: the job may outlive the window.
    InboxStore& inbox = m_inbox;
    SentItemStore& sentItems = m_sentItems;
    InboxModemReader* reader = readModems ? m_reader : nullptr;
    RunBackgroundJob(
        this,
        [&inbox, &sentItems, reader, loaded] {
            if (reader)
                loaded->summary = reader->readMessages();
            inbox.Load(loaded->parts);
            inbox.readMarks().Load(loaded->read.keys);
            loaded->read.seenUntil = inbox.seenUntil();
            sentItems.Load(loaded->sent);
        },
        [self, loaded] {
            if (!self)
                return;
            self->m_busy = false;
            self->m_loaded = loaded;
            self->m_read = loaded->read;
            self->refreshRows();
            if (!loaded->readModems)
                return;
            const InboxReadSummary& summary = loaded->summary;
            if (summary.modems == 0) {
                self->m_prompter.inform(caption(),
                                        tr("No device is confirmed. Confirm the devices in "
                                           "Device Settings to read their messages."));
                return;
            }
            QString text = tr("Messages read: %1 new from %2 device(s).")
                               .arg(summary.messages)
                               .arg(summary.modems);
            if (!summary.failures.isEmpty())
                text +=
                    QStringLiteral("\n\n") + tr("Not read:") + u'\n' + summary.failures.join(u'\n');
            self->m_prompter.inform(caption(), text,
                                    summary.failures.isEmpty() ? Prompter::Icon::Information
                                                               : Prompter::Icon::Warning);
        },
        readModems ? tr("Reading messages, Please wait...") : QString());
}

void CInbox::refreshRows()
{
    InboxDateFilter filter;
    if (m_filter->isChecked()) {
        filter.from = m_from->date();
        filter.to = m_to->date();
    }
    m_model.setRows(inboxRows(m_loaded->parts, m_loaded->sent, m_read, filter,
                              QDateTime::currentDateTime(), m_clock));
    m_total->setText(totalText());
}

void CInbox::onExport()
{
    if (isBusy() || !m_export)
        return;
    if (m_model.rowCount() == 0) {
        m_prompter.inform(caption(), tr("There is no message to export."));
        return;
    }
    QList<QStringList> rows;
    for (const InboxRow& row : m_model.rows())
        rows.append({row.message.sender, row.message.text,
                     InboxModel::receivedText(row.message.receivedAt), row.message.port,
                     row.repliesTo});
    m_export->exportInbox(this, rows);
}

void CInbox::onSendToComposer()
{
    if (m_busy || !m_composer)
        return;
    std::vector<SentItem> items;
    for (const int row : SelectedRows(m_list->selectionModel()))
        items.push_back({m_model.row(row).message.sender, m_model.row(row).message.text, {}, {}});
    if (items.empty()) {
        m_prompter.inform(caption(), tr("Select the messages to send to the composer."));
        return;
    }
    if (m_composer(items) != ComposerInsertResult::Cancelled)
        m_list->clearSelection();
}

void CInbox::onReadMessages()
{
    if (isBusy() || !m_reader)
        return;
    startLoading(true);
}

void CInbox::onMarkRead()
{
    const std::vector<int> rows = SelectedRows(m_list->selectionModel());
    if (rows.empty()) {
        m_prompter.inform(caption(), tr("Select the messages to mark as read."));
        return;
    }
    markRead(rows);
}

void CInbox::markRead(const std::vector<int>& rows)
{
    QStringList keys;
    for (const int row : rows) {
        if (row < m_model.rowCount() && m_model.row(row).unread)
            keys.append(m_model.row(row).message.key);
    }
    if (keys.isEmpty())
        return;
    // A mark that cannot be written still holds while the window is open.
    (void)m_inbox.readMarks().MarkRead(keys);
    for (const QString& key : keys)
        m_read.keys.insert(key);
    for (const int row : rows)
        m_model.setUnread(row, false);
    m_total->setText(totalText());
}

void CInbox::onClose()
{
    if (isBusy())
        return;
    finishClosing();
}
