#include "stores/ui/ViewTemplates.h"

#include "stores/StoreHooks.h"
#include "stores/TemplateStore.h"
#include "stores/ui/UpdateTemp.h"
#include "widgets/BackgroundJob.h"
#include "widgets/MessageBoxPrompter.h"
#include "widgets/SelectedRows.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
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

CViewTemplates::CViewTemplates(TemplateStore& store, MessageComposer* composer, Prompter* prompter,
                               QWidget* parent)
    : CloseButtonDialog(parent), m_store(store),
      m_logic(store, chosenPrompter(prompter, m_ownPrompter, this)), m_composer(composer),
      m_list(new QTableView(this)), m_total(new QLabel(this))
{
    setWindowTitle(tr("Templates"));
    auto* box = new QGroupBox(tr("Template List"), this);
    auto* boxLayout = new QVBoxLayout(box);
    m_list->setModel(&m_logic.model());
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    // Fixed row heights keep scrolling a long list independent of its length.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->installEventFilter(this);
    boxLayout->addWidget(m_list);
    boxLayout->addWidget(m_total);

    auto* buttons = new QVBoxLayout;
    addButton(buttons, tr("Add New"), &CViewTemplates::onAddNew);
    addButton(buttons, tr("Update"), &CViewTemplates::onUpdate);
    addButton(buttons, tr("Clear Selected"), &CViewTemplates::onClearSelected);
    addButton(buttons, tr("Clear All"), &CViewTemplates::onClearAll);
    m_useButton = addButton(buttons, tr("Use Template"), &CViewTemplates::onUseTemplate);
    m_importButton = addButton(buttons, tr("Import Templates"), &CViewTemplates::onImport);
    m_exportButton = addButton(buttons, tr("Export Templates"), &CViewTemplates::onExport);
    addButton(buttons, tr("Close"), &CViewTemplates::onClose);
    buttons->addStretch();
    m_useButton->setEnabled(m_composer != nullptr);
    m_importButton->setEnabled(false);
    m_exportButton->setEnabled(false);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(box, 1);
    layout->addLayout(buttons);
    refreshTotal();
    resize(720, 440);
}

CViewTemplates::~CViewTemplates() = default;

QPushButton* CViewTemplates::addButton(QBoxLayout* column, const QString& text,
                                       void (CViewTemplates::*slot)())
{
    auto* button = new QPushButton(text, this);
    column->addWidget(button);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void CViewTemplates::setImportSource(TemplateImportSource* source)
{
    m_import = source;
    m_importButton->setEnabled(source != nullptr);
}

void CViewTemplates::setExport(TemplatesExport* exporter)
{
    m_export = exporter;
    m_exportButton->setEnabled(exporter != nullptr);
}

QString CViewTemplates::totalItemsText() const
{
    return m_total->text();
}

std::vector<int> CViewTemplates::selectedRows() const
{
    return SelectedRows(m_list->selectionModel());
}

void CViewTemplates::refreshTotal()
{
    m_total->setText(m_logic.totalItemsText());
}

void CViewTemplates::selectFirstRow()
{
    m_list->clearSelection();
    if (m_logic.model().rowCount() > 0)
        m_list->selectRow(0);
}

void CViewTemplates::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        startLoading();
    }
}

void CViewTemplates::startLoading()
{
    m_busy = true;
    auto loaded = std::make_shared<TemplatesLogic::Loaded>();
    QPointer<CViewTemplates> self(this);
    TemplateStore& store = m_store;
    RunBackgroundJob(
        this,
        [&store, loaded] {
            FileError error;
            if (!store.LoadTemplates(loaded->oldestFirst, &error))
                loaded->failure = error;
        },
        [self, loaded] {
            if (!self)
                return;
            self->m_busy = false;
            self->m_logic.show(std::move(*loaded));
            self->refreshTotal();
            self->m_list->setFocus();
            self->selectFirstRow();
        });
}

void CViewTemplates::onAddNew()
{
    if (m_busy)
        return;
    CUpdateTemp editor(
        CUpdateTemp::Mode::Add, QString(),
        [this](const QString& text) { return m_logic.addTemplate(text); }, this);
    if (editor.exec() == QDialog::Accepted) {
        refreshTotal();
        selectFirstRow();
    }
}

void CViewTemplates::onUpdate()
{
    if (m_busy)
        return;
    const auto row = m_logic.rowToUpdate(selectedRows());
    if (!row)
        return;
    CUpdateTemp editor(
        CUpdateTemp::Mode::Update, m_logic.model().text(*row),
        [this, row](const QString& text) { return m_logic.updateTemplate(*row, text); }, this);
    editor.exec();
}

void CViewTemplates::onClearSelected()
{
    if (m_busy)
        return;
    std::vector<int> rows = selectedRows();
    if (!m_logic.checkClearSelected(rows))
        return;
    m_busy = true;
    auto kept = std::make_shared<QStringList>();
    QPointer<CViewTemplates> self(this);
    RunBackgroundJob(
        this,
        [all = m_logic.model().oldestFirst(), rows = std::move(rows), kept] {
            *kept = TemplateListModel::Without(all, rows);
        },
        [self, kept] {
            if (!self)
                return;
            self->m_busy = false;
            self->m_logic.removeRows(std::move(*kept));
            self->refreshTotal();
        });
}

void CViewTemplates::onClearAll()
{
    if (m_busy)
        return;
    m_logic.clearAll();
    refreshTotal();
}

void CViewTemplates::onUseTemplate()
{
    if (m_busy || !m_composer)
        return;
    m_logic.useTemplate(selectedRows(), *m_composer);
}

void CViewTemplates::onImport()
{
    if (m_busy || !m_import || !m_import->choose(this))
        return;
    m_busy = true;
    QStringList cells;
    TemplateImportSource* source = m_import;
    RunBackgroundJobAndWait(
        this, [source, &cells] { cells = source->readCells(); },
        tr("Importing templates from file, Please wait ..."));
    m_busy = false;
    if (m_logic.addImported(cells) > 0)
        selectFirstRow();
    refreshTotal();
}

void CViewTemplates::onExport()
{
    if (m_busy || !m_export)
        return;
    QStringList newestFirst;
    newestFirst.reserve(m_logic.model().rowCount());
    for (int row = 0; row < m_logic.model().rowCount(); ++row)
        newestFirst.append(m_logic.model().text(row));
    m_export->exportTemplates(this, newestFirst);
}

void CViewTemplates::onClose()
{
    if (m_busy)
        return;
    m_busy = true;
    TemplateStore& store = m_store;
    RunBackgroundJobAndWait(
        this, [&store, all = m_logic.model().oldestFirst()] { store.SaveTemplates(all); });
    m_busy = false;
    finishClosing();
}

bool CViewTemplates::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            onUpdate();
            return true;
        }
        if (key == Qt::Key_Delete) {
            onClearSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
