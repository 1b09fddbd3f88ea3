#include "stores/ui/SentItems.h"

#include "stores/SentItemStore.h"
#include "stores/StoreHooks.h"
#include "widgets/BackgroundJob.h"
#include "widgets/ListColumns.h"
#include "widgets/MessageBoxPrompter.h"
#include "widgets/SelectedRows.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

Prompter& chosenPrompter(Prompter* given, std::unique_ptr<Prompter>& own, QWidget* parent)
{
    if (given)
        return *given;
    own = std::make_unique<MessageBoxPrompter>(parent);
    return *own;
}

} // namespace

CSent_Items::CSent_Items(SentItemStore& store, Prompter* prompter, QWidget* parent)
    : CloseButtonDialog(parent), m_store(store),
      m_logic(store, chosenPrompter(prompter, m_ownPrompter, this)), m_list(new QTableView(this)),
      m_details(new QPlainTextEdit(this)), m_total(new QLabel(this)), m_selected(new QLabel(this)),
      m_menu(new QMenu(this))
{
    setWindowTitle(tr("Sent Items"));
    m_list->setModel(&m_logic.model());
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->setWordWrap(false);
    // Fixed row heights keep scrolling a long list independent of its length.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->hide();
    m_list->setColumnWidth(SentItemsModel::NumberColumn, NumberColumnWidth(*m_list));
    m_list->setColumnWidth(SentItemsModel::DateColumn, 100);
    m_list->setColumnWidth(SentItemsModel::StatusColumn,
                           FitWidth(*m_list->horizontalHeader(), SentItemsModel::StatusColumn, 0));
    m_list->setColumnWidth(SentItemsModel::DeliveryColumn, 160);
    FillWithColumn(*m_list->horizontalHeader(), SentItemsModel::MessageColumn);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_menu->addAction(tr("Send selected items to SMS Composer."), this,
                      &CSent_Items::onSendToComposer);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_menu->popup(m_list->viewport()->mapToGlobal(at)); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSent_Items::onSelectionChanged);
    m_details->setReadOnly(true);

    auto* counters = new QHBoxLayout;
    counters->addWidget(m_total);
    counters->addStretch();
    counters->addWidget(m_selected);
    auto* buttons = new QHBoxLayout;
    addButton(buttons, tr("Clear Selected"), &CSent_Items::onClearSelected);
    addButton(buttons, tr("Clear All"), &CSent_Items::onClearAll);
    m_composerButton = addButton(buttons, tr("Send selected items to SMS Composer"),
                                 &CSent_Items::onSendToComposer);
    m_exportButton = addButton(buttons, tr("Export"), &CSent_Items::onExport);
    m_reportsButton =
        addButton(buttons, tr("Read Delivery Reports"), &CSent_Items::onReadDeliveryReports);
    buttons->addStretch();
    addButton(buttons, tr("Close"), &CSent_Items::onClose);
    m_composerButton->setEnabled(false);
    m_menu->actions().first()->setEnabled(false);
    m_exportButton->setEnabled(false);
    m_reportsButton->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 3);
    layout->addLayout(counters);
    layout->addWidget(m_details, 1);
    layout->addLayout(buttons);
    refreshCounters();
    resize(760, 520);
}

CSent_Items::~CSent_Items() = default;

QPushButton* CSent_Items::addButton(QBoxLayout* row, const QString& text,
                                    void (CSent_Items::*slot)())
{
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    row->addWidget(button);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void CSent_Items::setComposerHandler(SentItemsToComposer handler)
{
    m_composer = std::move(handler);
    const bool given = bool(m_composer);
    m_composerButton->setEnabled(given);
    m_menu->actions().first()->setEnabled(given);
}

void CSent_Items::setExport(SentItemsExport* exporter)
{
    m_export = exporter;
    m_exportButton->setEnabled(exporter != nullptr);
}

void CSent_Items::setDeliveries(SentItemsDeliveries* deliveries)
{
    m_logic.setDeliveries(deliveries);
    m_reportsButton->setEnabled(deliveries != nullptr);
}

QString CSent_Items::totalItemsText() const
{
    return m_total->text();
}

QString CSent_Items::selectedItemsText() const
{
    return m_selected->text();
}

QString CSent_Items::detailsText() const
{
    return m_details->toPlainText();
}

bool CSent_Items::isBusy() const
{
    return m_busy || (m_export && m_export->isRunning());
}

std::vector<int> CSent_Items::selectedRows() const
{
    return SelectedRows(m_list->selectionModel());
}

void CSent_Items::refreshCounters()
{
    m_total->setText(m_logic.totalItemsText());
    m_selected->setText(SentItemsLogic::selectedItemsText(int(selectedRows().size())));
}

void CSent_Items::onSelectionChanged()
{
    const std::vector<int> rows = selectedRows();
    m_selected->setText(SentItemsLogic::selectedItemsText(int(rows.size())));
    m_details->setPlainText(m_logic.detailsText(rows));
}

void CSent_Items::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        startLoading();
    }
}

void CSent_Items::startLoading()
{
    m_busy = true;
    auto records = std::make_shared<std::vector<SentItem>>();
    auto deliveries = std::make_shared<std::vector<QString>>();
    QPointer<CSent_Items> self(this);
    SentItemStore& store = m_store;
    SentItemsDeliveries* source = m_logic.deliveries();
    RunBackgroundJob(
        this,
        [&store, source, records, deliveries] {
            store.Load(*records);
            *deliveries = SentItemsLogic::deliveryTextsFrom(source, *records);
        },
        [self, records, deliveries] {
            if (!self)
                return;
            self->m_busy = false;
            self->m_logic.showRecords(std::move(*records));
            self->m_logic.showDeliveries(std::move(*deliveries));
            self->refreshCounters();
            self->m_list->setFocus();
            if (self->m_logic.model().rowCount() > 0)
                self->m_list->selectRow(0);
            self->raise();
            self->activateWindow();
        });
}

void CSent_Items::onClearSelected()
{
    if (isBusy())
        return;
    std::vector<int> rows = selectedRows();
    if (!m_logic.checkClearSelected(rows))
        return;
    m_busy = true;
    auto kept = std::make_shared<std::vector<SentItem>>();
    auto keptDeliveries = std::make_shared<std::vector<QString>>();
    QPointer<CSent_Items> self(this);
    RunBackgroundJob(
        this,
        [all = m_logic.model().records(), deliveries = m_logic.model().deliveries(),
         rows = std::move(rows), kept, keptDeliveries] {
            *kept = SentItemsModel::Without(all, rows);
            *keptDeliveries = SentItemsModel::Without(deliveries, rows);
        },
        [self, kept, keptDeliveries] {
            if (!self)
                return;
            self->m_busy = false;
            self->m_logic.removeRows(std::move(*kept), std::move(*keptDeliveries));
            self->m_details->clear();
            self->refreshCounters();
        });
}

void CSent_Items::onClearAll()
{
    if (m_busy)
        return;
    if (m_logic.clearAll()) {
        m_details->clear();
        refreshCounters();
    }
}

void CSent_Items::onSendToComposer()
{
    if (m_busy)
        return;
    if (m_logic.sendToComposer(selectedRows(), m_composer)) {
        m_list->clearSelection();
        refreshCounters();
    }
}

void CSent_Items::onExport()
{
    if (isBusy() || !m_export)
        return;
    if (m_logic.checkExport())
        m_export->exportSentItems(this, m_logic.model().records(), m_logic.model().deliveries());
}

void CSent_Items::onReadDeliveryReports()
{
    if (isBusy() || !m_logic.hasDeliveries())
        return;
    m_busy = true;
    auto summary = std::make_shared<DeliveryReadSummary>();
    auto deliveries = std::make_shared<std::vector<QString>>();
    QPointer<CSent_Items> self(this);
    // The source belongs to the application: the job may outlive the window.
    SentItemsDeliveries* source = m_logic.deliveries();
    RunBackgroundJob(
        this,
        [source, records = m_logic.model().records(), summary, deliveries] {
            *summary = source->readReports();
            *deliveries = SentItemsLogic::deliveryTextsFrom(source, records);
        },
        [self, summary, deliveries] {
            if (!self)
                return;
            self->m_busy = false;
            self->m_logic.showDeliveries(std::move(*deliveries));
            self->onSelectionChanged();
            self->m_logic.reportReading(*summary);
        },
        tr("Reading delivery reports, Please wait..."));
}

void CSent_Items::onClose()
{
    if (isBusy())
        return;
    if (m_logic.isChanged()) {
        m_busy = true;
        // The list does not change while this waits; the job only reads it.
        std::optional<FileError> failure;
        RunBackgroundJobAndWait(this, [this, &failure] { failure = m_logic.writeBack(); });
        m_busy = false;
        if (failure)
            m_logic.reportWriteFailure(*failure);
    }
    finishClosing();
}
